// O estado em volta de uma rodada: uma rodada por pasta do programa, saídas trocadas inteiras mesmo
// com disco cheio ou processo morto, tabelas de trabalho que não gravam fazem a rodada falhar.
#include "PastaTemporaria.h"
#include "TravaPasta.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string Recusa =
    "Outra rodada ou importa\xc3\xa7\xc3\xa3o est\xc3\xa1 em andamento nesta pasta do programa.\n";

// Lança o comando em segundo plano, com as saídas descartadas; devolve o processo.
pid_t Lanca(std::vector<std::string> argumentos) {
    std::vector<char*> argv;
    for (std::string& argumento : argumentos)
        argv.push_back(argumento.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acoes, 2, "/dev/null", O_WRONLY, 0);
    pid_t processo = 0;
    const int erro = ::posix_spawn(&processo, argv[0], &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    return erro == 0 ? processo : -1;
}

// Uma pasta de programa, uma base original de N municípios sem nenhuma mudança e a pasta de saída.
struct Cenario {
    explicit Cenario(int municipios = 20) : sistema(pasta.MontaSistema()), saida(pasta / "saida") {
        fs::create_directories(saida);
        std::string original;
        for (int i = 1; i <= municipios; ++i)
            original += "11;" + std::to_string(i) + ";1000;1000\r\n";
        pasta.Escreve("original.csv", original);
        pasta.Escreve("traducao.csv", "");
    }

    std::vector<std::string> Argumentos(const std::string& pastaSaida) const {
        return {MORVISAN_LOTE,          "--sistema", sistema, "traduzir", pasta / "original.csv",
                pasta / "traducao.csv", pastaSaida,  "RES"};
    }

    // Roda pelo shell, com um prefixo (limites) e a saída de erros guardada; devolve o código.
    int Roda(const std::string& prefixo = "", const std::string& pastaSaida = "") const {
        std::string comando = prefixo + " LC_ALL=C.UTF-8 exec";
        for (const std::string& argumento : Argumentos(pastaSaida.empty() ? saida : pastaSaida))
            comando += " '" + argumento + "'";
        comando += " >/dev/null 2>'" + (pasta / "erros.txt") + "'";
        const int estado = std::system(("sh -c \"" + comando + "\"").c_str());
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }

    // As saídas como estão: nome e conteúdo, os temporários inclusive.
    std::map<std::string, std::string> Saidas(const std::string& pastaSaida = "") const {
        std::map<std::string, std::string> saidas;
        for (const auto& item : fs::directory_iterator(pastaSaida.empty() ? saida : pastaSaida))
            saidas[item.path().filename().string()] = LeArquivo(item.path().string());
        return saidas;
    }

    PastaTemporaria pasta;
    std::string sistema;
    std::string saida;
};

// Com a pasta travada (uma rodada da janela em andamento) a rodada e a importação em lote param na
// hora, sem mudar nada; solta a trava, a mesma rodada passa.
TEST(LoteConfiabilidade, PastaTravadaRecusaRodadaEImportacao) {
    Cenario cenario;
    ASSERT_EQ(cenario.Roda(), 4);
    const auto anteriores = cenario.Saidas();
    cenario.pasta.Escreve("original.csv", "11;1;5;5\r\n");
    {
        const TravaPasta janela(cenario.sistema);
        EXPECT_EQ(cenario.Roda(), 1);
        EXPECT_EQ(cenario.pasta.Le("erros.txt"), Recusa);
        EXPECT_EQ(cenario.Saidas(), anteriores);
        cenario.pasta.Escreve("ufs.csv", "11;RO\r\n");
        const std::string importa = "LC_ALL=C.UTF-8 '" + std::string(MORVISAN_LOTE) + "' --sistema '" +
                                    cenario.sistema + "' importar ufs '" + (cenario.pasta / "ufs.csv") +
                                    "' >/dev/null 2>/dev/null";
        EXPECT_EQ(WEXITSTATUS(std::system(importa.c_str())), 1);
        EXPECT_FALSE(fs::exists(cenario.sistema + "Bases1/DEF_UF.dbf"));
    }
    EXPECT_EQ(cenario.Roda(), 4);
    EXPECT_EQ(cenario.pasta.Le("saida/RES.CSV"), "11;??;1;<nome inexistente>;5;5\r\n");
}

// Duas rodadas lançadas juntas na mesma pasta do programa: a que perde a trava sai com 1 sem gravar
// nada; a que roda dá o mesmo resultado de uma rodada sozinha.
TEST(LoteConfiabilidade, DuasRodadasJuntasNuncaSeMisturam) {
    Cenario cenario(3000);
    ASSERT_EQ(cenario.Roda(), 4);
    const std::string sozinha = cenario.pasta.Le("saida/RES.CSV");
    for (int vez = 0; vez < 5; ++vez) {
        std::vector<pid_t> processos;
        for (const char* nome : {"a", "b"}) {
            const std::string pastaSaida = cenario.pasta / nome;
            fs::remove_all(pastaSaida);
            fs::create_directories(pastaSaida);
            processos.push_back(Lanca(cenario.Argumentos(pastaSaida)));
            ASSERT_GT(processos.back(), 0);
        }
        int rodaram = 0;
        for (std::size_t i = 0; i < processos.size(); ++i) {
            int estado = 0;
            ::waitpid(processos[i], &estado, 0);
            const std::string pastaSaida = cenario.pasta / (i == 0 ? "a" : "b");
            if (WEXITSTATUS(estado) == 4) {
                ++rodaram;
                EXPECT_EQ(LeArquivo(pastaSaida + "/RES.CSV"), sozinha);
            } else {
                EXPECT_EQ(WEXITSTATUS(estado), 1);
                EXPECT_TRUE(fs::is_empty(pastaSaida));
            }
        }
        EXPECT_GE(rodaram, 1);
    }
}

// Rodadas de duas pastas do programa (dois usuários, dois --sistema) lançadas juntas na mesma pasta de
// saída: cada conjunto que fica é inteiro, os quatro arquivos da mesma rodada; a que acha a pasta
// ocupada sai com 1 dizendo qual pasta.
TEST(LoteConfiabilidade, DuasPastasDoProgramaNaMesmaSaidaNuncaMisturam) {
    Cenario cenario(2000);
    const std::string outroSistema = cenario.pasta.MontaSistema("outro");
    cenario.pasta.Escreve("traducao.csv", "11;A;1;B;2;5;1;\r\n");
    std::string maior;
    for (int i = 1; i <= 2000; ++i)
        maior += "11;" + std::to_string(i) + ";2000;2000\r\n";
    cenario.pasta.Escreve("maior.csv", maior);
    auto argumentos = [&](const std::string& sistema, const std::string& original) {
        auto lista = cenario.Argumentos(cenario.saida);
        lista[2] = sistema;
        lista[4] = cenario.pasta / original;
        return lista;
    };
    const std::vector<std::string> rodadas[] = {argumentos(cenario.sistema, "original.csv"),
                                                argumentos(outroSistema, "maior.csv")};
    std::vector<std::map<std::string, std::string>> conjuntos;
    for (const auto& rodada : rodadas) {
        int estado = 0;
        ::waitpid(Lanca(rodada), &estado, 0);
        ASSERT_EQ(WEXITSTATUS(estado), 4); // sem nomes: "Sucesso total!" não vem
        conjuntos.push_back(cenario.Saidas());
    }
    ASSERT_NE(conjuntos[0], conjuntos[1]);
    for (int par = 0; par < 8; ++par) {
        const pid_t processos[] = {Lanca(rodadas[par % 2]), Lanca(rodadas[1 - par % 2])};
        for (const pid_t processo : processos) {
            int estado = 0;
            ::waitpid(processo, &estado, 0);
            EXPECT_TRUE(WEXITSTATUS(estado) == 4 || WEXITSTATUS(estado) == 1) << WEXITSTATUS(estado);
        }
        const auto saidas = cenario.Saidas();
        EXPECT_TRUE(saidas == conjuntos[0] || saidas == conjuntos[1]) << "par " << par << ": conjunto misturado";
    }
    {
        const TravaPasta outraRodada(cenario.saida, TravaPasta::Uso::Saida);
        const auto travada = cenario.Saidas();
        EXPECT_EQ(cenario.Roda(), 1);
        EXPECT_EQ(cenario.pasta.Le("erros.txt"), "Outra rodada est\xc3\xa1 gravando na pasta de sa\xc3\xad"
                                                 "da \"" +
                                                     cenario.saida + "\"; espere que ela termine.\n");
        EXPECT_EQ(cenario.Saidas(), travada);
    }
}

struct CasoDiscoCheio {
    const char* nome;
    bool tmpfs;          // pasta de saída num tmpfs pequeno (só onde dá para montar)
    const char* prefixo; // limites do processo
};

class LoteDiscoCheio : public testing::TestWithParam<CasoDiscoCheio> {};

// Sem espaço para o resultado novo, as quatro saídas anteriores ficam inteiras e nenhum temporário
// sobra.
TEST_P(LoteDiscoCheio, SaidasAnterioresFicamInteiras) {
    const CasoDiscoCheio& caso = GetParam();
    Cenario cenario(20);
    if (caso.tmpfs && ::mount("tmpfs", cenario.saida.c_str(), "tmpfs", 0, "size=128k") != 0)
        GTEST_SKIP() << "sem permiss\xc3\xa3o para montar um tmpfs pequeno";
    ASSERT_EQ(cenario.Roda(), 4);
    const auto anteriores = cenario.Saidas();
    Cenario grande(8000); // RES.CSV de uns 270 KB
    fs::copy_file(grande.pasta / "original.csv", cenario.pasta / "original.csv", fs::copy_options::overwrite_existing);
    EXPECT_EQ(cenario.Roda(caso.prefixo), 1);
    EXPECT_NE(cenario.pasta.Le("erros.txt").find("RES.CSV"), std::string::npos) << cenario.pasta.Le("erros.txt");
    EXPECT_EQ(cenario.Saidas(), anteriores);
    if (caso.tmpfs)
        ::umount(cenario.saida.c_str());
}

const CasoDiscoCheio casosDisco[] = {
    {"tmpfs_cheio", true, ""},
    // Arquivos limitados a 100 KB: o resultado não cabe, as tabelas de trabalho (só gravadas depois) cabem.
    {"limite_de_tamanho", false, "trap '' XFSZ; ulimit -f 200;"},
};

INSTANTIATE_TEST_SUITE_P(Casos, LoteDiscoCheio, testing::ValuesIn(casosDisco),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// Morto com as saídas novas ainda em temporários: as anteriores ficam inteiras, e a próxima rodada
// apaga os temporários que o morto deixou.
TEST(LoteConfiabilidade, MortoNoMeioDeixaOConjuntoAnterior) {
    Cenario cenario(20);
    ASSERT_EQ(cenario.Roda(), 4);
    const auto anteriores = cenario.Saidas();
    Cenario grande(300000);
    fs::copy_file(grande.pasta / "original.csv", cenario.pasta / "original.csv", fs::copy_options::overwrite_existing);
    const pid_t processo = Lanca(cenario.Argumentos(cenario.saida));
    ASSERT_GT(processo, 0);
    const auto temporarioNaSaida = [&cenario] {
        for (const auto& item : fs::directory_iterator(cenario.saida))
            if (item.path().filename().string().rfind(".morvisan-", 0) == 0)
                return true;
        return false;
    };
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!temporarioNaSaida() && std::chrono::steady_clock::now() < limite)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    ::kill(processo, SIGKILL);
    ::waitpid(processo, nullptr, 0);
    auto depois = cenario.Saidas();
    std::erase_if(depois, [](const auto& saida) { return saida.first.rfind(".morvisan-", 0) == 0; });
    EXPECT_EQ(depois, anteriores);

    cenario.pasta.Escreve("original.csv", "11;1;5;5\r\n");
    EXPECT_EQ(cenario.Roda(), 4);
    for (const auto& [nome, conteudo] : cenario.Saidas())
        EXPECT_NE(nome.rfind(".morvisan-", 0), 0u) << "tempor\xc3\xa1rio do morto ficou: " << nome;
}

// As saídas cabem, a tabela de trabalho FINAL.DBF não: a rodada escreveu "Sucesso total!" ou não, mas
// não pode sair com sucesso.
TEST(LoteConfiabilidade, TabelaDeTrabalhoQueNaoGravaSaiComUm) {
    Cenario cenario(2000); // RES.CSV ~ 66 KB; FINAL.DBF ~ 195 KB
    EXPECT_EQ(cenario.Roda("trap '' XFSZ; ulimit -f 250;"), 1);
    EXPECT_NE(cenario.pasta.Le("erros.txt").find("Erro: Erro ao fechar algum banco de dados."), std::string::npos)
        << cenario.pasta.Le("erros.txt");
    EXPECT_TRUE(fs::exists(cenario.saida + "/RES.CSV"));
}

} // namespace
