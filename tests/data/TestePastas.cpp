// Onde o programa lê e grava: pasta portátil, programa instalado e a pasta de dados do usuário.
#include "Falha.h"
#include "PastaTemporaria.h"
#include "Pastas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Troca uma variável de ambiente durante o teste e a devolve no fim.
class Ambiente {
public:
    Ambiente(const char* nome, const char* valor) : nome_(nome) {
        if (const char* antes = std::getenv(nome))
            antes_ = antes;
        valor != nullptr ? ::setenv(nome, valor, 1) : ::unsetenv(nome);
    }
    ~Ambiente() { antes_.empty() ? ::unsetenv(nome_) : ::setenv(nome_, antes_.c_str(), 1); }
    Ambiente(const Ambiente&) = delete;
    Ambiente& operator=(const Ambiente&) = delete;

private:
    const char* nome_;
    std::string antes_;
};

// Nos caminhos, @ é a pasta temporária do teste.
struct CasoLocal {
    const char* nome;
    std::function<void(const PastaTemporaria&)> monta;
    const char* executavel;
    const char* xdg; // nullptr: sem XDG_DATA_HOME
    const char* sistema;
    const char* usuario;
    bool soUsuarioComum; // o superusuário grava em pasta somente leitura
};
void PrintTo(const CasoLocal& caso, std::ostream* saida) {
    *saida << caso.nome;
}

std::string Troca(std::string texto, const std::string& pasta) {
    if (const auto i = texto.find('@'); i != std::string::npos)
        texto.replace(i, 1, pasta);
    return texto;
}

class TesteLocalizaPastas : public testing::TestWithParam<CasoLocal> {};

TEST_P(TesteLocalizaPastas, SistemaEUsuario) {
    const CasoLocal& caso = GetParam();
    if (caso.soUsuarioComum && ::geteuid() == 0)
        GTEST_SKIP() << "o superusuário grava em pasta somente leitura";
    PastaTemporaria pasta;
    caso.monta(pasta);
    const Ambiente casa("HOME", (pasta / "casa").c_str());
    const std::string xdg = caso.xdg != nullptr ? Troca(caso.xdg, pasta.Caminho()) : "";
    const Ambiente dados("XDG_DATA_HOME", caso.xdg != nullptr ? xdg.c_str() : nullptr);
    const Pastas pastas = LocalizaPastas(Troca(caso.executavel, pasta.Caminho()));
    EXPECT_EQ(pastas.sistema, Troca(caso.sistema, pasta.Caminho()));
    EXPECT_EQ(pastas.usuario, Troca(caso.usuario, pasta.Caminho()));
    // Achar as pastas não cria nada: a de dados nasce no primeiro uso.
    EXPECT_FALSE(fs::exists(pasta / "casa/.local"));
}

const CasoLocal casosLocal[] = {
    {"portatil", [](const PastaTemporaria& p) { p.MontaSistema("Morvisan"); }, "@Morvisan", "@xdg", "@Morvisan/",
     "@Morvisan/", false},
    {"instalado", [](const PastaTemporaria& p) { p.Escreve("usr/bin/morvisan-lote", ""); }, "@usr/bin/", "@xdg",
     "@usr/share/morvisan/", "@xdg/morvisan/", false},
    {"instalado_sem_xdg", [](const PastaTemporaria& p) { p.Escreve("usr/bin/morvisan-lote", ""); }, "@usr/bin", nullptr,
     "@usr/share/morvisan/", "@casa/.local/share/morvisan/", false},
    {"xdg_relativo_nao_vale", [](const PastaTemporaria& p) { p.Escreve("usr/bin/morvisan-lote", ""); }, "@usr/bin/",
     "dados", "@usr/share/morvisan/", "@casa/.local/share/morvisan/", false},
    {"xdg_vazio_nao_vale", [](const PastaTemporaria& p) { p.Escreve("usr/bin/morvisan-lote", ""); }, "@usr/bin/", "",
     "@usr/share/morvisan/", "@casa/.local/share/morvisan/", false},
    {"portatil_somente_leitura_usa_os_proprios_modelos",
     [](const PastaTemporaria& p) {
         fs::permissions(p.MontaSistema("Morvisan"), fs::perms::owner_write, fs::perm_options::remove);
     },
     "@Morvisan/", "@xdg", "@Morvisan/", "@xdg/morvisan/", true},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLocalizaPastas, testing::ValuesIn(casosLocal),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST(TestePastaUnica, OpcaoSistemaValeParaTudo) {
    const Pastas pastas = PastaUnica("/srv/morvisan");
    EXPECT_EQ(pastas.sistema, "/srv/morvisan/");
    EXPECT_EQ(pastas.usuario, "/srv/morvisan/");
}

struct CasoPreparo {
    const char* nome;
    std::function<void(const PastaTemporaria&)> monta;
    const char* pasta;
    std::string motivo; // vazio: a pasta fica pronta
    bool soUsuarioComum;
};
void PrintTo(const CasoPreparo& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TestePreparaPasta : public testing::TestWithParam<CasoPreparo> {};

TEST_P(TestePreparaPasta, CriaOuDizPorQueNao) {
    const CasoPreparo& caso = GetParam();
    if (caso.soUsuarioComum && ::geteuid() == 0)
        GTEST_SKIP() << "o superusuário grava em pasta somente leitura";
    PastaTemporaria pasta;
    caso.monta(pasta);
    const std::string alvo = pasta / caso.pasta;
    if (caso.motivo.empty()) {
        EXPECT_NO_THROW(PreparaPastaGravavel(alvo));
        EXPECT_TRUE(fs::is_directory(alvo));
        return;
    }
    try {
        PreparaPastaGravavel(alvo);
        ADD_FAILURE() << "devia falhar";
    } catch (const Falha& falha) {
        EXPECT_EQ(std::string(falha.what()),
                  "N\xE3o foi poss\xEDvel gravar na pasta \"" + alvo + "\": " + caso.motivo + ".");
    }
    EXPECT_EQ(pasta.Le("guardado"), "guardado");
}

const auto nada = [](const PastaTemporaria& p) { p.Escreve("guardado", "guardado"); };
const CasoPreparo casosPreparo[] = {
    {"cria_com_as_de_cima", nada, "casa/.local/share/morvisan/", "", false},
    {"ja_existe", nada, "", "", false},
    {"arquivo_no_lugar_da_pasta",
     [](const PastaTemporaria& p) {
         p.Escreve("guardado", "guardado");
         p.Escreve("morvisan", "um arquivo");
     },
     "morvisan/", "o caminho passa por algo que n\xE3o \xE9 uma pasta", false},
    {"pasta_de_cima_somente_leitura",
     [](const PastaTemporaria& p) {
         p.Escreve("guardado", "guardado");
         fs::create_directories(p / "share");
         fs::permissions(p / "share", fs::perms::owner_write, fs::perm_options::remove);
     },
     "share/morvisan/", "permiss\xE3o negada", true},
    {"pasta_somente_leitura",
     [](const PastaTemporaria& p) {
         p.Escreve("guardado", "guardado");
         fs::create_directories(p / "morvisan");
         fs::permissions(p / "morvisan", fs::perms::owner_write, fs::perm_options::remove);
     },
     "morvisan/", "permiss\xE3o negada", true},
};
INSTANTIATE_TEST_SUITE_P(Casos, TestePreparaPasta, testing::ValuesIn(casosPreparo),
                         [](const auto& caso) { return std::string(caso.param.nome); });

} // namespace
