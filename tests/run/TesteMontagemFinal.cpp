// Montagem da base final: os quatro comandos de cópia pelas bases extras ativas e a passada dos
// receptores.
#include "RodadaTeste.h"

#include <gtest/gtest.h>

namespace {

struct CasoFinal {
    const char* nome;
    std::vector<std::string> municipios; // vazio: base de nomes inativa
    std::vector<std::string> ufs;        // vazio: base de siglas inativa
    std::vector<std::string> original;
    std::vector<std::string> traducao;
    std::vector<std::string> final; // CD_UF|CD_MUN|UF|MUN|POP1|POP2
    const char* contador;
};

const std::vector<std::string> nomes = {"35;10;Dez", "35;20;Vinte", "35;30;Trinta"};
const std::vector<std::string> siglas = {"35;SP"};
const std::vector<std::string> original = {"35;10;100;110", "35;20;200;210"};
const std::vector<std::string> paraTrinta = {"35;A;10;B;30;50;1;"};

class MontagemFinal : public testing::TestWithParam<CasoFinal> {};

TEST_P(MontagemFinal, CopiaEIncluiReceptores) {
    const CasoFinal& caso = GetParam();
    RodadaTeste rodada;
    rodada.Prepara(caso.municipios, caso.ufs, caso.original, caso.traducao);
    rodada.MontaFinal();
    EXPECT_TRUE(rodada.painel.Mensagens().empty());
    EXPECT_EQ(RodadaTeste::Registros(rodada.dados.T_BF_DESC), caso.final);
    EXPECT_EQ(rodada.painel.TextoContador(Contador::BF_DESC), caso.contador);
}

const CasoFinal casos[] = {
    {"nenhuma_base_ativa",
     {},
     {},
     original,
     paraTrinta,
     {"35|10|??|<nome inexistente>|100|110", "35|20|??|<nome inexistente>|200|210", "35|30|??|<nome inexistente>|0|0"},
     "+1"},
    {"as_duas_bases",
     nomes,
     siglas,
     original,
     paraTrinta,
     {"35|10|SP|Dez|100|110", "35|20|SP|Vinte|200|210", "35|30|SP|Trinta|0|0"},
     "+1"},
    {"so_nomes",
     nomes,
     {},
     original,
     paraTrinta,
     {"35|10|??|Dez|100|110", "35|20|??|Vinte|200|210", "35|30|??|Trinta|0|0"},
     "+1"},
    {"so_siglas",
     {},
     siglas,
     original,
     paraTrinta,
     {"35|10|SP|<nome inexistente>|100|110", "35|20|SP|<nome inexistente>|200|210", "35|30|SP|<nome inexistente>|0|0"},
     "+1"},
    {"municipio_sem_nome_fica_de_fora",
     nomes,
     siglas,
     {"35;10;100;110", "35;40;400;410", "35;20;200;210"},
     {},
     {"35|10|SP|Dez|100|110", "35|20|SP|Vinte|200|210"},
     "?"},
    {"uf_sem_sigla_fica_de_fora",
     {},
     siglas,
     {"36;10;100;110", "35;20;200;210"},
     {},
     {"35|20|SP|<nome inexistente>|200|210"},
     "?"},
    {"nome_repetido_repete_o_registro",
     {"35;10;Dez", "35;10;Dez de novo", "35;20;Vinte"},
     {},
     original,
     {},
     {"35|10|??|Dez|100|110", "35|10|??|Dez de novo|100|110", "35|20|??|Vinte|200|210"},
     "?"},
    {"receptor_existente_nao_volta",
     nomes,
     siglas,
     original,
     {"35;A;10;B;20;50;1;"},
     {"35|10|SP|Dez|100|110", "35|20|SP|Vinte|200|210"},
     "?"},
    {"receptor_de_tres_mudancas_entra_uma_vez",
     {},
     {},
     original,
     {"35;A;10;B;30;50;1;", "35;A;20;B;30;60;1;", "35;A;10;B;30;70;2;"},
     {"35|10|??|<nome inexistente>|100|110", "35|20|??|<nome inexistente>|200|210", "35|30|??|<nome inexistente>|0|0"},
     "+1"},
    {"receptores_na_ordem_da_traducao",
     nomes,
     siglas,
     original,
     {"35;A;10;B;30;50;9;", "36;A;10;B;99;50;1;", "35;A;10;B;31;50;1;*"},
     {"35|10|SP|Dez|100|110", "35|20|SP|Vinte|200|210", "35|30|SP|Trinta|0|0", "36|99|??|<nome inexistente>|0|0",
      "35|31|SP|<nome inexistente>|0|0"},
     "+3"},
    {"doador_ausente_nao_entra",
     {},
     {},
     original,
     {"35;A;77;B;10;50;1;"},
     {"35|10|??|<nome inexistente>|100|110", "35|20|??|<nome inexistente>|200|210"},
     "?"},
    {"bases_vazias", {}, {}, {}, {}, {}, "?"},
    // Laços na ordem do FROM: para cada sigla, cada nome; o receptor fica com o primeiro de cada base.
    {"repetidos_nas_duas_bases_em_laco",
     {"35;10;Dez", "35;10;Deza", "35;30;Trinta", "35;30;Trinta bis"},
     {"35;SP", "35;S2"},
     {"35;10;100;110"},
     paraTrinta,
     {"35|10|SP|Dez|100|110", "35|10|SP|Deza|100|110", "35|10|S2|Dez|100|110", "35|10|S2|Deza|100|110",
      "35|30|SP|Trinta|0|0"},
     "+1"},
    // Sigla ou nome importados vazios não são sigla nem nome: viram as marcas de não encontrado.
    {"sigla_e_nome_vazios_viram_marcas",
     {"35;10;", "35;30;"},
     {"35;"},
     {"35;10;100;110"},
     paraTrinta,
     {"35|10|??|<nome inexistente>|100|110", "35|30|??|<nome inexistente>|0|0"},
     "+1"},
};

INSTANTIATE_TEST_SUITE_P(Casos, MontagemFinal, testing::ValuesIn(casos), NomeDoCaso<CasoFinal>);

} // namespace
