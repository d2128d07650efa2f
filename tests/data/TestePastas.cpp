// Onde o programa lê e grava: pasta portátil, programa instalado e a pasta de dados do usuário.
#include "PastaTemporaria.h"
#include "Pastas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

namespace {

// Nos caminhos, @ é a pasta temporária; o executável fica em @usr/bin.
struct CasoLocal {
    const char* nome;
    bool comModelos; // Bases0 ao lado do executável, numa pasta gravável
    const char* xdg; // nullptr: sem XDG_DATA_HOME
    const char* sistema;
    const char* usuario;
};
void PrintTo(const CasoLocal& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteLocalizaPastas : public testing::TestWithParam<CasoLocal> {};

TEST_P(TesteLocalizaPastas, SistemaEUsuario) {
    const CasoLocal& caso = GetParam();
    PastaTemporaria pasta;
    const auto troca = [&pasta](std::string texto) {
        if (const auto i = texto.find('@'); i != std::string::npos)
            texto.replace(i, 1, pasta.Caminho());
        return texto;
    };
    caso.comModelos ? (void)pasta.MontaSistema("usr/bin") : pasta.Escreve("usr/bin/morvisan", "");
    const std::string casa = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    ::setenv("HOME", (pasta / "casa").c_str(), 1);
    caso.xdg != nullptr ? ::setenv("XDG_DATA_HOME", troca(caso.xdg).c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
    const Pastas pastas = LocalizaPastas(pasta / "usr/bin");
    ::setenv("HOME", casa.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(pastas.sistema, troca(caso.sistema));
    EXPECT_EQ(pastas.usuario, troca(caso.usuario));
    // Achar as pastas não cria nada: a de dados nasce no primeiro uso.
    EXPECT_FALSE(std::filesystem::exists(pasta / "casa"));
}

const CasoLocal casosLocal[] = {
    {"portatil", true, "@xdg", "@usr/bin/", "@usr/bin/"},
    {"instalado", false, "@xdg", "@usr/share/morvisan/", "@xdg/morvisan/"},
    {"instalado_sem_xdg", false, nullptr, "@usr/share/morvisan/", "@casa/.local/share/morvisan/"},
    {"xdg_relativo_nao_vale", false, "dados", "@usr/share/morvisan/", "@casa/.local/share/morvisan/"},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLocalizaPastas, testing::ValuesIn(casosLocal),
                         [](const auto& caso) { return std::string(caso.param.nome); });

} // namespace
