// Ajustes regionais do ambiente: os separadores lidos da localidade do usuário, e os números internos
// ficam em "C".
#include "Ambiente.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

TEST(TesteLoteAmbiente, LocalidadeCDaPontoEVirgula) {
    ::setenv("LC_ALL", "C.UTF-8", 1);
    const Regional regional = RegionalDoAmbiente();
    EXPECT_EQ(regional.separadorDecimal, '.');
    EXPECT_EQ(regional.separadorMilhar, ',');
    EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), "C");
    ::unsetenv("LC_ALL");
}

TEST(TesteLoteAmbiente, LocalidadeDeVirgulaVoltaACParaOsNumeros) {
    ::setenv("LC_ALL", "pt_BR.UTF-8", 1);
    if (std::setlocale(LC_ALL, "") == nullptr) {
        ::unsetenv("LC_ALL");
        GTEST_SKIP() << "localidade pt_BR ausente";
    }
    const Regional regional = RegionalDoAmbiente();
    EXPECT_EQ(regional.separadorDecimal, ',');
    EXPECT_EQ(regional.separadorMilhar, '.');
    char numero[16];
    std::snprintf(numero, sizeof numero, "%.1f", 1.5);
    EXPECT_EQ(std::string(numero), "1.5");
    ::unsetenv("LC_ALL");
}

} // namespace
