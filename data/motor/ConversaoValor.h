#pragma once
// Um valor de campo lido como inteiro, como texto ou como número, como as tabelas e as operações os
// entregam; um texto vale pela regra de Valor.h.
#include "Valor.h"

#include <cstdint>
#include <string>

// Nulo vale 0; um real é arredondado; um texto vale o número que escreve (Falha quando não escreve
// nenhum); fora de 32 bits levanta Falha que nomeia o campo.
std::int32_t InteiroDaCelula(const Celula& valor, const std::string& campo);
// Nulo vale ""; números na forma decimal simples (real com ponto).
std::string TextoDaCelula(const Celula& valor);
// Nulo vale 0; um texto que não é número levanta Falha.
double NumeroDaCelula(const Celula& valor);
