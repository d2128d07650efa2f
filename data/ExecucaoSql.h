#pragma once
// Execução dos comandos locais sobre as tabelas carregadas, sem motor SQL: as tabelas do FROM são
// percorridas em laços aninhados na ordem escrita, cada uma na ordem dos seus registros, e as
// igualdades com as tabelas de fora viram procuras num índice da tabela de dentro. O resultado sai,
// por isso, na ordem dos registros da primeira tabela, depois da segunda, e assim por diante; um
// "order by" reordena de forma estável, e os empates ficam nessa ordem.
#include "DialetoSql.h"
#include "Registros.h"
#include "TabelaCarregada.h"

#include <string>
#include <vector>

struct LinhasSelecionadas {
    std::vector<std::string> nomes; // um por coluna do resultado
    Registros registros;
};

// As tabelas vêm na ordem de ComandoLocal::Tabelas(). Levantam Falha para coluna desconhecida ou
// ambígua, número de colunas que não bate e o que mais o dialeto não aceita.
LinhasSelecionadas Seleciona(const ComandoLocal& comando, const std::vector<TabelaCarregada*>& tabelas);
// Inclusão e atualização: devolvem quantas linhas incluíram ou atualizaram.
int ExecutaMudanca(const ComandoLocal& comando, const std::vector<TabelaCarregada*>& tabelas);
