// Transferência: proporções, arredondamento, ordem das mudanças, exceções e o log.
#include "Falha.h"
#include "RodadaTeste.h"

#include <gtest/gtest.h>

namespace {

const std::string cabecalho = "UF;MUN_D;POP1;POP_MOVER;PROPORCAO;POP2;VPROPORCAO;POP_DOADOR;MUN_R;POP_RECEPTOR";

struct CasoTransferencia {
    const char* nome;
    std::vector<std::string> original;
    std::vector<std::string> traducao;
    std::vector<std::string> log;   // sem o cabeçalho
    std::vector<std::string> final; // CD_UF|CD_MUN|POP1|POP2
    char separador = '.';
    bool ignoraEx = true;
};

std::vector<std::string> Populacoes(Tabela& final) {
    std::vector<std::string> registros;
    for (final.Primeiro(); !final.Fim(); final.Proximo())
        registros.push_back(final.Texto("CD_UF") + "|" + final.Texto("CD_MUN") + "|" + final.Texto("POP1") + "|" +
                            final.Texto("POP2"));
    return registros;
}

class Transferencia : public testing::TestWithParam<CasoTransferencia> {};

TEST_P(Transferencia, MoveELogaCadaMudanca) {
    const CasoTransferencia& caso = GetParam();
    RodadaTeste rodada(caso.separador);
    rodada.ajustes.IgnoraEx = caso.ignoraEx;
    rodada.Original(RodadaTeste::Linhas(caso.original));
    rodada.Traducao(RodadaTeste::Linhas(caso.traducao));
    rodada.Traduz();
    EXPECT_EQ(rodada.painel.maximo, static_cast<int>(caso.traducao.size()));
    EXPECT_TRUE(rodada.painel.posicoes.empty());
    // O log vai para o lugar junto com as outras saídas, no fim da gravação.
    rodada.processamento.Grava();
    std::vector<std::string> log = {cabecalho};
    log.insert(log.end(), caso.log.begin(), caso.log.end());
    EXPECT_EQ(rodada.Saida("Morvisan.Log"), RodadaTeste::Linhas(log));
    EXPECT_EQ(Populacoes(rodada.dados.T_BF_DESC), caso.final);
}

const CasoTransferencia casos[] = {
    {"um_quarto",
     {"35;10;2000;1000"},
     {"35;A;10;B;20;500;1;"},
     {"35;10;2000;500;25;1000;250;750;20;250"},
     {"35|10|1500|750", "35|20|500|250"}},
    {"dizima_com_ponto",
     {"35;10;3000;3001"},
     {"35;A;10;B;20;1000;1;"},
     {"35;10;3000;1000;33.3333333333333;3001;1000;2001;20;1000"},
     {"35|10|2000|2001", "35|20|1000|1000"}},
    {"dizima_com_virgula",
     {"35;10;3000;3001"},
     {"35;A;10;B;20;1000;1;"},
     {"35;10;3000;1000;33,3333333333333;3001;1000;2001;20;1000"},
     {"35|10|2000|2001", "35|20|1000|1000"},
     ','},
    {"empates_vao_para_o_par",
     {"35;1;2;5", "35;2;2;7", "35;3;2;3"},
     {"35;A;1;B;9;1;1;", "35;A;2;B;9;1;2;", "35;A;3;B;9;1;3;"},
     {"35;1;2;1;50;5;2;3;9;2", "35;2;2;1;50;7;4;3;9;6", "35;3;2;1;50;3;2;1;9;8"},
     {"35|1|1|3", "35|2|1|3", "35|3|1|1", "35|9|3|8"}},
    {"doador_com_pop1_zero",
     {"35;10;0;500"},
     {"35;A;10;B;20;100;1;"},
     {"35;10;0;100;0;500;0;500;20;0"},
     {"35|10|-100|500", "35|20|100|0"}},
    {"mesmo_doador_e_receptor",
     {"35;10;2000;1000"},
     {"35;A;10;B;10;500;1;"},
     {"35;10;2000;500;25;1000;250;750;10;1000"},
     {"35|10|2000|1000"}},
    {"cadeia_usa_o_pop1_depois_da_primeira",
     {"35;10;1000;2000"},
     {"35;A;20;B;30;100;2;", "35;A;10;B;20;400;1;"},
     {"35;10;1000;400;40;2000;800;1200;20;800", "35;20;400;100;25;800;200;600;30;200"},
     {"35|10|600|1200", "35|30|100|200", "35|20|300|600"}},
    {"excecao_pulada_sem_ignorar",
     {"35;10;2000;1000"},
     {"35;A;10;B;20;500;1;*", "35;A;10;B;30;100;2;"},
     {"35;10;2000;100;5;1000;50;950;30;50"},
     {"35|10|1900|950", "35|20|0|0", "35|30|100|50"},
     '.',
     false},
    {"excecao_aplicada_ignorando",
     {"35;10;2000;1000"},
     {"35;A;10;B;20;500;1;*", "35;A;10;B;30;100;2;"},
     {"35;10;2000;500;25;1000;250;750;20;250", "35;10;1500;100;6.66666666666667;750;50;700;30;50"},
     {"35|10|1400|700", "35|20|500|250", "35|30|100|50"}},
    {"traducao_vazia", {"35;10;2000;1000"}, {}, {}, {"35|10|2000|1000"}},
    // Sem doador nada muda, nem o receptor; a linha sai sem as colunas do doador.
    {"doador_ausente", {"35;20;100;70"}, {"35;A;77;B;20;50;1;"}, {"35;77;;50;;;;;20;70"}, {"35|20|100|70"}},
    {"ordem_por_uf_data_e_situacoes",
     {"35;1;100;100", "35;2;100;100", "35;3;100;100", "35;4;100;100", "35;5;100;100", "36;1;100;100"},
     {"36;A;1;A;9;10;1;", "35;B;2;A;9;10;1;", "35;A;3;B;9;10;1;", "35;A;4;A;9;10;10;", "35;A;5;A;9;10;9;"},
     // Data 1 (A,B antes de B,A), depois 9 antes de 10: DATA compara como número.
     {"35;3;100;10;10;100;10;90;9;10", "35;2;100;10;10;100;10;90;9;20", "35;5;100;10;10;100;10;90;9;30",
      "35;4;100;10;10;100;10;90;9;40", "36;1;100;10;10;100;10;90;9;10"},
     {"35|1|100|100", "35|2|90|90", "35|3|90|90", "35|4|90|90", "35|5|90|90", "36|1|90|90", "36|9|10|10",
      "35|9|40|40"}},
    {"empate_mantem_a_ordem_do_arquivo",
     {"50;325;12428;12482", "50;20;11023;11091", "50;295;69568;70953"},
     {"50;1;325;2;627;3107;20130101;", "50;1;20;2;627;1318;20130101;", "50;1;295;2;627;936;20130101;"},
     {"50;325;12428;3107;25;12482;3120;9362;627;3120", "50;20;11023;1318;11.9568175632768;11091;1326;9765;627;4446",
      "50;295;69568;936;1.34544618215271;70953;955;69998;627;5401"},
     {"50|325|9321|9362", "50|20|9705|9765", "50|295|68632|69998", "50|627|5361|5401"}},
    {"produto_em_64_bits",
     {"35;10;60000000;60000000"},
     {"35;A;10;B;20;30000000;1;"},
     {"35;10;60000000;30000000;50;60000000;30000000;30000000;20;30000000"},
     {"35|10|30000000|30000000", "35|20|30000000|30000000"}},
    {"proporcao_em_expoente",
     {"35;10;2000000000;1000"},
     {"35;A;10;B;20;1;1;"},
     {"35;10;2000000000;1;5E-8;1000;0;1000;20;0"},
     {"35|10|1999999999|1000", "35|20|1|0"}},
    {"doador_fica_negativo",
     {"35;10;100;100"},
     {"35;A;10;B;20;300;1;"},
     {"35;10;100;300;300;100;300;-200;20;300"},
     {"35|10|-200|-200", "35|20|300|300"}},
};

INSTANTIATE_TEST_SUITE_P(Casos, Transferencia, testing::ValuesIn(casos), NomeDoCaso<CasoTransferencia>);

struct CasoFaixa {
    const char* nome;
    std::vector<std::string> original;
    const char* traducao;
    std::vector<const char*> trechos; // o que a mensagem precisa dizer
};

class TransferenciaForaDaFaixa : public testing::TestWithParam<CasoFaixa> {};

// Nunca dá a volta: a rodada para com a UF e o município na mensagem.
TEST_P(TransferenciaForaDaFaixa, ParaARodadaNomeandoOMunicipio) {
    const CasoFaixa& caso = GetParam();
    RodadaTeste rodada;
    rodada.Original(RodadaTeste::Linhas(caso.original));
    rodada.Traducao(RodadaTeste::Linhas({caso.traducao}));
    rodada.MontaFinal();
    try {
        rodada.processamento.Transfere();
        FAIL() << "esperava a falha de faixa";
    } catch (const Falha& falha) {
        for (const char* trecho : caso.trechos)
            EXPECT_NE(std::string(falha.what()).find(trecho), std::string::npos) << falha.what();
    }
}

const CasoFaixa casosFaixa[] = {
    {"pop1_do_receptor",
     {"35;10;2000000000;10", "35;20;2000000000;10"},
     "35;A;10;B;20;1000000000;1;",
     {"POP1", "munic\xedpio 20", "UF 35"}},
    {"pop1_do_doador", {"35;10;-2000000000;10"}, "35;A;10;B;20;1000000000;1;", {"POP1", "munic\xedpio 10", "UF 35"}},
    {"vproporcao", {"35;10;1;2000000000"}, "35;A;10;B;20;2;1;", {"VPROPORCAO", "munic\xedpio 10", "UF 35"}},
    {"pop2_do_receptor",
     {"35;10;10;2000000000", "35;20;10;2000000000"},
     "35;A;10;B;20;5;1;",
     {"POP2", "munic\xedpio 20", "UF 35"}},
};

INSTANTIATE_TEST_SUITE_P(Casos, TransferenciaForaDaFaixa, testing::ValuesIn(casosFaixa), NomeDoCaso<CasoFaixa>);

TEST(TransferenciaLog, PastaInexistenteParaARodadaSemMexerNaBase) {
    RodadaTeste rodada;
    rodada.Original(RodadaTeste::Linhas({"35;10;2000;1000"}));
    rodada.Traducao(RodadaTeste::Linhas({"35;A;10;B;20;500;1;"}));
    rodada.ajustes.Pasta = rodada.pasta / "nao-existe";
    rodada.MontaFinal();
    try {
        rodada.processamento.Transfere();
        FAIL() << "esperava a falha de E/S";
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find("Morvisan.Log"), std::string::npos) << falha.what();
    }
    EXPECT_EQ(Populacoes(rodada.dados.T_BF_DESC), (std::vector<std::string>{"35|10|2000|1000", "35|20|0|0"}));
}

TEST(TransferenciaLog, SubstituiLogDeMesmoNomeEmOutraCaixa) {
    RodadaTeste rodada;
    rodada.pasta.Escreve("saida/MORVISAN.LOG", "antigo");
    rodada.Traduz();
    rodada.processamento.Grava();
    EXPECT_EQ(rodada.Saida("MORVISAN.LOG"), cabecalho + "\r\n");
}

} // namespace
