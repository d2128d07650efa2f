#pragma once
// Carga de um arquivo de entrada do usuário numa tabela: cada linha de dados vira um registro. Comum
// às bases original e de tradução e às duas bases extras.
#include "LeituraDados.h"
#include "Tabela.h"

#include <functional>
#include <string>
#include <vector>

struct ResultadoCarga {
    long long linhasLidas = 0;
    int registros = 0;
};

// Lê o arquivo e acrescenta à tabela aberta um registro por linha de dados: a linha consertada pelo
// conserto das regras e convertida inteira antes de a tabela crescer. `incluido` roda depois de cada
// registro acrescentado, com o número da linha. As falhas são as de LeituraDados, "Campo não
// encontrado" quando a tabela não tem um campo das regras e "O valor N não cabe no campo X."; os
// registros das linhas anteriores ficam.
ResultadoCarga CarregaTexto(const std::string& caminho, const RegrasCarga& regras, Tabela& tabela,
                            std::vector<Aviso>& avisos, const std::function<void(long long linha)>& incluido);
