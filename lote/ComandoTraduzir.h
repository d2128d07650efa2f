#pragma once
// morvisan-lote traduzir ORIGINAL TRADUCAO PASTA NOME [--pular-excecoes]
#include "Ajustes.h"
#include "LinhaComando.h"

// Roda a tradução (argumentos: os quatro, já contados); devolve o código de saída (0 certo, 1 falha,
// 2 uso errado, 3 terminou com " (erro)"). Um argumento que não serve levanta ErroUso.
int ComandoTraduzir(Ajustes& ajustes, const LinhaComando& linha);
