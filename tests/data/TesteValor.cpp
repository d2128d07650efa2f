// A regra única de texto para número do motor: o que ela lê, e que a gravação numa coluna numérica, a
// leitura como inteiro e a soma leem o mesmo.
#include "ConversaoValor.h"
#include "Falha.h"
#include "NomeDoCaso.h"
#include "Registros.h"

#include <gtest/gtest.h>

namespace {

struct CasoNumero {
    const char* nome;
    std::string texto;
    Valor::Tipo tipo; // Nulo: não é número
    double valor = 0;
};

class TesteNumeroDoTexto : public testing::TestWithParam<CasoNumero> {};

TEST_P(TesteNumeroDoTexto, OMotorLeOMesmoNumeroEmTodaParte) {
    const CasoNumero& caso = GetParam();
    const Celula texto{Valor::Tipo::Texto, 0, 0, caso.texto};
    const auto numero = NumeroDoTexto(caso.texto);
    Registros colunaNumerica({{"N", 'N', 20, 2}});
    if (caso.tipo == Valor::Tipo::Nulo) {
        EXPECT_FALSE(numero.has_value());
        EXPECT_THROW(NumeroDaCelula(texto), Falha);
        EXPECT_THROW(InteiroDaCelula(texto, "N"), Falha);
        EXPECT_THROW(colunaNumerica.Acrescenta({texto}), Falha);
        EXPECT_EQ(colunaNumerica.Quantos(), 0) << "nada gravado";
        return;
    }
    ASSERT_TRUE(numero.has_value());
    EXPECT_EQ(numero->tipo, caso.tipo);
    EXPECT_EQ(NumeroDaCelula(*numero), caso.valor);
    EXPECT_EQ(NumeroDaCelula(texto), caso.valor);
    if (caso.tipo == Valor::Tipo::Inteiro) {
        EXPECT_EQ(InteiroDaCelula(texto, "N"), static_cast<std::int32_t>(caso.valor));
    }
    colunaNumerica.Acrescenta({texto});
    EXPECT_EQ(NumeroDaCelula(colunaNumerica.Le(0, 0)), caso.valor);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, TesteNumeroDoTexto,
    testing::Values(
        CasoNumero{"inteiro", "1234", Valor::Tipo::Inteiro, 1234},
        CasoNumero{"brancos_nas_pontas", "  -56  ", Valor::Tipo::Inteiro, -56},
        CasoNumero{"mais", "+7", Valor::Tipo::Inteiro, 7}, CasoNumero{"real", "2.5", Valor::Tipo::Real, 2.5},
        CasoNumero{"expoente", "+1e3", Valor::Tipo::Real, 1000},
        CasoNumero{"alem_de_64_bits", "9223372036854775808", Valor::Tipo::Real, 9223372036854775808.0},
        CasoNumero{"vazio", "", Valor::Tipo::Nulo}, CasoNumero{"so_brancos", "   ", Valor::Tipo::Nulo},
        CasoNumero{"dois_sinais", "+-5", Valor::Tipo::Nulo}, CasoNumero{"so_sinal", "+", Valor::Tipo::Nulo},
        CasoNumero{"virgula_decimal", "2,5", Valor::Tipo::Nulo}, CasoNumero{"hexadecimal", "0x10", Valor::Tipo::Nulo},
        CasoNumero{"infinito", "inf", Valor::Tipo::Nulo}, CasoNumero{"nao_numero", "nan", Valor::Tipo::Nulo},
        CasoNumero{"tabulacao", "\t5", Valor::Tipo::Nulo}),
    NomeDoCaso<CasoNumero>);

} // namespace
