#pragma once
// morvisan-lote importar municipios|ufs ARQUIVO
#include "Ajustes.h"
#include "LinhaComando.h"

// Importa a base extra (argumentos: a base e o arquivo, já contados); devolve o código de saída
// (0 certo, 1 falha sem mudar nada, 4 importou com avisos da leitura). Uso errado levanta ErroUso.
int ComandoImportar(Ajustes& ajustes, const LinhaComando& linha);
