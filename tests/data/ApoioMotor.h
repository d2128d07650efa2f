#pragma once
// Apoio dos testes do motor: uma pasta com os modelos vazios e atalhos para encher tabelas.
#include "AreaTrabalho.h"
#include "Dados.h"
#include "PastaTemporaria.h"

#include <string>
#include <vector>

struct PastaComModelos {
    PastaTemporaria pasta;
    PastaComModelos() { AreaTrabalho::GeraModelos(pasta.Caminho()); }
    std::string Caminho() const { return pasta.Caminho(); }
};

// O arquivo todo, para conferir o que foi gravado; registros apagados ficam de fora.
ConteudoDbf LeDbf(const std::string& caminho);

// Acrescenta registros de inteiros e textos, campo a campo pelo nome ("" grava nulo num texto).
void Acrescenta(Tabela& tabela, const std::vector<std::string>& campos,
                const std::vector<std::vector<std::string>>& registros);
