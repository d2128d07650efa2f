// O programa instalado (cmake --install num prefixo, o pacote .deb aberto numa raiz descartável) e uma
// pasta de programa só leitura, rodados por um usuário comum com a pasta pessoal numa pasta temporária:
// o estado vai para a pasta de dados do usuário, nada é gravado no programa, e o resultado do exemplo é
// o mesmo da pasta portátil da compilação.
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Roda como usuário comum: o superusuário passa a ser nobody (que não grava no que é do root).
std::string ComoUsuarioComum() {
    if (::geteuid() != 0)
        return "";
    return std::system("command -v setpriv >/dev/null") == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups "
                                                             : "indisponivel";
}

class Ambiente {
public:
    Ambiente() {
        if (ComoUsuarioComum() == "indisponivel")
            return;
        // Um usuário comum precisa atravessar a pasta temporária e gravar na casa e na saída.
        fs::permissions(pasta.Caminho(), fs::perms::all, fs::perm_options::add);
        for (const char* nome : {"casa", "saida"}) {
            fs::create_directories(pasta / nome);
            fs::permissions(pasta / nome, fs::perms::all);
        }
    }

    // Roda o comando com HOME na casa temporária, sem XDG_DATA_HOME a não ser o dado.
    Execucao Roda(const std::string& executavel, const std::string& argumentos, const std::string& xdg = "") const {
        return RodaNoShell(ComoUsuarioComum() + "env -u XDG_DATA_HOME HOME=" + Aspas(pasta / "casa") +
                               " LC_ALL=C.UTF-8" + (xdg.empty() ? "" : " XDG_DATA_HOME=" + Aspas(xdg)) + " " +
                               Aspas(executavel) + " " + argumentos,
                           pasta);
    }

    // O exemplo do README: as duas bases extras e a tradução de 2012 para 2013.
    void RodaExemplo(const std::string& lote, const std::string& saida) const {
        const std::string exemplos = MORVISAN_EXEMPLOS "/";
        for (const std::string& argumentos :
             {"importar municipios " + Aspas(exemplos + "municipios.csv"),
              "importar ufs " + Aspas(exemplos + "ufs.csv"),
              "traduzir " + Aspas(exemplos + "original-2012.csv") + " " + Aspas(exemplos + "traducao-2013.csv") + " " +
                  Aspas(saida) + " RES2013"}) {
            const Execucao execucao = Roda(lote, argumentos);
            ASSERT_EQ(execucao.codigo, 0) << argumentos << "\n" << execucao.erros;
        }
    }

    PastaTemporaria pasta;
};

std::set<std::string> ArquivosSob(const std::string& raiz) {
    std::set<std::string> arquivos;
    for (const auto& item : fs::recursive_directory_iterator(raiz))
        arquivos.insert(item.path().string());
    return arquivos;
}

// A pasta portátil da compilação roda o mesmo exemplo, para comparar.
void ResultadoPortatil(const Ambiente& ambiente, const std::string& saida) {
    const std::string programa = ambiente.pasta / "portatil/";
    fs::create_directories(programa);
    fs::copy(MORVISAN_DIR_SISTEMA "Bases0", programa + "Bases0");
    fs::copy_file(MORVISAN_LOTE, programa + "morvisan-lote");
    fs::create_directories(saida);
    const std::string exemplos = MORVISAN_EXEMPLOS "/";
    const std::string lote = Aspas(programa + "morvisan-lote");
    const std::string comando = lote + " importar municipios " + Aspas(exemplos + "municipios.csv") +
                                " >/dev/null && " + lote + " importar ufs " + Aspas(exemplos + "ufs.csv") +
                                " >/dev/null && " + lote + " traduzir " + Aspas(exemplos + "original-2012.csv") + " " +
                                Aspas(exemplos + "traducao-2013.csv") + " " + Aspas(saida) + " RES2013 >/dev/null";
    ASSERT_EQ(std::system(comando.c_str()), 0);
}

struct CasoInstalacao {
    const char* nome;
    // Instala em raiz e devolve o prefixo (a pasta com bin/ e share/).
    std::string (*instala)(const std::string& raiz, const std::string& trabalho);
};
void PrintTo(const CasoInstalacao& caso, std::ostream* saida) {
    *saida << caso.nome;
}

std::string PeloCmakeInstall(const std::string& raiz, const std::string&) {
    const std::string comando =
        "cmake --install " + Aspas(MORVISAN_COMPILACAO) + " --prefix " + Aspas(raiz + "/prefixo") + " >/dev/null";
    return std::system(comando.c_str()) == 0 ? raiz + "/prefixo" : "";
}

std::string PeloPacote(const std::string& raiz, const std::string& trabalho) {
    const std::string pacote = trabalho + "/pacote";
    const std::string comando = "cpack -G DEB --config " + Aspas(MORVISAN_COMPILACAO "/CPackConfig.cmake") + " -B " +
                                Aspas(pacote) + " >/dev/null && dpkg-deb -x " +
                                Aspas(pacote + "/morvisan_1.1_amd64.deb") + " " + Aspas(raiz);
    return std::system(comando.c_str()) == 0 ? raiz + "/usr" : "";
}

class TesteLoteInstalado : public testing::TestWithParam<CasoInstalacao> {};

TEST_P(TesteLoteInstalado, EstadoNaPastaDoUsuarioEResultadoIgualAoPortatil) {
    if (ComoUsuarioComum() == "indisponivel")
        GTEST_SKIP() << "sem setpriv para rodar como usuário comum";
    Ambiente ambiente;
    const std::string raiz = ambiente.pasta / "raiz";
    const std::string prefixo = GetParam().instala(raiz, ambiente.pasta / "trabalho");
    ASSERT_FALSE(prefixo.empty()) << "a instalação falhou";
    EXPECT_TRUE(fs::exists(prefixo + "/share/morvisan/Bases0/Original.dbf"));
    EXPECT_TRUE(fs::exists(prefixo + "/share/applications/morvisan.desktop"));
    EXPECT_TRUE(fs::exists(prefixo + "/share/man/man1/morvisan-lote.1"));
    const std::set<std::string> instalados = ArquivosSob(raiz);

    ambiente.RodaExemplo(prefixo + "/bin/morvisan-lote", ambiente.pasta / "saida");
    ResultadoPortatil(ambiente, ambiente.pasta / "saida-portatil");
    for (const char* arquivo : {"RES2013.CSV", "comp.CSV", "Morvisan.Log"})
        EXPECT_EQ(ambiente.pasta.Le(std::string("saida/") + arquivo),
                  ambiente.pasta.Le(std::string("saida-portatil/") + arquivo))
            << arquivo;
    const std::string dados = ambiente.pasta / "casa/.local/share/morvisan/";
    for (const char* arquivo : {"Bases1/DEF_MUN.dbf", "Bases1/DEF_UF.dbf", "Trabalho/FINAL.DBF"})
        EXPECT_TRUE(fs::exists(dados + arquivo)) << arquivo;
    EXPECT_EQ(ArquivosSob(raiz), instalados) << "o programa instalado gravou na própria pasta";
}

const CasoInstalacao casosInstalacao[] = {
    {"cmake_install", PeloCmakeInstall},
    {"pacote_deb", PeloPacote},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLoteInstalado, testing::ValuesIn(casosInstalacao),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// Uma pasta de programa só leitura nas mãos de outro usuário. Nos argumentos e nas mensagens, @P é a
// pasta do programa, @T a pasta temporária, @S a de saída e @E a dos exemplos.
struct CasoSoLeitura {
    const char* nome;
    std::string argumentos;
    std::string xdg;
    int codigo;
    std::string erros;
};
void PrintTo(const CasoSoLeitura& caso, std::ostream* saida) {
    *saida << caso.nome;
}

std::string Troca(std::string texto, const Ambiente& ambiente) {
    for (const auto& [marca, valor] : {std::pair<std::string, std::string>{"@P", ambiente.pasta / "programa/"},
                                       {"@T", ambiente.pasta.Caminho()},
                                       {"@S", ambiente.pasta / "saida"},
                                       {"@E", MORVISAN_EXEMPLOS "/"}})
        for (auto i = texto.find(marca); i != std::string::npos; i = texto.find(marca))
            texto.replace(i, marca.size(), valor);
    return texto;
}

class TesteLoteSoLeitura : public testing::TestWithParam<CasoSoLeitura> {};

TEST_P(TesteLoteSoLeitura, OutroUsuario) {
    const CasoSoLeitura& caso = GetParam();
    if (ComoUsuarioComum() == "indisponivel")
        GTEST_SKIP() << "sem setpriv para rodar como usuário comum";
    Ambiente ambiente;
    const std::string programa = ambiente.pasta / "programa/";
    fs::create_directories(programa);
    fs::copy(MORVISAN_DIR_SISTEMA "Bases0", programa + "Bases0");
    fs::copy_file(MORVISAN_LOTE, programa + "morvisan-lote");
    fs::create_directories(ambiente.pasta / "somente-leitura");
    for (const std::string& pasta : {programa, programa + "Bases0/", ambiente.pasta / "somente-leitura"})
        fs::permissions(pasta, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    const std::set<std::string> antes = ArquivosSob(programa);

    const Execucao execucao = ambiente.Roda(programa + "morvisan-lote", Troca(caso.argumentos, ambiente),
                                            caso.xdg.empty() ? "" : ambiente.pasta / caso.xdg);
    EXPECT_EQ(execucao.codigo, caso.codigo) << execucao.erros;
    EXPECT_EQ(execucao.erros, Troca(caso.erros, ambiente));
    EXPECT_EQ(ArquivosSob(programa), antes) << "gravou na pasta do programa";
    if (caso.codigo != 0) {
        EXPECT_TRUE(fs::is_empty(ambiente.pasta / "saida"));
    }
}

const std::string semGravar = "N\xC3\xA3o foi poss\xC3\xADvel gravar na pasta \"";
const CasoSoLeitura casosSoLeitura[] = {
    {"importa_na_casa_do_usuario", "importar ufs @Eufs.csv", "", 0, ""},
    {"traduz_com_o_estado_na_casa_do_usuario", "traduzir @Eoriginal-2012.csv @Etraducao-2013.csv @S RES", "", 0, ""},
    {"sistema_somente_leitura_na_importacao", "--sistema @P importar ufs @Eufs.csv", "", 1,
     semGravar + "@PBases1/\": permiss\xC3\xA3o negada.\n"},
    {"sistema_somente_leitura_na_traducao", "--sistema @P traduzir @Eoriginal-2012.csv @Etraducao-2013.csv @S RES", "",
     1, semGravar + "@P\": permiss\xC3\xA3o negada.\n"},
    {"pasta_de_dados_sem_gravacao", "traduzir @Eoriginal-2012.csv @Etraducao-2013.csv @S RES", "somente-leitura", 1,
     semGravar + "@Tsomente-leitura/morvisan/\": permiss\xC3\xA3o negada.\n"},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLoteSoLeitura, testing::ValuesIn(casosSoLeitura),
                         [](const auto& caso) { return std::string(caso.param.nome); });

} // namespace
