// Preparação da base de tradução do Brasil: fração da referência sobre o POP1 da base, ordem da
// cadeia e avisos.
#include "NomeDoCaso.h"
#include "PreparacaoBrasil.h"

#include <gtest/gtest.h>

namespace {

// Par da tabela; movida negativa é indeterminada.
MudancaBrasil Par(std::int32_t data, std::int32_t uf, std::int32_t doador, std::int32_t receptor,
                  std::int64_t popDoador, std::int64_t movida, MetodoMudanca metodo = MetodoMudanca::Medido) {
    MudancaBrasil m;
    m.data = data;
    m.uf = uf;
    m.doador = doador;
    m.nomeDoador = "D" + std::to_string(doador);
    m.receptor = receptor;
    m.nomeReceptor = "R" + std::to_string(receptor);
    if (movida >= 0) {
        m.popDoador = popDoador;
        m.popMovida = movida;
    }
    m.metodo = movida < 0 ? MetodoMudanca::Indeterminado : metodo;
    return m;
}

// O par medido em 2000 e, de novo, em 1991.
MudancaBrasil Com1991(MudancaBrasil m, std::int64_t popDoador, std::int64_t movida,
                      MetodoMudanca metodo = MetodoMudanca::Medido) {
    m.anoRef = 2000;
    MedidaMudanca segunda;
    segunda.anoRef = 1991;
    segunda.popDoador = popDoador;
    segunda.popMovida = movida;
    segunda.metodo = metodo;
    m.segunda = segunda;
    return m;
}

struct CasoPreparacao {
    const char* nome;
    std::vector<MudancaBrasil> tabela;
    std::vector<std::array<std::int32_t, 3>> base; // UF, CD_MUN, POP1
    int de, ate;
    std::vector<std::string> linhas;
    std::vector<std::string> avisos;
};

class PreparaMudancasCasos : public testing::TestWithParam<CasoPreparacao> {};

TEST_P(PreparaMudancasCasos, LinhasEAvisos) {
    const CasoPreparacao& caso = GetParam();
    PopulacaoOriginal base;
    for (const auto& [uf, municipio, pop1] : caso.base)
        base.Define(uf, municipio, pop1);
    const Preparacao preparacao = PreparaMudancas(caso.tabela, base, caso.de, caso.ate);
    std::vector<std::string> linhas, avisos;
    for (const LinhaPreparada& linha : preparacao.linhas)
        linhas.push_back(TextoLinha(linha));
    for (const AvisoPreparacao& aviso : preparacao.avisos)
        avisos.push_back(TextoAviso(aviso));
    EXPECT_EQ(linhas, caso.linhas);
    EXPECT_EQ(avisos, caso.avisos);
    EXPECT_EQ(preparacao.estimadas + preparacao.deixadas + preparacao.outraReferencia,
              static_cast<int>(preparacao.avisos.size()));
}

const auto Estimado = MetodoMudanca::Estimado;
const char* Desconhecida = "deixado de fora: popula\xe7\xe3o movida desconhecida";
const char* Ausente = "deixado de fora: doador ausente da base original";

const CasoPreparacao casos[] = {
    {"um_doador",
     {Par(20130101, 15, 680, 475, 400, 100)},
     {{15, 680, 1000}},
     2010,
     2013,
     {"15;1;680;2;475;250;20130101;"},
     {}},
    {"arredonda_para_o_par",
     {Par(20130101, 15, 1, 10, 2, 1), Par(20130101, 15, 2, 20, 2, 1)},
     {{15, 1, 5}, {15, 2, 7}},
     2010,
     2013,
     {"15;1;1;2;10;2;20130101;", "15;1;2;2;20;4;20130101;"},
     {}},
    {"varios_doadores_um_sem_numero",
     {Par(20010101, 43, 1, 9, 100, 50), Par(20010101, 43, 2, 9, 0, -1)},
     {{43, 1, 300}, {43, 2, 300}},
     2000,
     2001,
     {"43;1;1;2;9;150;20010101;"},
     {std::string("UF 43, D2 (2) -> R9 (9): ") + Desconhecida}},
    {"estimado_entra_com_aviso",
     {Par(20130101, 42, 940, 1265, 51562, 9307, Estimado)},
     {{42, 940, 51562}},
     2010,
     2013,
     {"42;1;940;2;1265;9307;20130101;"},
     {"UF 42, D940 (940) -> R1265 (1265): popula\xe7\xe3o movida estimada (9307)"}},
    // Na tabela fora de ordem de propósito: Serra do Navio recebe de Macapá antes de ceder.
    {"cadeia_na_mesma_data",
     {Par(19930101, 16, 5, 15, 3589, 1751), Par(19930101, 16, 30, 5, 181199, 3589)},
     {{16, 30, 181199}},
     1991,
     1993,
     {"16;1;30;2;5;3589;19930101;", "16;2;5;3;15;1751;19930101;"},
     {}},
    {"doador_ausente_e_quem_nasceria_dele",
     {Par(19930101, 16, 303, 55, 1000, 100), Par(19930101, 16, 55, 154, 100, 50)},
     {{16, 1, 5}},
     1991,
     1993,
     {},
     {std::string("UF 16, D303 (303) -> R55 (55): ") + Ausente,
      std::string("UF 16, D55 (55) -> R154 (154): ") + Ausente}},
    {"receptor_que_ja_tem_populacao",
     {Par(20130101, 15, 680, 475, 400, 100), Par(20130101, 43, 210, 1454, 400, 100)},
     {{15, 680, 1000}, {15, 475, 300}, {43, 210, 1000}, {43, 1454, 0}},
     2012,
     2013,
     {"43;1;210;2;1454;250;20130101;"},
     {"UF 15, D680 (680) -> R475 (475): deixado de fora: o receptor j\xe1 tem popula\xe7\xe3o na base original (300)"}},
    {"periodo_sem_mudanca",
     {Par(20010101, 15, 680, 475, 400, 100), Par(20130101, 15, 680, 476, 400, 100)},
     {{15, 680, 1000}},
     2002,
     2012,
     {},
     {}},
    {"limites_do_periodo",
     {Par(20010101, 11, 1, 2, 10, 5), Par(20130101, 11, 1, 3, 10, 5), Par(20250101, 11, 1, 4, 10, 5)},
     {{11, 1, 100}},
     2001,
     2013,
     {"11;1;1;2;3;50;20130101;"},
     {}},
    {"referencia_de_1991_mais_perto",
     {Com1991(Par(20010101, 29, 320, 1955, 131849, 18757), 91283, 6600),
      Com1991(Par(20010101, 29, 1, 2, 100, 50), 100, 10, Estimado)},
     {{29, 320, 91283}, {29, 1, 1000}},
     1993,
     2001,
     {"29;1;320;2;1955;6600;20010101;", "29;1;1;2;2;100;20010101;"},
     {"UF 29, D320 (320) -> R1955 (1955): popula\xe7\xe3o movida na refer\xeancia de 1991 (6600)",
      "UF 29, D1 (1) -> R2 (2): popula\xe7\xe3o movida estimada na refer\xeancia de 1991 (100)"}},
    {"referencia_principal_mais_perto",
     {Com1991(Par(20010101, 29, 320, 1955, 131849, 18757), 91283, 6600)},
     {{29, 320, 131849}},
     1997,
     2001,
     {"29;1;320;2;1955;18757;20010101;"},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Casos, PreparaMudancasCasos, testing::ValuesIn(casos), NomeDoCaso<CasoPreparacao>);

} // namespace
