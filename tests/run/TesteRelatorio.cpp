// O relatório impresso como fluxo de linhas: larguras, cabeçalho, paginação, rodapés e falhas.
#include "Falha.h"
#include "Motor.h"
#include "PastaTemporaria.h"
#include "Relatorio.h"
#include "Tabela.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Municipio {
    int uf;
    int mun;
    std::string sigla;
    std::string nome;
    int pop1;
    int pop2;
};

// Base final de verdade (FINAL.DBF do modelo), aberta numa pasta temporária.
class BaseFinal : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string sistema = pasta.MontaSistema();
        final.DefinePasta(sistema + "Bases0/");
        final.DefineNome("FINAL.DBF");
        final.Abre();
    }

    void Inclui(const Municipio& m) {
        final.Inclui();
        final.DefineInteiro("CD_UF", m.uf);
        final.DefineInteiro("CD_MUN", m.mun);
        final.DefineTexto("UF", m.sigla);
        final.DefineTexto("MUN", m.nome);
        final.DefineInteiro("POP1", m.pop1);
        final.DefineInteiro("POP2", m.pop2);
        final.Posta();
    }

    void IncluiVarios(int quantos) {
        for (int i = 1; i <= quantos; ++i)
            Inclui({35, i, "SP", "Cidade " + std::to_string(i), 1000 + i, 2000 + i});
    }

    std::vector<std::string> Linhas(int k, const Relatorio& relatorio) const {
        std::vector<std::string> linhas;
        relatorio.Escreve(k, "01/02/2026 - Resultado da tradu\xe7\xe3o",
                          [&linhas](const std::string& linha) { linhas.push_back(linha); });
        return linhas;
    }

    PastaTemporaria pasta;
    Motor motor;
    Tabela final{motor};
};

TEST_F(BaseFinal, BaseVaziaNaoEscreveNadaELarguraEhADosNomes) {
    const Relatorio relatorio(final);
    EXPECT_EQ(relatorio.Cabecalho(), "CD_UF CD_MUN UF MUN POP1 POP2 ");
    EXPECT_TRUE(relatorio.LinhasRegistro().empty());
    EXPECT_TRUE(Linhas(50, relatorio).empty());
}

TEST_F(BaseFinal, ColunasAlinhadasComOCabecalhoEmCadaLinha) {
    Inclui({11, 8, "??", "<nome inexistente>", 950, 990});
    Inclui({35, 1200, "SP", "S\xe3o Paulo", -5, 12345678});
    const Relatorio relatorio(final);
    // CD_UF fica com a largura do nome (5); MUN com a de "<nome inexistente>" (18).
    EXPECT_EQ(relatorio.Cabecalho(), "CD_UF CD_MUN UF MUN                POP1 POP2     ");
    ASSERT_EQ(relatorio.LinhasRegistro().size(), 2u);
    EXPECT_EQ(relatorio.LinhasRegistro()[0], "11    8      ?? <nome inexistente> 950  990      ");
    EXPECT_EQ(relatorio.LinhasRegistro()[1], "35    1200   SP S\xe3o Paulo          -5   12345678 ");
}

TEST_F(BaseFinal, NomeDeCinquentaCaracteresChegaInteiroEAlargaAColuna) {
    const std::string nome50(50, 'X');
    Inclui({35, 1, "SP", "Curto", 1, 2});
    Inclui({35, 2, "SP", nome50, 3, 4});
    const Relatorio relatorio(final);
    EXPECT_EQ(relatorio.LinhasRegistro()[1], "35    2      SP " + nome50 + " 3    4    ");
    EXPECT_EQ(relatorio.LinhasRegistro()[0].size(), relatorio.LinhasRegistro()[1].size());
    EXPECT_EQ(relatorio.Cabecalho().size(), relatorio.LinhasRegistro()[1].size());
}

TEST_F(BaseFinal, CelulaSemValorEBrancosNasPontasSomem) {
    Inclui({35, 1, "", "  Vila  ", 0, 0});
    const Relatorio relatorio(final);
    EXPECT_EQ(relatorio.LinhasRegistro()[0], "35    1         Vila 0    0    ");
}

TEST_F(BaseFinal, TabelaFicaDepoisDoUltimoRegistro) {
    IncluiVarios(4);
    final.Primeiro();
    const Relatorio relatorio(final);
    EXPECT_TRUE(final.Fim());
    EXPECT_EQ(final.RegistroAtual(), 4);
}

// Paginação: o esperado usa T (título), H (cabeçalho), Rn (linha do registro n) e textos literais.
struct CasoPaginas {
    const char* nome;
    int k;
    int registros;
    std::vector<std::string> esperado;
};

class Paginas : public BaseFinal, public ::testing::WithParamInterface<CasoPaginas> {};

TEST_P(Paginas, FluxoDeLinhas) {
    const CasoPaginas& caso = GetParam();
    IncluiVarios(caso.registros);
    const Relatorio relatorio(final);
    std::vector<std::string> esperado;
    for (const std::string& marca : caso.esperado) {
        if (marca == "T")
            esperado.push_back("01/02/2026 - Resultado da tradu\xe7\xe3o");
        else if (marca == "H")
            esperado.push_back(relatorio.Cabecalho());
        else if (marca.size() > 1 && marca[0] == 'R')
            esperado.push_back(relatorio.LinhasRegistro().at(std::stoul(marca.substr(1)) - 1));
        else
            esperado.push_back(marca);
    }
    EXPECT_EQ(Linhas(caso.k, relatorio), esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Relatorio, Paginas,
    ::testing::Values(CasoPaginas{"exatamente_k", 3, 3, {"T", "", "H", "R1", "R2", "R3", "", "P\xe1gina 1"}},
                      CasoPaginas{"k_mais_um",
                                  3,
                                  4,
                                  {"T", "", "H", "R1", "R2", "R3", "", "P\xe1gina 1\f", "T", "", "H", "R4", "", "", "",
                                   "", "P\xe1gina 2"}},
                      CasoPaginas{"k_um_com_tres",
                                  1,
                                  3,
                                  {"T", "", "H", "R1", "", "P\xe1gina 1\f", "T", "", "H", "R2", "", "P\xe1gina 2\f",
                                   "T", "", "H", "R3", "", "P\xe1gina 3"}},
                      CasoPaginas{"um_registro_pagina_de_dois", 2, 1, {"T", "", "H", "R1", "", "", "", "P\xe1gina 1"}}),
    [](const ::testing::TestParamInfo<CasoPaginas>& caso) { return std::string(caso.param.nome); });

TEST_F(BaseFinal, CentoEVinteRegistrosEmPaginasDeCinquenta) {
    IncluiVarios(120);
    const Relatorio relatorio(final);
    const std::vector<std::string> linhas = Linhas(50, relatorio);
    // Páginas 1 e 2: título, branco, cabeçalho, 50 registros, branco, rodapé; a 3 tem 20 registros,
    // 31 brancos, mais um branco e o rodapé sem salto.
    ASSERT_EQ(linhas.size(), 55u + 55u + 3u + 20u + 31u + 2u);
    EXPECT_EQ(linhas[3], relatorio.LinhasRegistro()[0]);
    EXPECT_EQ(linhas[52], relatorio.LinhasRegistro()[49]);
    EXPECT_EQ(linhas[53], "");
    EXPECT_EQ(linhas[54], "P\xe1gina 1\f");
    EXPECT_EQ(linhas[55], "01/02/2026 - Resultado da tradu\xe7\xe3o");
    EXPECT_EQ(linhas[58], relatorio.LinhasRegistro()[50]);
    EXPECT_EQ(linhas[109], "P\xe1gina 2\f");
    EXPECT_EQ(linhas[113], relatorio.LinhasRegistro()[100]);
    EXPECT_EQ(linhas[132], relatorio.LinhasRegistro()[119]);
    for (std::size_t i = 133; i < 133 + 32; ++i)
        EXPECT_EQ(linhas[i], "") << "linha " << i;
    EXPECT_EQ(linhas.back(), "P\xe1gina 3");
}

const char* const linhasForaDaFaixa = "Informe de 1 a 99 linhas de relat\xf3rio.";

struct CasoLinhas {
    const char* nome;
    const char* texto;
    int k;                // quando converte
    const char* mensagem; // quando falha
};

class TextoDeLinhas : public ::testing::TestWithParam<CasoLinhas> {};

TEST_P(TextoDeLinhas, ConverteOuFalha) {
    const CasoLinhas& caso = GetParam();
    if (caso.mensagem == nullptr) {
        EXPECT_EQ(RegistrosPorPagina(caso.texto), caso.k);
        return;
    }
    try {
        RegistrosPorPagina(caso.texto);
        FAIL() << "devia falhar";
    } catch (const Falha& falha) {
        EXPECT_STREQ(falha.what(), caso.mensagem);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Relatorio, TextoDeLinhas,
    ::testing::Values(CasoLinhas{"cinquenta", "50", 50, nullptr}, CasoLinhas{"zero_a_esquerda", "05", 5, nullptr},
                      CasoLinhas{"noventa_e_nove", "99", 99, nullptr}, CasoLinhas{"um", "1", 1, nullptr},
                      CasoLinhas{"vazio", "", 0, linhasForaDaFaixa}, CasoLinhas{"zero", "0", 0, linhasForaDaFaixa},
                      CasoLinhas{"zero_zero", "00", 0, linhasForaDaFaixa},
                      CasoLinhas{"cem", "100", 0, linhasForaDaFaixa},
                      CasoLinhas{"negativo", "-5", 0, linhasForaDaFaixa},
                      CasoLinhas{"letras", "x", 0, linhasForaDaFaixa}),
    [](const ::testing::TestParamInfo<CasoLinhas>& caso) { return std::string(caso.param.nome); });

TEST(TituloRelatorio, DataCurtaDoUsuarioSeguidaDoNome) {
    EXPECT_EQ(TituloRelatorio("08/12/2026"), "08/12/2026 - Resultado da tradu\xe7\xe3o");
}

} // namespace
