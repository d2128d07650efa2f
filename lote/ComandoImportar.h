#pragma once
// morvisan-lote importar municipios|ufs ARQUIVO
#include <string>
#include <vector>

// Importa a base extra com os argumentos depois de "importar"; devolve o código de saída
// (0 certo, 1 falha sem mudar nada, 2 uso errado, 4 importou com avisos da leitura).
int ComandoImportar(const std::string& dirSistema, const std::vector<std::string>& argumentos);
