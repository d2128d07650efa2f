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
    int divisao = 0;   // não zero: a base leva os outros municípios da divisão desse ano
};

class LotePreparar : public testing::TestWithParam<CasoPreparar> {};

TEST_P(LotePreparar, CodigoMensagemEArquivos) {
    const CasoPreparar& caso = GetParam();
    SistemaLote preparo;
    const std::string base = caso.divisao ? ComDivisaoInteira(caso.base, caso.divisao) : caso.base;
    preparo.pasta.Escreve("base.csv", base);
    preparo.pasta.Escreve("trad.csv", "guardado");
    std::vector<std::string> argumentos = ComMarcas(
        caso.argumentos,
        {{"{O}", preparo.pasta / "base.csv"}, {"{S}", preparo.pasta / "trad.csv"}, {"{P}", preparo.pasta / ""}});
    argumentos.insert(argumentos.begin(), "preparar");
    const SaidaLote saida = preparo.Roda(argumentos);
    EXPECT_EQ(saida.codigo, caso.codigo) << saida.erros;
    EXPECT_NE(saida.erros.find(caso.erros), std::string::npos) << saida.erros;
    EXPECT_EQ(preparo.pasta.Le("base.csv"), base);
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
     "22;1;1100;2;672;7352;20090101;\r\n",
     2008},
    {"estimado_e_ausente_saem_com_quatro",
     "15;680;294580;1\r\n42;940;51562;1\r\n",
     {"{O}", "2010", "2013", "{S}"},
     4,
     "UF 42, Laguna (940) -> Pescaria Brava (1265): popula\xc3\xa7\xc3\xa3o movida estimada (9307)\n",
     "15;1;680;2;475;14775;20130101;\r\n42;1;940;2;1265;9307;20130101;\r\n"},
    {"periodo_sem_mudanca", "", {"{O}", "2014", "2024", "{S}"}, 0, "", "", 2014},
    {"divisao_de_outro_ano",
     "22;1100;715360;715360\r\n",
     {"{O}", "2010", "2010", "{S}"},
     4,
     "UF 22, Naz\xc3\xa1ria (672): ausente da base\n",
     "",
     2008},
    // A leitura da base original fala como na rodada: um achado sai com 4.
    {"achado_da_leitura_sai_com_quatro",
     "22;1100;715360;x\r\n22;1100;715360;715360\r\n",
     {"{O}", "2008", "2009", "{S}"},
     4,
     "base.csv, linha 1, campo POP2: trocado por 0 'x'\nbase.csv, linha 2, campo CD_MUN: repetido na base original "
     "'1100'\n",
     "22;1;1100;2;672;7352;20090101;\r\n",
     2008},
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
     "as (1991 a ",
     nullptr},
    {"ano_depois_do_corrente", "", {"{O}", "2010", "2999", "{S}"}, 2, "O ano 2999 est\xc3\xa1 fora", nullptr},
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

// morvisan-lote conferir ORIGINAL ANO: a base escrita na pasta ("{E}": o Censo 2000 dos exemplos).
struct CasoConferir {
    const char* nome;
    const char* base;
    int divisao; // não zero: a base leva os outros municípios da divisão desse ano
    std::vector<std::string> argumentos;
    int codigo;
    std::vector<std::string> mensagens; // na saída (0 e 4) ou nos erros
};

class LoteConferir : public testing::TestWithParam<CasoConferir> {};

TEST_P(LoteConferir, CodigoEMensagens) {
    const CasoConferir& caso = GetParam();
    SistemaLote preparo;
    preparo.pasta.Escreve("base.csv", caso.divisao ? ComDivisaoInteira(caso.base, caso.divisao) : caso.base);
    std::vector<std::string> argumentos = {"conferir"};
    for (const std::string& argumento : caso.argumentos)
        argumentos.push_back(argumento == "{O}"   ? preparo.pasta / "base.csv"
                             : argumento == "{E}" ? std::string(MORVISAN_EXEMPLOS) + "/censo-2000.csv"
                                                  : argumento);
    const SaidaLote saida = preparo.Roda(argumentos);
    EXPECT_EQ(saida.codigo, caso.codigo) << saida.erros;
    const std::string& texto = saida.codigo == 0 || saida.codigo == 4 ? saida.normal : saida.erros;
    for (const std::string& mensagem : caso.mensagens)
        EXPECT_NE(texto.find(mensagem), std::string::npos) << texto;
}

const CasoConferir casosConferir[] = {
    {"divisao_certa", "", 2010, {"{O}", "2010"}, 0, {"(5565 munic\xc3\xadpios): nenhum problema.\n"}},
    {"depois_da_ultima_mudanca", "", 2025, {"{O}", "2026"}, 0, {"(5571 munic\xc3\xadpios): nenhum problema."}},
    {"censo_2000_como_se_fosse_de_2005",
     "",
     0,
     {"{E}", "2005"},
     4,
     {"UF 51, Colniza (325): ausente da base\n",
      "57 ausente(s) da base, 0 fora da divis\xc3\xa3o e 0 repetido(s); a base parece estar na divis\xc3\xa3o de "
      "2000.\n"}},
    {"repetido_e_fora_da_divisao",
     "11;1;5;5\r\n11;1;6;6\r\n15;475;1;1\r\n99;1;1;1\r\n",
     2010,
     {"{O}", "2010"},
     4,
     {"UF 11, Alta Floresta D'Oeste (1): repetido na base (2 linhas)\n",
      "UF 15, Moju\xc3\xad dos Campos (475): fora da divis\xc3\xa3o de 2010 (est\xc3\xa1 na de 2013)\n",
      "UF 99, c\xc3\xb3"
      "digo (1): fora da divis\xc3\xa3o de 2010 (em nenhuma divis\xc3\xa3o conhecida)\n",
      "0 ausente(s) da base, 2 fora da divis\xc3\xa3o e 1 repetido(s).\n"}},
    {"ano_com_letra", "", 0, {"{O}", "20x0"}, 2, {"conferir: ano inv\xc3\xa1lido: '20x0'"}},
    {"ano_sem_divisao",
     "",
     0,
     {"{O}", "1980"},
     2,
     {"conferir: O ano 1980 est\xc3\xa1 fora das divis\xc3\xb5"
      "es conhecidas (1991 a "}},
    {"falta_o_ano", "", 0, {"{O}"}, 2, {"conferir: falta o argumento ANO"}},
    {"original_que_falta", "", 0, {"/nao/existe.csv", "2010"}, 1, {"/nao/existe.csv"}},
};

INSTANTIATE_TEST_SUITE_P(Casos, LoteConferir, testing::ValuesIn(casosConferir),
                         [](const testing::TestParamInfo<CasoConferir>& caso) { return std::string(caso.param.nome); });

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
