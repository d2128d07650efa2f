#pragma once
// morvisan-lote traduzir ORIGINAL TRADUCAO PASTA NOME [--pular-excecoes]
#include <string>
#include <vector>

// Roda a tradução com os argumentos depois de "traduzir"; devolve o código de saída
// (0 "Sucesso total!", 1 falha, 2 uso errado, 3 terminou com " (erro)", 4 terminou com avisos ou achados).
int ComandoTraduzir(const std::string& dirSistema, const std::vector<std::string>& argumentos);
