// O programa instalado (cmake --install num prefixo, o .deb aberto numa raiz descartável) e uma pasta
// de programa só leitura, rodados por um usuário comum com a casa numa pasta temporária: o estado vai
// para a pasta de dados do usuário, nada é gravado no programa e o exemplo dá o mesmo que na pasta
// portátil da compilação.
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

// O superusuário grava em qualquer pasta: roda como nobody, que não grava no que é do root.
const std::string comoUsuario = ::geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";

std::set<std::string> ArquivosSob(const std::string& raiz) {
    std::set<std::string> arquivos;
    for (const auto& item : fs::recursive_directory_iterator(raiz))
        arquivos.insert(item.path().string());
    return arquivos;
}

struct Ambiente {
    Ambiente() {
        // O usuário comum atravessa a pasta temporária e grava na casa e nas saídas.
        fs::permissions(pasta.Caminho(), fs::perms::all);
        for (const char* nome : {"casa", "saida", "saida-portatil"}) {
            fs::create_directories(pasta / nome);
            fs::permissions(pasta / nome, fs::perms::all);
        }
        // Uma base de tradução pequena, de Santarém para Mojuí dos Campos.
        pasta.Escreve("traducao.csv", "15;1;680;2;475;14775;20130101;\r\n");
    }

    // Uma cópia da pasta portátil da compilação (Bases0 e o comando em lote) que o usuário grava.
    std::string MontaPortatil(const std::string& nome) const {
        const std::string programa = pasta / nome + "/";
        fs::create_directories(programa);
        fs::permissions(programa, fs::perms::all);
        fs::copy(MORVISAN_DIR_SISTEMA "Bases0", programa + "Bases0");
        fs::copy(MORVISAN_DIR_SISTEMA "dados", programa + "dados");
        fs::copy_file(MORVISAN_LOTE, programa + "morvisan-lote");
        return programa;
    }

    // @E é a pasta dos exemplos, @T a pasta temporária e @P a do programa.
    std::string Troca(std::string texto, const std::string& programa) const {
        for (const auto& [marca, valor] : {std::pair<std::string, std::string>{"@E", MORVISAN_EXEMPLOS "/"},
                                           {"@T", pasta.Caminho()},
                                           {"@P", programa}})
            for (auto i = texto.find(marca); i != std::string::npos; i = texto.find(marca))
                texto.replace(i, marca.size(), valor);
        return texto;
    }

    Execucao Roda(const std::string& programa, const std::string& argumentos, const std::string& xdg = "") const {
        return RodaNoShell(comoUsuario + "env -u XDG_DATA_HOME HOME=" + Aspas(pasta / "casa") + " LC_ALL=C.UTF-8 " +
                               (xdg.empty() ? "" : "XDG_DATA_HOME=" + Aspas(pasta / xdg) + " ") +
                               Aspas(programa + "morvisan-lote") + " " + Troca(argumentos, programa),
                           pasta);
    }

    // O exemplo do README: as duas bases extras, a base de tradução do Censo 2010 para a divisão de
    // 2013 (com pares estimados: saída 4) e a tradução.
    void RodaExemplo(const std::string& programa, const std::string& saida) const {
        for (const char* argumentos : {"importar municipios @Emunicipios.csv", "importar ufs @Eufs.csv"})
            ASSERT_EQ(Roda(programa, argumentos).codigo, 0) << argumentos;
        const std::string base = "@T" + saida + "/traducao-2010-2013.csv";
        const Execucao preparo = Roda(programa, "preparar @Ecenso-2010.csv 2010 2013 " + base);
        ASSERT_EQ(preparo.codigo, 4) << preparo.erros;
        const Execucao traducao = Roda(programa, "traduzir @Ecenso-2010.csv " + base + " @T" + saida + " RES2013");
        ASSERT_EQ(traducao.codigo, 0) << traducao.erros;
    }

    PastaTemporaria pasta;
};

struct CasoInstalacao {
    const char* nome;
    // O comando que instala em RAIZ (no shell, com TRABALHO para o que sobra) e o prefixo dentro dela.
    std::string comando;
    std::string prefixo;
};
void PrintTo(const CasoInstalacao& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteLoteInstalado : public testing::TestWithParam<CasoInstalacao> {};

TEST_P(TesteLoteInstalado, EstadoNaPastaDoUsuarioEResultadoIgualAoPortatil) {
    Ambiente ambiente;
    const std::string raiz = ambiente.pasta / "raiz";
    const std::string comando = "RAIZ=" + Aspas(raiz) + " TRABALHO=" + Aspas(ambiente.pasta / "trabalho") + " sh -c " +
                                Aspas(GetParam().comando) + " >/dev/null";
    ASSERT_EQ(std::system(comando.c_str()), 0) << "a instalação falhou";
    const std::string prefixo = raiz + GetParam().prefixo;
    for (const char* arquivo : {"share/morvisan/Bases0/Original.dbf", "share/applications/morvisan.desktop",
                                "share/man/man1/morvisan-lote.1", "bin/morvisan"})
        EXPECT_TRUE(fs::exists(prefixo + arquivo)) << arquivo;
    const std::set<std::string> instalados = ArquivosSob(raiz);

    ambiente.RodaExemplo(prefixo + "bin/", "saida");
    ambiente.RodaExemplo(ambiente.MontaPortatil("portatil"), "saida-portatil");
    for (const std::string arquivo :
         {"traducao-2010-2013.csv", "RES2013.CSV", "comp.CSV", "Morvisan.Log", "Morvisan.Avisos"})
        EXPECT_EQ(ambiente.pasta.Le("saida/" + arquivo), ambiente.pasta.Le("saida-portatil/" + arquivo)) << arquivo;
    for (const char* arquivo : {"Bases1/DEF_MUN.dbf", "Bases1/DEF_UF.dbf", "Trabalho/FINAL.DBF"})
        EXPECT_TRUE(fs::exists(ambiente.pasta / "casa/.local/share/morvisan/" + arquivo)) << arquivo;
    EXPECT_EQ(ArquivosSob(raiz), instalados) << "o programa instalado gravou na própria pasta";
}

const CasoInstalacao casosInstalacao[] = {
    {"cmake_install", "cmake --install '" MORVISAN_COMPILACAO "' --prefix \"$RAIZ/prefixo\"", "/prefixo/"},
    {"pacote_deb",
     "cpack -G DEB --config '" MORVISAN_COMPILACAO "/CPackConfig.cmake' -B \"$TRABALHO\" && "
     "dpkg-deb -x \"$TRABALHO/morvisan_1.1_amd64.deb\" \"$RAIZ\"",
     "/usr/"},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLoteInstalado, testing::ValuesIn(casosInstalacao),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// A pasta de programa só leitura nas mãos de outro usuário.
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

class TesteLoteSoLeitura : public testing::TestWithParam<CasoSoLeitura> {};

TEST_P(TesteLoteSoLeitura, OutroUsuario) {
    const CasoSoLeitura& caso = GetParam();
    Ambiente ambiente;
    const std::string programa = ambiente.MontaPortatil("programa");
    fs::create_directories(ambiente.pasta / "somente-leitura");
    for (const std::string& pasta : {programa, programa + "Bases0", ambiente.pasta / "somente-leitura"})
        fs::permissions(pasta, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    const std::set<std::string> antes = ArquivosSob(programa);

    const std::string argumentos = caso.argumentos + " traduzir @Ecenso-2010.csv @Ttraducao.csv @Tsaida RES";
    const Execucao execucao = ambiente.Roda(programa, argumentos, caso.xdg);
    EXPECT_EQ(execucao.codigo, caso.codigo) << execucao.erros;
    EXPECT_EQ(execucao.erros, ambiente.Troca(caso.erros, programa));
    EXPECT_EQ(ArquivosSob(programa), antes) << "gravou na pasta do programa";
    EXPECT_EQ(fs::is_empty(ambiente.pasta / "saida"), caso.codigo == 1);
}

const std::string semGravar = "N\xC3\xA3o foi poss\xC3\xADvel gravar na pasta \"";
const std::string negada = "\": permiss\xC3\xA3o negada.\n";
const CasoSoLeitura casosSoLeitura[] = {
    // Sem bases extras a rodada termina com os achados dos nomes e siglas que faltam (saída 4).
    {"estado_na_casa_do_usuario", "", "", 4, ""},
    {"opcao_sistema_somente_leitura", "--sistema '@P'", "", 1, semGravar + "@P" + negada},
    {"pasta_de_dados_sem_gravacao", "", "somente-leitura", 1, semGravar + "@Tsomente-leitura/morvisan/" + negada},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLoteSoLeitura, testing::ValuesIn(casosSoLeitura),
                         [](const auto& caso) { return std::string(caso.param.nome); });

} // namespace
