#pragma once
// O texto de --help do comando em lote.
#include <string>

// O uso completo, em Latin-1 como os demais textos do sistema.
std::string TextoUso();
