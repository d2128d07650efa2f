#pragma once
// Conversões de um Valor de campo: de e para o SQLite, e para inteiro, texto e número.
#include "ArquivoDbf.h"

#include <cstdint>
#include <string>

struct sqlite3_stmt;

Valor ValorDaColuna(sqlite3_stmt* comando, int coluna);
void LigaValor(sqlite3_stmt* comando, int posicao, const Valor& valor);

// Nulo vale 0 e ""; um texto passa pela conversão estrita; fora de 32 bits levanta Falha.
std::int32_t InteiroDoValor(const Valor& valor, const std::string& campo);
std::string TextoDoValor(const Valor& valor);
double NumeroDoValor(const Valor& valor);
