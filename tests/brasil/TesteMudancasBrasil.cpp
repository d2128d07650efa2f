// A tabela de mudanças do Brasil: a que vai na pasta do programa e as linhas fora do formato.
#include "DivisoesBrasil.h"
#include "Falha.h"
#include "MudancasBrasil.h"
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const std::string Titulos = "DATA;CD_UF;CD_MUND;COD_DOADOR;DOADOR;CD_MUNR;COD_RECEPTOR;RECEPTOR;ANO_REF;POP_DOADOR;"
                            "POP_MOVIDA;METODO;ORIGEM;ANO_REF_2;POP_DOADOR_2;POP_MOVIDA_2;METODO_2;ORIGEM_2;"
                            "TEXTO_IBGE\r\n";
const std::string Boa = "20130101;15;680;1506807;Santar\xe9m;475;1504752;Moju\xed dos Campos;2010;294580;14775;medido;"
                        "conta;2000;200000;9000;estimado;outra;texto; com ;\r\n";

TEST(MudancasBrasil, APastaDoProgramaTemATabelaInteira) {
    const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(MORVISAN_DIR_SISTEMA));
    std::map<int, int> porAno;
    std::map<std::int32_t, std::set<std::int32_t>> doadores;
    for (const MudancaBrasil& m : tabela) {
        ++porAno[m.data / 10000];
        doadores[m.uf * 10000 + m.receptor].insert(m.doador);
    }
    EXPECT_EQ(porAno,
              (std::map<int, int>{{1993, 582}, {1997, 614}, {2001, 82}, {2005, 5}, {2009, 1}, {2013, 7}, {2025, 2}}));
    // "Pontes e Lacerda" é um doador só; Paraíso das Águas tem três.
    EXPECT_EQ(doadores[51 * 10000 + 336], std::set<std::int32_t>{675});
    EXPECT_EQ(doadores[50 * 10000 + 627], (std::set<std::int32_t>{20, 295, 325}));
    // Serra do Navio nasce de Macapá antes de ceder a Pedra Branca do Amapari, na mesma data.
    auto linha = [&tabela](std::int32_t doador, std::int32_t receptor) {
        return std::find_if(tabela.begin(), tabela.end(), [&](const MudancaBrasil& m) {
            return m.uf == 16 && m.doador == doador && m.receptor == receptor;
        });
    };
    ASSERT_NE(linha(5, 15), tabela.end());
    EXPECT_LT(linha(30, 5), linha(5, 15));
    EXPECT_EQ(linha(30, 5)->data, linha(5, 15)->data);
    // Os 88 pares de 2001 a 2009 levam também a fração de 1991.
    EXPECT_EQ(std::count_if(tabela.begin(), tabela.end(),
                            [](const MudancaBrasil& m) { return m.segunda && m.segunda->anoRef == 1991; }),
              88);
}

TEST(MudancasBrasil, ASegundaReferenciaELidaInteira) {
    PastaTemporaria pasta;
    pasta.Escreve("t.csv", Titulos + Boa);
    const MudancaBrasil m = LeMudancasBrasil(pasta / "t.csv").at(0);
    EXPECT_EQ(m.anoRef, 2010);
    ASSERT_TRUE(m.segunda);
    EXPECT_EQ(m.segunda->anoRef, 2000);
    EXPECT_EQ(m.segunda->popDoador, 200000);
    EXPECT_EQ(m.segunda->popMovida, 9000);
    EXPECT_EQ(m.segunda->metodo, MetodoMudanca::Estimado);
    EXPECT_EQ(m.segunda->origem, "outra");
}

TEST(DivisoesBrasil, AsListasDeCadaAno) {
    const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(MORVISAN_DIR_SISTEMA));
    std::map<int, std::size_t> municipios;
    for (int ano : {1991, 1993, 1997, 2000, 2001, 2005, 2009, 2013, 2025, 2040})
        municipios[ano] = divisoes.Divisao(ano).size();
    EXPECT_EQ(municipios, (std::map<int, std::size_t>{{1991, 4491},
                                                      {1993, 4974},
                                                      {1997, 5507},
                                                      {2000, 5507},
                                                      {2001, 5560},
                                                      {2005, 5564},
                                                      {2009, 5565},
                                                      {2013, 5570},
                                                      {2025, 5571},
                                                      {2040, 5571}}));
    EXPECT_EQ(divisoes.PrimeiroAno(), 1991);
    EXPECT_EQ(divisoes.UltimaMudanca(), 2025);
    // Mojuí dos Campos: de 2013 em diante; o ano mais perto de 2010 que o tem é 2013.
    EXPECT_EQ(divisoes.Municipio(15, 475, 2010), nullptr);
    EXPECT_EQ(divisoes.AnoMaisProximo(15, 475, 2010), 2013);
    EXPECT_EQ(divisoes.Municipio(15, 475, 2030)->codigo, 1504752);
}

struct CasoTabela {
    const char* nome;
    std::string bytes;
    const char* mensagem;
};

class TabelaRuim : public testing::TestWithParam<CasoTabela> {};

TEST_P(TabelaRuim, FalhaDizOndeEPorque) {
    PastaTemporaria pasta;
    if (!GetParam().bytes.empty())
        pasta.Escreve("t.csv", GetParam().bytes);
    try {
        LeMudancasBrasil(pasta / "t.csv");
        ADD_FAILURE() << "sem falha";
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find(GetParam().mensagem), std::string::npos) << falha.what();
    }
}

std::string Troca(std::string linha, const std::string& de, const std::string& para) {
    return linha.replace(linha.find(de), de.size(), para);
}

const CasoTabela casosTabela[] = {
    {"falta_a_tabela", "", "n\xe3o foi encontrada em"},
    {"sem_titulos", Boa,
     "n\xe3o \xe9 a tabela de mudan\xe7"
     "as do Brasil"},
    {"faltam_colunas", Titulos + "20130101;15;680\r\n", "linha 2: faltam colunas (esperadas 19)."},
    {"data_com_letra", Titulos + Troca(Boa, "20130101", "2013O101"), "linha 2: DATA inv\xe1lido ('2013O101')."},
    {"codigo_que_nao_bate", Titulos + Troca(Boa, "1506807", "1506907"), "linha 2: COD_DOADOR inv\xe1lido"},
    {"movida_maior_que_o_doador", Titulos + Troca(Boa, "294580", "400"),
     "POP_MOVIDA (14775) fora de 0 a POP_DOADOR (400)"},
    {"indeterminado_com_numero", Titulos + Troca(Boa, "medido", "indeterminado"), "METODO inv\xe1lido"},
    {"medido_sem_numero", Titulos + Troca(Boa, "14775", ""), "POP_MOVIDA inv\xe1lido"},
    {"segunda_movida_maior_que_o_doador", Titulos + Troca(Boa, "200000", "400"),
     "POP_MOVIDA_2 (9000) fora de 0 a POP_DOADOR_2 (400)"},
    {"segunda_sem_numero", Titulos + Troca(Troca(Boa, "9000", ""), "estimado", "indeterminado"),
     "POP_MOVIDA_2 inv\xe1lido"},
    {"metodo_desconhecido", Titulos + Boa + Troca(Boa, "medido", "chute"), "linha 3: METODO inv\xe1lido ('chute')"},
};

INSTANTIATE_TEST_SUITE_P(Casos, TabelaRuim, testing::ValuesIn(casosTabela),
                         [](const testing::TestParamInfo<CasoTabela>& caso) { return std::string(caso.param.nome); });

} // namespace
