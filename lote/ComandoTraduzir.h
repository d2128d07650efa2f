#pragma once
// morvisan-lote traduzir ORIGINAL TRADUCAO PASTA NOME [--pular-excecoes]
#include "Ajustes.h"
#include "LinhaComando.h"

// Roda a tradução (argumentos: os quatro, já contados); devolve o código de saída (0 "Sucesso
// total!", 1 falha, 2 saída sobre uma entrada, 3 terminou com " (erro)", 4 terminou com avisos ou
// achados). Um argumento que não serve levanta ErroUso.
int ComandoTraduzir(Ajustes& ajustes, const LinhaComando& linha);

// O NOME do resultado como a caixa NovoArquivo o aceita; outro levanta ErroUso com o nome do comando.
void ConfereNomeResultado(const std::string& comando, const std::string& nome);
