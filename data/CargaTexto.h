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

// Lê o arquivo e inclui um registro por linha de dados na tabela aberta; o gancho de antes de
// incluir da tabela é o conserto. `incluido` roda depois de cada registro postado, com o número da
// linha. As falhas são as de LeituraDados.
ResultadoCarga CarregaTexto(const std::string& caminho, const RegrasCarga& regras, Tabela& tabela,
                            std::vector<Aviso>& avisos, const std::function<void(long long linha)>& incluido);
