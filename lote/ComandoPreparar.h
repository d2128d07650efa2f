#pragma once
// morvisan-lote preparar ORIGINAL DE ATE SAIDA
#include <string>
#include <vector>

// Prepara a base de tradução do Brasil com os argumentos depois de "preparar"; devolve o código de
// saída (0 certo, 4 com par estimado ou deixado de fora, 1 falha, 2 uso errado).
int ComandoPreparar(const std::string& dirSistema, const std::vector<std::string>& argumentos);
