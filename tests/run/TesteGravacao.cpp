// Gravação do resultado e do extrato comp.CSV.
#include "Falha.h"
#include "RodadaTeste.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Os 75 pares do extrato, escritos aqui à parte da lista do programa.
const std::vector<std::string> especiais = {
    "11;8",    "11;13",   "11;20",   "11;149",  "11;150",  "12;40",   "13;260",  "14;10",   "15;140",  "16;30",
    "21;590",  "21;740",  "21;870",  "21;1130", "21;1153", "21;1172", "21;1300", "22;1100", "23;210",  "23;290",
    "23;440",  "23;650",  "23;690",  "23;835",  "23;1140", "23;1270", "23;1300", "24;810",  "25;570",  "25;1600",
    "26;1160", "27;430",  "28;30",   "28;40",   "28;630",  "28;760",  "29;420",  "29;1080", "29;1980", "29;2740",
    "31;620",  "32;530",  "33;455",  "35;1100", "35;1570", "35;5030", "41;690",  "41;1325", "41;1780", "42;540",
    "42;760",  "42;1390", "43;223",  "43;258",  "43;610",  "43;650",  "43;690",  "43;700",  "43;843",  "43;1020",
    "43;1090", "43;1140", "43;1413", "43;1490", "43;1531", "50;270",  "51;35",   "51;140",  "51;340",  "51;410",
    "51;675",  "51;757",  "51;785",  "51;788",  "51;835"};

std::string LinhaSemExtras(const std::string& par, int pop1, int pop2) {
    const auto separador = par.find(';');
    return par.substr(0, separador) + ";??;" + par.substr(separador + 1) + ";<nome inexistente>;" +
           std::to_string(pop1) + ";" + std::to_string(pop2);
}

TEST(Gravacao, OsSetentaECincoParesEntramNoExtratoNaOrdemDaBase) {
    RodadaTeste rodada;
    std::vector<std::string> original;
    std::vector<std::string> resultado;
    std::vector<std::string> extrato;
    // De trás para a frente: o extrato segue a base, não a lista.
    for (auto par = especiais.rbegin(); par != especiais.rend(); ++par) {
        original.push_back(*par + ";100;200");
        resultado.push_back(LinhaSemExtras(*par, 100, 200));
        extrato.push_back(resultado.back());
        // Vizinhos que não estão na lista: mesmo município em outra UF, código seguinte.
        const std::string outro = "12" + par->substr(2) + "1";
        original.push_back(outro + ";1;2");
        resultado.push_back(LinhaSemExtras(outro, 1, 2));
    }
    rodada.Original(RodadaTeste::Linhas(original));
    rodada.Traduz();
    rodada.processamento.Grava();
    EXPECT_EQ(rodada.Saida("RES.CSV"), RodadaTeste::Linhas(resultado));
    EXPECT_EQ(rodada.Saida("comp.CSV"), RodadaTeste::Linhas(extrato));
    EXPECT_EQ(extrato.size(), 75u);
}

struct CasoExtrato {
    const char* nome;
    const char* linha;
    bool noExtrato;
};

class GravacaoExtrato : public testing::TestWithParam<CasoExtrato> {};

TEST_P(GravacaoExtrato, CodigoPertenceASuaUf) {
    RodadaTeste rodada;
    rodada.Original(RodadaTeste::Linhas({GetParam().linha}));
    rodada.Traduz();
    rodada.processamento.Grava();
    EXPECT_EQ(rodada.Saida("comp.CSV").empty(), !GetParam().noExtrato);
    EXPECT_FALSE(rodada.Saida("RES.CSV").empty());
}

const CasoExtrato casosExtrato[] = {
    {"uf11_mun8", "11;8;1;1", true},           {"uf12_mun8", "12;8;1;1", false},
    {"uf21_mun1300", "21;1300;1;1", true},     {"uf22_mun1300", "22;1300;1;1", false},
    {"uf16_mun30", "16;30;1;1", true},         {"uf28_mun30", "28;30;1;1", true},
    {"uf41_mun690", "41;690;1;1", true},       {"uf42_mun690", "42;690;1;1", false},
    {"zeros_a_esquerda", "11;0020;1;1", true}, {"hexadecimal", "11;$14;1;1", true},
    {"codigo_zero", "11;0;1;1", false},
};

INSTANTIATE_TEST_SUITE_P(Casos, GravacaoExtrato, testing::ValuesIn(casosExtrato), NomeDoCaso<CasoExtrato>);

TEST(Gravacao, NomesEntramAparadosEComPopulacoesNegativas) {
    RodadaTeste rodada;
    rodada.Municipios({"11;8;Costa Marques", "11;9;" + std::string(50, 'N')});
    rodada.Ufs({"11;RO"});
    rodada.Original(RodadaTeste::Linhas({"11;8;950;990", "11;9;5;6"}));
    rodada.Traducao(RodadaTeste::Linhas({"11;A;9;B;8;10;1;"}));
    rodada.Traduz();
    rodada.processamento.Grava();
    EXPECT_EQ(rodada.Saida("RES.CSV"),
              RodadaTeste::Linhas({"11;RO;8;Costa Marques;960;1002", "11;RO;9;" + std::string(50, 'N') + ";-5;-6"}));
    EXPECT_EQ(rodada.Saida("comp.CSV"), RodadaTeste::Linhas({"11;RO;8;Costa Marques;960;1002"}));
}

TEST(Gravacao, BaseVaziaDaDoisArquivosVazios) {
    RodadaTeste rodada;
    rodada.Traduz();
    rodada.processamento.Grava();
    EXPECT_EQ(rodada.Saida("RES.CSV"), "");
    EXPECT_EQ(rodada.Saida("comp.CSV"), "");
    EXPECT_EQ(rodada.painel.maximo, 0);
}

TEST(Gravacao, ProgressoVaiDeUmAoTotal) {
    RodadaTeste rodada;
    rodada.Original(RodadaTeste::Linhas({"11;1;1;1", "11;2;1;1", "11;3;1;1"}));
    rodada.Traduz();
    rodada.processamento.Grava();
    EXPECT_EQ(rodada.painel.maximo, 3);
    EXPECT_EQ(rodada.painel.posicoes, (std::vector<int>{1, 2, 3}));
}

TEST(Gravacao, SegundaGravacaoSubstituiEPastaComBarraFinalServe) {
    RodadaTeste rodada;
    rodada.pasta.Escreve("saida/res.csv", "antigo antigo antigo\r\n");
    rodada.pasta.Escreve("saida/COMP.csv", "antigo antigo antigo\r\n");
    rodada.ajustes.Pasta += "/";
    rodada.Original(RodadaTeste::Linhas({"11;1;1;1"}));
    rodada.Traduz();
    rodada.processamento.Grava();
    EXPECT_EQ(rodada.Saida("res.csv"), RodadaTeste::Linhas({"11;??;1;<nome inexistente>;1;1"}));
    EXPECT_EQ(rodada.Saida("COMP.csv"), "");
}

struct CasoFalhaGravacao {
    const char* nome;
    const char* resultado;
    const char* pasta; // relativa à pasta do teste; vazio: a pasta de saída normal
    const char* trecho;
};

class GravacaoFalha : public testing::TestWithParam<CasoFalhaGravacao> {};

TEST_P(GravacaoFalha, ParaARodadaComAFalhaDeES) {
    const CasoFalhaGravacao& caso = GetParam();
    RodadaTeste rodada;
    rodada.Original(RodadaTeste::Linhas({"11;8;1;1"}));
    rodada.pasta.Escreve("arquivo-comum", "x");
    rodada.ajustes.NovoArquivo = caso.resultado;
    rodada.Traduz();
    if (*caso.pasta != '\0')
        rodada.ajustes.Pasta = rodada.pasta / caso.pasta;
    try {
        rodada.processamento.Grava();
        FAIL() << "esperava a falha de E/S";
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find(caso.trecho), std::string::npos) << falha.what();
    }
}

const CasoFalhaGravacao casosFalha[] = {
    {"resultado_chamado_comp", "comp", "", "aberto para grava\xe7\xe3o"},
    {"resultado_chamado_COMP", "COMP", "", "aberto para grava\xe7\xe3o"},
    {"pasta_inexistente", "RES", "nao-existe", "RES.CSV"},
    {"pasta_que_e_arquivo", "RES", "arquivo-comum", "RES.CSV"},
};

INSTANTIATE_TEST_SUITE_P(Casos, GravacaoFalha, testing::ValuesIn(casosFalha), NomeDoCaso<CasoFalhaGravacao>);

} // namespace
