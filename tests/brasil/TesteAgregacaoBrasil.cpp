// A volta a uma divisão anterior e as áreas comparáveis, sobre tabelas pequenas feitas aqui.
#include "AgregacaoBrasil.h"
#include "AreasBrasil.h"
#include "NomeDoCaso.h"

#include <gtest/gtest.h>

namespace {

MudancaBrasil Par(std::int32_t data, std::int32_t doador, std::int32_t receptor, std::int64_t popDoador,
                  std::int64_t movida) {
    MudancaBrasil m;
    m.data = data;
    m.uf = 16;
    m.doador = doador;
    m.receptor = receptor;
    m.popDoador = popDoador;
    if (movida >= 0)
        m.popMovida = movida;
    return m;
}

// Macapá (30) cede Serra do Navio (80) em 1993, que cede Pedra Branca (55) em 1993 mesmo; Laranjal (27)
// nasce de Macapá e de Mazagão (40) em 1997.
const std::vector<MudancaBrasil> tabela = {Par(19930101, 30, 80, 1000, 100), Par(19930101, 80, 55, 100, 40),
                                           Par(19970101, 30, 27, 900, 90), Par(19970101, 40, 27, 300, 30)};

struct CasoVolta {
    const char* nome;
    std::vector<std::array<std::int64_t, 3>> base; // CD_MUN, POP1, POP2
    int de, ate;
    std::vector<std::array<std::int64_t, 3>> esperado;
    int devolucoes, repartidas;
};

class AgregaBaseCasos : public testing::TestWithParam<CasoVolta> {};

TEST_P(AgregaBaseCasos, DevolveAosDoadores) {
    const CasoVolta& caso = GetParam();
    PopulacaoOriginal base;
    for (const auto& [municipio, pop1, pop2] : caso.base)
        base.Define(16, static_cast<std::int32_t>(municipio), pop1, pop2);
    const Agregacao a = AgregaBase(tabela, base, caso.de, caso.ate);
    std::vector<std::array<std::int64_t, 3>> obtido;
    for (const MunicipioAgregado& m : a.municipios)
        obtido.push_back({m.municipio, m.pops[0], m.pops[1]});
    EXPECT_EQ(obtido, caso.esperado);
    EXPECT_EQ(static_cast<int>(a.devolucoes.size()), caso.devolucoes);
    EXPECT_EQ(a.repartidas, caso.repartidas);
    EXPECT_EQ(a.antes, a.depois);
}

const CasoVolta casosVolta[] = {
    // A cadeia se desfaz: Pedra Branca volta a Serra do Navio antes de Serra do Navio voltar a Macapá.
    {"cadeia_desfeita", {{30, 900, 90}, {55, 40, 4}, {80, 60, 6}}, 1993, 1991, {{30, 1000, 100}}, 2, 0},
    // Com dois doadores: a fração da tabela sobre o que cada um tem agora (810 * 90/810, 270 * 30/270).
    {"dois_doadores_pela_fracao",
     {{27, 120, 12}, {30, 810, 81}, {40, 270, 27}},
     1997,
     1993,
     {{30, 900, 90}, {40, 300, 30}},
     2,
     1},
    {"periodo_sem_mudanca", {{30, 5, 5}}, 1996, 1994, {{30, 5, 5}}, 0, 0},
    // Um doador ausente da base reaparece com o que recebe.
    {"doador_ausente", {{27, 120, 12}, {30, 810, 81}}, 1997, 1996, {{30, 810 + 120, 81 + 12}, {40, 0, 0}}, 2, 1},
};

INSTANTIATE_TEST_SUITE_P(Casos, AgregaBaseCasos, testing::ValuesIn(casosVolta), NomeDoCaso<CasoVolta>);

struct CasoReparte {
    const char* nome;
    std::int64_t total;
    std::vector<long double> pesos;
    std::vector<std::int64_t> partes;
};

class ReparteCasos : public testing::TestWithParam<CasoReparte> {};

TEST_P(ReparteCasos, MaioresRestos) {
    EXPECT_EQ(Reparte(GetParam().total, GetParam().pesos), GetParam().partes);
}

const CasoReparte casosReparte[] = {
    {"exato", 10, {1, 4}, {2, 8}},
    {"resto_ao_maior", 10, {1, 1, 1}, {4, 3, 3}},
    {"sem_peso_em_partes_iguais", 5, {0, 0}, {3, 2}},
    {"fracao_maior_leva", 7, {1.9L, 1.1L}, {4, 3}},
};

INSTANTIATE_TEST_SUITE_P(Casos, ReparteCasos, testing::ValuesIn(casosReparte), NomeDoCaso<CasoReparte>);

MunicipioBrasil Municipio(std::int32_t municipio, const char* nome, int inicial) {
    return {16, municipio, 1600000 + municipio * 10, nome, inicial, 0};
}

TEST(AreasComparaveis, GruposLigadosNumeradosPeloMenorCodigo) {
    const DivisoesBrasil divisoes({Municipio(30, "Macap\xe1", 1991), Municipio(40, "Mazag\xe3o", 1991),
                                   Municipio(10, "Amap\xe1", 1991), Municipio(80, "Serra do Navio", 1993),
                                   Municipio(55, "Pedra Branca", 1993), Municipio(27, "Laranjal", 1997)});
    std::vector<std::string> linhas;
    for (const MembroArea& m : AreasComparaveis(tabela, divisoes, 1996, 1991))
        linhas.push_back(std::to_string(m.area) + ";" + std::to_string(m.ano) + ";" + m.nome);
    // A mudança de 1997 fica fora do período: Mazagão é área sozinha.
    EXPECT_EQ(linhas, (std::vector<std::string>{"1600100;1991;Amap\xe1", "1600100;1996;Amap\xe1",
                                                "1600300;1991;Macap\xe1", "1600300;1996;Macap\xe1",
                                                "1600300;1996;Pedra Branca", "1600300;1996;Serra do Navio",
                                                "1600400;1991;Mazag\xe3o", "1600400;1996;Mazag\xe3o"}));
}

} // namespace
