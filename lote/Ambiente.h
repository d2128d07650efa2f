#pragma once
// Ajustes regionais do usuário lidos do ambiente (LANG, LC_*), para o comando em lote.
#include "Regional.h"

// Lê os separadores decimal e de milhar da localidade do usuário (setlocale(LC_ALL, "")) e devolve
// LC_NUMERIC a "C" para o resto do processo, para que a biblioteca C não escreva vírgulas decimais nos
// números internos. Os formatos de data e hora ficam nos padrões: só as janelas os mostram.
Regional RegionalDoAmbiente();
