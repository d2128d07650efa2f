// Morvisan.Avisos de uma rodada inteira: os avisos da leitura e os registros que as bases extras
// deixaram de fora ou repetiram, com o memo que os resume.
#include "RodadaTeste.h"

#include <gtest/gtest.h>

namespace {

struct CasoAvisos {
    const char* nome;
    std::vector<std::string> municipios; // vazio: inativa
    std::vector<std::string> ufs;        // vazio: inativa
    std::vector<std::string> original;
    std::vector<std::string> avisos; // linhas de Morvisan.Avisos depois do cabeçalho
};

class AvisosRodada : public testing::TestWithParam<CasoAvisos> {};

TEST_P(AvisosRodada, GravaMorvisanAvisos) {
    const CasoAvisos& caso = GetParam();
    RodadaTeste rodada;
    rodada.Prepara(caso.municipios, caso.ufs, caso.original, {"35;A;10;B;10;0;1;"});
    rodada.processamento.FormActivate();
    std::string esperado = "ARQUIVO;LINHA;CAMPO;AVISO;TEXTO\r\n";
    for (const std::string& linha : caso.avisos)
        esperado += linha + "\r\n";
    EXPECT_EQ(rodada.Saida("Morvisan.Avisos"), esperado);
    EXPECT_FALSE(rodada.processamento.SucessoTotal());
}

const std::vector<std::string> dezEVinte = {"35;10;Dez", "35;20;Vinte"};

const CasoAvisos casos[] = {
    {"nome_faltando_e_repetido",
     {"35;10;Dez", "35;20;Vinte", "35;20;Vinte de novo"},
     {"35;SP"},
     {"CD_UF;CD_MUN;POP1;POP2", "35;10;100;110", "35;30;5;5", "35;20;7;7"},
     {"original.csv;1;;linha de t\xedtulos pulada;CD_UF;CD_MUN;POP1;POP2", "original.csv;3;CD_MUN;fora do resultado;30",
      "original.csv;4;CD_MUN;repetido no resultado;20"}},
    {"sigla_repetida_e_faltando",
     {},
     {"35;SP", "35;SP"},
     {"35;10;1;1", "36;1;1;1"},
     {"original.csv;1;CD_UF;repetido no resultado;35", "original.csv;2;CD_UF;fora do resultado;36"}},
    // Sem par numa base ativa vale antes de repetido na outra: o registro some do resultado.
    {"sem_sigla_vem_antes_do_nome", dezEVinte, {"35;SP"}, {"36;10;1;1"}, {"original.csv;1;CD_UF;fora do resultado;36"}},
    {"sigla_repetida_sem_nome",
     dezEVinte,
     {"35;SP", "35;XX"},
     {"35;30;1;1", "35;10;1;1"},
     {"original.csv;1;CD_MUN;fora do resultado;30", "original.csv;2;CD_UF;repetido no resultado;35"}},
    // Sigla ou nome vazio ainda é par: as seis contagens é que falam deles.
    {"par_vazio_ainda_casa",
     {"35;10;"},
     {"35;"},
     {"35;10;1;1", "-;10;1;1"},
     {"original.csv;2;CD_UF;trocado por 0;-", "original.csv;2;CD_UF;fora do resultado;0"}},
};

INSTANTIATE_TEST_SUITE_P(Casos, AvisosRodada, testing::ValuesIn(casos), NomeDoCaso<CasoAvisos>);

// Um fora e um repetido fecham a contagem final, mas o memo diz quem e quanta gente mudou.
TEST(AvisosRodadaMemo, ContagemQueFechaPorAcasoNaoEhSucesso) {
    RodadaTeste rodada;
    rodada.Prepara(casos[0].municipios, casos[0].ufs, casos[0].original, {});
    rodada.processamento.FormActivate();
    EXPECT_TRUE(rodada.processamento.ContagemFecha());
    EXPECT_EQ(rodada.painel.situacao, "Fim - S\xe3o 3 registros.");
    EXPECT_EQ(rodada.painel.obs, (std::vector<std::string>{
                                     "1 registro(s) da base original ficaram fora do resultado.",
                                     "-> c\xf3"
                                     "digos sem nome ou sigla nas bases extras",
                                     "1 registro(s) da base original entraram repetidos no resultado.",
                                     "-> c\xf3"
                                     "digos repetidos nas bases extras",
                                     "POP1: 112 antes, 114 depois",
                                     "POP2: 122 antes, 124 depois",
                                     "1 nota(s) da leitura -> veja Morvisan.Avisos",
                                 }));
    EXPECT_EQ(rodada.painel.corObs, Cor::Vermelho);
}

} // namespace
