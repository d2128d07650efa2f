// morvisan-lote agregar, areas e agregar-areas: a volta do exemplo real, as áreas de 1991 a 2025, e os
// pedidos errados sem nada gravado.
#include "ExecutaLote.h"
#include "NomeDoCaso.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::string exemplos = std::string(MORVISAN_EXEMPLOS) + "/";

// As colunas de cada linha de um arquivo ";", sem o CR.
std::vector<std::vector<std::string>> Linhas(const std::string& texto) {
    std::vector<std::vector<std::string>> linhas;
    std::istringstream entrada(texto);
    for (std::string linha; std::getline(entrada, linha);) {
        if (!linha.empty() && linha.back() == '\r')
            linha.pop_back();
        std::vector<std::string> campos;
        std::istringstream colunas(linha);
        for (std::string campo; std::getline(colunas, campo, ';');)
            campos.push_back(campo);
        linhas.push_back(campos);
    }
    return linhas;
}

// As colunas escolhidas de cada linha, de novo com ";" e CR LF.
std::string Colunas(const std::string& texto, const std::vector<std::size_t>& escolhidas) {
    std::string saida;
    for (const auto& campos : Linhas(texto)) {
        for (std::size_t i = 0; i < escolhidas.size(); ++i)
            saida += (i == 0 ? "" : ";") + campos[escolhidas[i]];
        saida += "\r\n";
    }
    return saida;
}

// Um resultado (CD_UF;UF;CD_MUN;MUN;POP1;POP2) como base original (CD_UF;CD_MUN;POP1;POP2).
std::string ComoBaseOriginal(const std::string& resultado) {
    return Colunas(resultado, {0, 2, 4, 5});
}

TEST(LoteAgregarExemplos, Censo2010Ate2013EDeVoltaDaOMesmoCenso) {
    SistemaLote preparo;
    const std::string censo = exemplos + "censo-2010.csv";
    ASSERT_EQ(preparo.Roda({"preparar", censo, "2010", "2013", preparo.pasta / "trad.csv"}).codigo, 4);
    ASSERT_EQ(preparo.Roda({"traduzir", censo, preparo.pasta / "trad.csv", preparo.pasta / "", "RES"}).codigo, 4);
    preparo.pasta.Escreve("r2013.csv", ComoBaseOriginal(preparo.pasta.Le("RES.CSV")));
    const SaidaLote volta =
        preparo.Roda({"agregar", preparo.pasta / "r2013.csv", "2013", "2010", preparo.pasta / "", "V"});
    // Paraíso das Águas volta a três doadores: três avisos, saída 4.
    EXPECT_EQ(volta.codigo, 4) << volta.erros;
    EXPECT_NE(volta.normal.find("POP1: 190755799 antes, 190755799 depois"), std::string::npos) << volta.normal;
    EXPECT_EQ(std::count(volta.erros.begin(), volta.erros.end(), '\n'), 3) << volta.erros;
    EXPECT_EQ(ComoBaseOriginal(preparo.pasta.Le("V.CSV")), Colunas(LeArquivo(censo), {0, 1, 2, 3}));
    EXPECT_EQ(Linhas(preparo.pasta.Le("Morvisan.Log")).size(), 8u); // títulos e sete devoluções
}

TEST(LoteAgregarExemplos, AreasDe1991A2025CobremTudoE2000A2010SomamIgual) {
    SistemaLote preparo;
    ASSERT_EQ(preparo.Roda({"areas", "1991", "2025", preparo.pasta / "a.csv"}).codigo, 0);
    std::set<std::string> areas;
    std::map<std::string, int> vezes; // ANO;CD_UF;CD_MUN
    for (const auto& c : Linhas(preparo.pasta.Le("a.csv"))) {
        areas.insert(c[0]);
        ++vezes[c[1] + ";" + c[2] + ";" + c[3]];
    }
    EXPECT_EQ(areas.size() - 1, 4297u); // sem a linha de títulos
    for (const auto& [municipio, n] : vezes)
        EXPECT_EQ(n, 1) << municipio;

    ASSERT_EQ(preparo.Roda({"areas", "2010", "2000", preparo.pasta / "a.csv"}).codigo, 0);
    const std::string censo = exemplos + "censo-2000.csv";
    ASSERT_EQ(preparo.Roda({"preparar", censo, "2000", "2010", preparo.pasta / "trad.csv"}).codigo, 4);
    ASSERT_EQ(preparo.Roda({"traduzir", censo, preparo.pasta / "trad.csv", preparo.pasta / "", "RES"}).codigo, 4);
    preparo.pasta.Escreve("r2010.csv", ComoBaseOriginal(preparo.pasta.Le("RES.CSV")));
    for (const auto& [base, ano, nome] :
         {std::tuple{censo, "2000", "S2000"}, std::tuple{preparo.pasta / "r2010.csv", "2010", "S2010"}})
        EXPECT_EQ(preparo.Roda({"agregar-areas", base, ano, preparo.pasta / "a.csv", preparo.pasta / "", nome}).codigo,
                  0);
    std::map<std::string, std::pair<std::string, std::string>> em2000, em2010;
    for (const auto& c : Linhas(preparo.pasta.Le("S2000.CSV")))
        em2000[c[0]] = {c[2], c[3]};
    for (const auto& c : Linhas(preparo.pasta.Le("S2010.CSV")))
        em2010[c[0]] = {c[2], c[3]};
    EXPECT_EQ(em2000.size(), 5479u);
    EXPECT_EQ(em2000, em2010);
}

struct CasoPedido {
    const char* nome;
    std::vector<std::string> argumentos; // {O} a base, {P} a pasta
    int codigo;
    const char* erros;
};

class LotePedidosErrados : public testing::TestWithParam<CasoPedido> {};

// Nada é gravado: o resultado e o log de antes ficam, e nenhum arquivo novo aparece.
TEST_P(LotePedidosErrados, MensagemCodigoENadaGravado) {
    const CasoPedido& caso = GetParam();
    SistemaLote preparo;
    preparo.pasta.Escreve("base.csv", "11;1;10;10\r\n11;9999;20;20\r\n");
    preparo.pasta.Escreve("V.CSV", "guardado");
    preparo.pasta.Escreve("areas.csv", "AREA;ANO;CD_UF;CD_MUN;COD_IBGE;MUN\r\n1100015;2010;11;1;1100015;A\r\n");
    preparo.pasta.Escreve("ruim.csv", "AREA;ANO;CD_UF;CD_MUN;COD_IBGE;MUN\r\n1100015;dez;11;1;1100015;A\r\n");
    const std::vector<std::string> argumentos = ComMarcas(
        caso.argumentos, {{"{O}", preparo.pasta / "base.csv"}, {"{P}", preparo.pasta / ""}, {"{S}", preparo.sistema}});
    const SaidaLote saida = preparo.Roda(argumentos);
    EXPECT_EQ(saida.codigo, caso.codigo) << saida.erros;
    EXPECT_NE(saida.erros.find(caso.erros), std::string::npos) << saida.erros;
    EXPECT_EQ(preparo.pasta.Le("V.CSV"), "guardado");
    EXPECT_EQ(preparo.pasta.Le("base.csv"), "11;1;10;10\r\n11;9999;20;20\r\n");
    EXPECT_FALSE(std::filesystem::exists(preparo.pasta / "Morvisan.Log"));
    EXPECT_FALSE(std::filesystem::exists(preparo.pasta / "x.csv"));
    EXPECT_EQ(LeArquivo(preparo.sistema + "dados/mudancas-brasil.csv"),
              LeArquivo(std::string(MORVISAN_DIR_SISTEMA) + "/dados/mudancas-brasil.csv"));
}

const CasoPedido casosPedido[] = {
    {"ate_nao_anterior", {"agregar", "{O}", "2010", "2013", "{P}", "V"}, 2, "n\xc3\xa3o \xc3\xa9 anterior"},
    {"mesmo_ano", {"agregar", "{O}", "2010", "2010", "{P}", "V"}, 2, "n\xc3\xa3o \xc3\xa9 anterior"},
    {"ano_fora", {"agregar", "{O}", "2010", "1980", "{P}", "V"}, 2, "O ano 1980 est\xc3\xa1 fora"},
    {"ano_invalido", {"agregar", "{O}", "2010", "dez", "{P}", "V"}, 2, "ano inv\xc3\xa1lido"},
    {"base_fora_da_divisao", {"agregar", "{O}", "2013", "2010", "{P}", "V"}, 1, "Nada foi gravado"},
    {"base_que_falta", {"agregar", "{P}nada.csv", "2013", "2010", "{P}", "V"}, 1, "nada.csv"},
    {"pasta_que_falta", {"agregar", "{O}", "2013", "2010", "{P}nada", "V"}, 2, "n\xc3\xa3o existe"},
    {"nome_longo", {"agregar", "{O}", "2013", "2010", "{P}", "NOVENOMES"}, 2, "mais de 8"},
    {"areas_ano_fora", {"areas", "1990", "2000", "{P}x.csv"}, 2, "O ano 1990 est\xc3\xa1 fora"},
    {"areas_pasta_que_falta", {"areas", "1991", "2000", "{P}nada/x.csv"}, 1, "nada"},
    {"areas_sobre_a_tabela", {"areas", "1991", "2000", "{S}dados/mudancas-brasil.csv"}, 2, "mesmo nome"},
    {"soma_base_fora_das_areas", {"agregar-areas", "{O}", "2010", "{P}areas.csv", "{P}", "V"}, 1, "Nada foi gravado"},
    {"soma_areas_com_linha_ruim",
     {"agregar-areas", "{O}", "2010", "{P}ruim.csv", "{P}", "V"},
     1,
     "ruim.csv\", linha 2: ANO inv\xc3\xa1lido"},
    {"soma_ano_sem_areas", {"agregar-areas", "{O}", "2000", "{P}areas.csv", "{P}", "V"}, 1, "n\xc3\xa3o tem a divis"},
    {"soma_sobre_as_areas", {"agregar-areas", "{O}", "2010", "{P}areas.csv", "{P}", "areas"}, 2, "mesmo nome"},
};

INSTANTIATE_TEST_SUITE_P(Casos, LotePedidosErrados, testing::ValuesIn(casosPedido), NomeDoCaso<CasoPedido>);

} // namespace
