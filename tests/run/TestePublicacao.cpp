// A troca do conjunto de saídas: tudo ou nada, mesmo com uma troca recusada no meio ou com o processo
// morto em qualquer ponto; a pasta fica só com as saídas, sem reserva, marca ou temporário.
#include "Falha.h"
#include "PastaTemporaria.h"
#include "Publicacao.h"
#include "Temporarios.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const Saidas[] = {"Morvisan.Log", "RES.CSV", "comp.CSV", "Morvisan.Avisos"};

std::map<std::string, std::string> Conteudo(const std::string& pasta) {
    std::map<std::string, std::string> arquivos;
    for (const auto& item : fs::directory_iterator(pasta))
        arquivos[item.path().filename().string()] = item.is_directory() ? "<pasta>" : LeArquivo(item.path().string());
    return arquivos;
}

// Os temporários do conjunto, com o texto "geração:nome" em cada um.
std::vector<std::pair<std::string, std::string>> Temporarios(const std::string& pasta, int geracao) {
    std::vector<std::pair<std::string, std::string>> trocas;
    for (const char* saida : Saidas) {
        const TemporarioCriado criado = CriaTemporario(pasta + saida, "tmp");
        const std::string texto = std::to_string(geracao) + ":" + saida;
        if (criado.descritor < 0 || ::write(criado.descritor, texto.data(), texto.size()) < 0)
            std::abort();
        ::close(criado.descritor);
        trocas.emplace_back(criado.caminho, pasta + saida);
    }
    return trocas;
}

struct CasoTroca {
    const char* nome;
    std::vector<std::string> anteriores; // as saídas que já existiam
    int recusada;                        // a troca que falha (-1: nenhuma)
    bool destinoPasta;                   // a recusada falha por haver uma pasta no destino
};

class TrocaDoConjunto : public testing::TestWithParam<CasoTroca> {};

// Uma troca que falha (o temporário sumiu, uma pasta no lugar do destino) deixa o conjunto anterior
// byte a byte, também onde um destino não existia; sem falha, o conjunto novo inteiro.
TEST_P(TrocaDoConjunto, TudoOuNada) {
    const CasoTroca& caso = GetParam();
    PastaTemporaria pasta;
    for (const std::string& anterior : caso.anteriores)
        pasta.Escreve(anterior, "0:" + anterior);
    if (caso.destinoPasta)
        fs::create_directories(pasta / (std::string(Saidas[caso.recusada]) + "/dentro"));
    const auto antes = Conteudo(pasta.Caminho());
    const auto trocas = Temporarios(pasta.Caminho(), 1);
    if (caso.recusada >= 0 && !caso.destinoPasta)
        fs::remove(trocas[static_cast<std::size_t>(caso.recusada)].first);
    if (caso.recusada < 0) {
        PublicaJuntos(trocas);
        std::map<std::string, std::string> novo;
        for (const char* saida : Saidas)
            novo[saida] = std::string("1:") + saida;
        EXPECT_EQ(Conteudo(pasta.Caminho()), novo);
        return;
    }
    try {
        PublicaJuntos(trocas);
        FAIL() << "publicou com uma troca recusada";
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find(Saidas[caso.recusada]), std::string::npos) << falha.what();
    }
    for (const auto& troca : trocas)
        fs::remove(troca.first);
    EXPECT_EQ(Conteudo(pasta.Caminho()), antes);
}

const CasoTroca casosTroca[] = {
    {"sem_falha", {"RES.CSV", "comp.CSV", "Morvisan.Log", "Morvisan.Avisos"}, -1, false},
    {"sem_falha_pasta_vazia", {}, -1, false},
    {"falha_na_terceira", {"RES.CSV", "comp.CSV", "Morvisan.Log", "Morvisan.Avisos"}, 2, false},
    {"falha_na_primeira", {"RES.CSV", "comp.CSV", "Morvisan.Log", "Morvisan.Avisos"}, 0, false},
    {"falha_na_ultima_com_destinos_novos", {"RES.CSV"}, 3, false},
    {"pasta_no_lugar_dos_avisos", {"RES.CSV", "comp.CSV", "Morvisan.Log"}, 3, true},
};

INSTANTIATE_TEST_SUITE_P(Casos, TrocaDoConjunto, testing::ValuesIn(casosTroca),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// Um processo publica conjuntos sem parar e é morto num instante qualquer: depois do reparo, as quatro
// saídas são sempre da mesma geração e não sobra reserva, marca nem temporário.
TEST(Publicacao, MortoEmQualquerPontoDeixaUmConjuntoInteiro) {
    PastaTemporaria pasta;
    PublicaJuntos(Temporarios(pasta.Caminho(), 0));
    std::mt19937 sorteio(20261209);
    for (int vez = 0; vez < 40; ++vez) {
        const pid_t filho = ::fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            for (int geracao = 1;; ++geracao)
                PublicaJuntos(Temporarios(pasta.Caminho(), geracao));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + sorteio() % 3000));
        ::kill(filho, SIGKILL);
        ::waitpid(filho, nullptr, 0);
        ReparaPublicacao(pasta.Caminho());
        LimpaTemporariosOrfaos(pasta.Caminho());
        const auto depois = Conteudo(pasta.Caminho());
        ASSERT_EQ(depois.size(), 4u);
        const std::string geracao = depois.at("RES.CSV").substr(0, depois.at("RES.CSV").find(':'));
        for (const auto& [nome, texto] : depois)
            EXPECT_EQ(texto, geracao + ":" + nome) << "vez " << vez;
    }
}

// Uma marca que não é do programa (nomes com "/") não mexe em nada fora da pasta e a rodada para
// com a pasta na mensagem.
TEST(Publicacao, MarcaAlheiaNaoMexeEmNada) {
    PastaTemporaria pasta;
    fs::create_directories(pasta / "saida");
    pasta.Escreve("fora.txt", "intocado");
    pasta.Escreve("saida/.morvisan-publicacao", std::string("../fora.txt\0\0", 13));
    try {
        ReparaPublicacao(pasta / "saida");
        FAIL() << "marca alheia aceita";
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find(pasta / "saida"), std::string::npos) << falha.what();
    }
    EXPECT_EQ(pasta.Le("fora.txt"), "intocado");
}

} // namespace
