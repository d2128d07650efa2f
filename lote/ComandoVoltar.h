#pragma once
// morvisan-lote agregar ORIGINAL DE ATE PASTA NOME, areas DE ATE SAIDA e
// agregar-areas ORIGINAL ANO AREAS PASTA NOME
#include "Ajustes.h"
#include "LinhaComando.h"

// Leva a base à divisão de um ano anterior; devolve 0 certo, 4 com avisos, 1 falha (nada gravado), 2
// saída sobre uma entrada, 3 balanço que não fecha. Um argumento que não serve levanta ErroUso.
int ComandoAgregar(Ajustes& ajustes, const LinhaComando& linha);

// Grava as áreas comparáveis entre as divisões de dois anos; devolve 0 certo, 1 falha.
int ComandoAreas(Ajustes& ajustes, const LinhaComando& linha);

// Soma a base sobre as áreas do ano; devolve 0 certo, 4 com avisos, 1 falha (nada gravado), 2 saída
// sobre uma entrada.
int ComandoAgregarAreas(Ajustes& ajustes, const LinhaComando& linha);
