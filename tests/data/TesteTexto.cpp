// Funções de texto: aparo, conversão estrita de inteiro, teste decimal e formato geral de número.
#include "Falha.h"
#include "Texto.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <ostream>
#include <string>

namespace {

struct CasoInteiro {
    const char* nome;
    std::string texto;
    std::optional<std::int32_t> valor;
};
void PrintTo(const CasoInteiro& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteInteiro : public testing::TestWithParam<CasoInteiro> {};

TEST_P(TesteInteiro, ConverteOuFalhaComOTexto) {
    const auto& caso = GetParam();
    EXPECT_EQ(TentaInteiro(caso.texto), caso.valor);
    EXPECT_EQ(EhInteiro(caso.texto), caso.valor.has_value());
    if (caso.valor) {
        EXPECT_EQ(StrToInt(caso.texto), *caso.valor);
    } else {
        try {
            StrToInt(caso.texto);
            FAIL() << "converteu '" << caso.texto << "'";
        } catch (const Falha& falha) {
            EXPECT_EQ(std::string(falha.what()), "'" + caso.texto + "' n\xe3o \xe9 um n\xfamero inteiro v\xe1lido.");
        }
    }
}

const CasoInteiro casosInteiro[] = {
    {"simples", "35", 35},
    {"zero", "0", 0},
    {"zeros_a_esquerda", "0035", 35},
    {"negativo", "-120", -120},
    {"mais", "+7", 7},
    {"brancos_a_esquerda", "   42", 42},
    {"maximo", "2147483647", 2147483647},
    {"minimo", "-2147483648", INT32_MIN},
    {"acima_do_maximo", "2147483648", std::nullopt},
    {"abaixo_do_minimo", "-2147483649", std::nullopt},
    {"muitos_digitos", "99999999999999999999", std::nullopt},
    {"branco_a_direita", "35 ", std::nullopt},
    {"tab_a_esquerda", "\t35", std::nullopt},
    {"vazio", "", std::nullopt},
    {"so_brancos", "   ", std::nullopt},
    {"so_sinal", "-", std::nullopt},
    {"branco_depois_do_sinal", "- 5", std::nullopt},
    {"letra", "12a", std::nullopt},
    {"decimal", "1.5", std::nullopt},
    {"virgula", "1,5", std::nullopt},
    {"dolar", "$1F", 31},
    {"x_minusculo", "x10", 16},
    {"x_maiusculo", "XfF", 255},
    {"zero_x", "0x7FFFFFFF", INT32_MAX},
    {"zero_X", "0X0", 0},
    {"hexa_com_brancos_a_esquerda", "  $A", 10},
    {"hexa_acima_do_maximo", "$80000000", std::nullopt},
    {"hexa_FFFFFFFF", "$FFFFFFFF", std::nullopt},
    {"hexa_zeros_a_esquerda", "$000000000001", 1},
    {"hexa_sem_digitos", "$", std::nullopt},
    {"zero_x_sem_digitos", "0x", std::nullopt},
    {"hexa_com_sinal", "-$10", std::nullopt},
    {"hexa_com_mais", "+0x10", std::nullopt},
    {"hexa_invalido", "$G", std::nullopt},
    {"cabecalho", "CD_UF", std::nullopt},
    {"latin1", "3\xE9", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteInteiro, testing::ValuesIn(casosInteiro),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST(TesteApara, TiraControlesEBrancosSoNasPontas) {
    EXPECT_EQ(Apara("  Vila Nova \t\r"), "Vila Nova");
    EXPECT_EQ(Apara(std::string("\x01\x1F\x20 a  b \x20", 9)), "a  b");
    EXPECT_EQ(Apara(""), "");
    EXPECT_EQ(Apara(" \t "), "");
    // 0xA0 (espaço rígido em Latin-1) tem código acima de 32: fica.
    EXPECT_EQ(Apara("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(TesteTextoInteiro, FormaDecimalSimples) {
    EXPECT_EQ(TextoInteiro(0), "0");
    EXPECT_EQ(TextoInteiro(-35), "-35");
    EXPECT_EQ(TextoInteiro(1234567), "1234567");
    EXPECT_EQ(TextoInteiro(INT32_MIN), "-2147483648");
}

// Os casos com separador valem com "." e com ","; o texto esperado usa "#" no lugar do separador.
struct CasoSeparador {
    const char* nome;
    char separador;
};
void PrintTo(const CasoSeparador& caso, std::ostream* saida) {
    *saida << caso.nome;
}
const CasoSeparador separadores[] = {{"ponto", '.'}, {"virgula", ','}};

std::string ComSeparador(std::string texto, char separador) {
    for (char& c : texto)
        if (c == '#')
            c = separador;
    return texto;
}

struct CasoDecimal {
    const char* nome;
    std::string texto;
    bool decimal;
};
void PrintTo(const CasoDecimal& caso, std::ostream* saida) {
    *saida << caso.nome;
}
const CasoDecimal casosDecimal[] = {
    {"inteiro", "5000", true},
    {"fracao", "7000#5", true},
    {"sinal_e_brancos", "  -12#25  ", true},
    {"so_fracao", "#5", true},
    {"separador_final", "5#", true},
    {"expoente", "1#5E3", true},
    {"expoente_negativo", "2e-4", true},
    {"expoente_sem_digitos", "2E", false},
    {"dois_separadores", "1#2#3", false},
    {"so_separador", "#", false},
    {"vazio", "", false},
    {"ponto_e_virgula_final", "7000;", false},
    {"letras", "abc", false},
    {"tab", "\t5", false},
};

class TesteDecimal : public testing::TestWithParam<std::tuple<CasoSeparador, CasoDecimal>> {};

TEST_P(TesteDecimal, AceitaSoOSeparadorDoUsuario) {
    const auto& [sep, caso] = GetParam();
    EXPECT_EQ(EhDecimal(ComSeparador(caso.texto, sep.separador), sep.separador), caso.decimal);
}

TEST(TesteDecimalOutroSeparador, SeparadorAlheioNaoVale) {
    EXPECT_FALSE(EhDecimal("7000.5", ','));
    EXPECT_FALSE(EhDecimal("7000,5", '.'));
    EXPECT_FALSE(EhDecimal("1.000,5", ','));
}

INSTANTIATE_TEST_SUITE_P(Casos, TesteDecimal,
                         testing::Combine(testing::ValuesIn(separadores), testing::ValuesIn(casosDecimal)),
                         [](const auto& caso) {
                             return std::string(std::get<0>(caso.param).nome) + "_" + std::get<1>(caso.param).nome;
                         });

struct CasoGeral {
    const char* nome;
    double valor;
    std::string texto;
};
void PrintTo(const CasoGeral& caso, std::ostream* saida) {
    *saida << caso.nome;
}
const CasoGeral casosGeral[] = {
    {"zero", 0.0, "0"},
    {"zero_negativo", -0.0, "0"},
    {"inteiro", 5570, "5570"},
    {"negativo", -12.5, "-12#5"},
    {"fracao_menor_que_um", 0.25, "0#25"},
    {"empate_na_15a_casa_sobe", 1300.0 / 1048576.0, "0#00123977661132813"},
    {"um_terco", 1.0 / 3.0, "0#333333333333333"},
    {"dois_tercos", 2.0 / 3.0, "0#666666666666667"},
    {"quinze_digitos", 123456789012345.0, "123456789012345"},
    {"dez_a_quinze", 1e15, "1E15"},
    {"arredonda_para_dez_a_quinze", 999999999999999.9, "1E15"},
    {"grande_com_digitos", 1.5e20, "1#5E20"},
    {"limite_inferior", 0.0001, "0#0001"},
    {"abaixo_do_limite", 0.00001234, "1#234E-5"},
    {"minusculo_negativo", -2.5e-10, "-2#5E-10"},
    {"arredonda_nove", 0.99999999999999999, "1"},
    {"proporcao", 75.0 / 5570.0, "0#0134649910233393"},
    {"cem", 100, "100"},
    {"um_decimo", 0.1, "0#1"},
};

class TesteFormatoGeral : public testing::TestWithParam<std::tuple<CasoSeparador, CasoGeral>> {};

TEST_P(TesteFormatoGeral, QuinzeAlgarismosEmpateParaLonge) {
    const auto& [sep, caso] = GetParam();
    EXPECT_EQ(FormatoGeral(caso.valor, sep.separador), ComSeparador(caso.texto, sep.separador));
}

INSTANTIATE_TEST_SUITE_P(Casos, TesteFormatoGeral,
                         testing::Combine(testing::ValuesIn(separadores), testing::ValuesIn(casosGeral)),
                         [](const auto& caso) {
                             return std::string(std::get<0>(caso.param).nome) + "_" + std::get<1>(caso.param).nome;
                         });

TEST(TesteFormatoGeralLocalidade, NaoDependeDaLocalidadeDoProcesso) {
    // Com LC_NUMERIC de vírgula (quando a máquina a tem), o separador continua o passado.
    const std::string anterior = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "pt_BR.UTF-8") == nullptr && std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "sem localidade de vírgula decimal";
    EXPECT_EQ(FormatoGeral(1300.0 / 1048576.0, '.'), "0.00123977661132813");
    EXPECT_EQ(FormatoGeral(-12.5, '.'), "-12.5");
    std::setlocale(LC_NUMERIC, anterior.c_str());
}

} // namespace
