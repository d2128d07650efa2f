// morvisan-lote preparar: códigos de saída, mensagens e nada perdido.
#include "ExecutaLote.h"
#include "MudancasBrasil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

struct CasoPreparar {
    const char* nome;
    const char* base;
    // {O} é a base original, {S} a saída, {P} a pasta de teste.
    std::vector<std::string> argumentos;
    int codigo;
    const char* erros;
    const char* saida; // nulo: a saída de antes fica como estava
};

class LotePreparar : public testing::TestWithParam<CasoPreparar> {};

TEST_P(LotePreparar, CodigoMensagemEArquivos) {
    const CasoPreparar& caso = GetParam();
    SistemaLote preparo;
    preparo.pasta.Escreve("base.csv", caso.base);
    preparo.pasta.Escreve("trad.csv", "guardado");
    std::vector<std::string> argumentos = {"preparar"};
    for (std::string argumento : caso.argumentos) {
        for (const auto& [marca, valor] : std::map<std::string, std::string>{
                 {"{O}", preparo.pasta / "base.csv"}, {"{S}", preparo.pasta / "trad.csv"}, {"{P}", preparo.pasta / ""}})
            if (const auto onde = argumento.find(marca); onde != std::string::npos)
                argumento.replace(onde, marca.size(), valor);
        argumentos.push_back(argumento);
    }
    const SaidaLote saida = preparo.Roda(argumentos);
    EXPECT_EQ(saida.codigo, caso.codigo) << saida.erros;
    EXPECT_NE(saida.erros.find(caso.erros), std::string::npos) << saida.erros;
    EXPECT_EQ(preparo.pasta.Le("base.csv"), caso.base);
    EXPECT_EQ(preparo.pasta.Le("trad.csv"), caso.saida ? caso.saida : "guardado");
    if (caso.saida) {
        // Um aviso por linha nos erros e no arquivo de avisos, depois dos títulos.
        const std::string avisos = preparo.pasta.Le("trad.csv.avisos");
        EXPECT_EQ(avisos.rfind("CD_UF;CD_MUND;DOADOR;CD_MUNR;RECEPTOR;POP;AVISO;ORIGEM\r\n", 0), 0u);
        EXPECT_EQ(std::count(avisos.begin(), avisos.end(), '\n') - 1,
                  std::count(saida.erros.begin(), saida.erros.end(), '\n'));
        EXPECT_NE(saida.normal.find("gravada em"), std::string::npos);
    }
}

const CasoPreparar casos[] = {
    {"limpo_sai_com_zero",
     "22;1100;715360;715360\r\n",
     {"{O}", "2008", "2009", "{S}"},
     0,
     "",
     "22;1;1100;2;672;7352;20090101;\r\n"},
    {"estimado_e_ausente_saem_com_quatro",
     "15;680;294580;1\r\n42;940;51562;1\r\n",
     {"{O}", "2010", "2013", "{S}"},
     4,
     "UF 42, Laguna (940) -> Pescaria Brava (1265): popula\xc3\xa7\xc3\xa3o movida estimada (9307)\n",
     "15;1;680;2;475;14775;20130101;\r\n42;1;940;2;1265;9307;20130101;\r\n"},
    {"periodo_sem_mudanca", "22;1100;1;1\r\n", {"{O}", "2014", "2024", "{S}"}, 0, "", ""},
    // A leitura da base original fala como na rodada: um achado sai com 4.
    {"achado_da_leitura_sai_com_quatro",
     "22;1100;715360;x\r\n22;1100;715360;715360\r\n",
     {"{O}", "2008", "2009", "{S}"},
     4,
     "base.csv, linha 1, campo POP2: trocado por 0 'x'\nbase.csv, linha 2, campo CD_MUN: repetido na base original "
     "'1100'\n",
     "22;1;1100;2;672;7352;20090101;\r\n"},
    {"faltam_argumentos", "", {"{O}", "2010", "2013"}, 2, "preparar: falta o argumento SAIDA", nullptr},
    {"ano_com_letra", "", {"{O}", "20x0", "2013", "{S}"}, 2, "preparar: ano inv\xc3\xa1lido: '20x0'", nullptr},
    {"de_depois_de_ate",
     "",
     {"{O}", "2013", "2010", "{S}"},
     2,
     "(2013) \xc3\xa9 posterior ao ano de destino (2010)",
     nullptr},
    {"ano_antes_de_1991",
     "",
     {"{O}", "1990", "2013", "{S}"},
     2,
     "fora dos anos da tabela de mudan\xc3\xa7"
     "as (1991 a 2025)",
     nullptr},
    {"ano_depois_da_tabela", "", {"{O}", "2010", "2026", "{S}"}, 2, "O ano 2026 est\xc3\xa1 fora", nullptr},
    {"saida_sobre_a_original",
     "22;1100;1;1\r\n",
     {"{O}", "2008", "2009", "{O}"},
     2,
     "mesmo nome mais de uma vez",
     nullptr},
    {"original_que_falta", "", {"{P}falta.csv", "2010", "2013", "{S}"}, 1, "falta.csv", nullptr},
    {"pasta_que_falta",
     "15;680;1;1\r\n",
     {"{O}", "2010", "2013", "{P}nao/existe.csv"},
     1,
     "foi poss\xc3\xadvel criar o arquivo",
     nullptr},
    {"populacao_que_nao_e_inteira",
     "15;680;5000 ;1\r\n",
     {"{O}", "2010", "2013", "{S}"},
     1,
     "base.csv, linha 1, campo POP1: '5000 ' n\xc3\xa3o \xc3\xa9 um n\xc3\xbamero inteiro v\xc3\xa1lido.",
     nullptr},
};

INSTANTIATE_TEST_SUITE_P(Casos, LotePreparar, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoPreparar>& caso) { return std::string(caso.param.nome); });

TEST(LotePrepararTabela, TabelaQueFaltaSaiComUm) {
    SistemaLote preparo;
    std::filesystem::remove(ArquivoMudancasBrasil(preparo.sistema));
    preparo.pasta.Escreve("base.csv", "15;680;1;1\r\n");
    const SaidaLote saida = preparo.Roda({"preparar", preparo.pasta / "base.csv", "2010", "2013", preparo.pasta / "t"});
    EXPECT_EQ(saida.codigo, 1);
    EXPECT_NE(saida.erros.find("mudan\xc3\xa7"
                               "as do Brasil n\xc3\xa3o foi encontrada"),
              std::string::npos)
        << saida.erros;
    EXPECT_FALSE(std::filesystem::exists(preparo.pasta / "t"));
}

} // namespace
