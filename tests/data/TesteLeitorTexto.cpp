// Leitor de linhas: CR, LF e CR LF terminam a linha; Ctrl-Z encerra; linhas longas; falhas claras.
#include "Falha.h"
#include "LeitorTexto.h"
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> LeTodas(const std::string& caminho) {
    LeitorTexto leitor(caminho);
    std::vector<std::string> linhas;
    std::string linha;
    while (leitor.LeLinha(linha))
        linhas.push_back(linha);
    return linhas;
}

struct CasoLinhas {
    const char* nome;
    std::string bytes;
    std::vector<std::string> linhas;
};
void PrintTo(const CasoLinhas& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteLeitorLinhas : public testing::TestWithParam<CasoLinhas> {};

TEST_P(TesteLeitorLinhas, CortaNasLinhasCertas) {
    PastaTemporaria pasta;
    pasta.Escreve("entrada.csv", GetParam().bytes);
    EXPECT_EQ(LeTodas(pasta / "entrada.csv"), GetParam().linhas);
}

const CasoLinhas casosLinhas[] = {
    {"vazio", "", {}},
    {"cr_lf", "a;1\r\nb;2\r\n", {"a;1", "b;2"}},
    {"so_lf", "a;1\nb;2\n", {"a;1", "b;2"}},
    {"so_cr", "a;1\rb;2\r", {"a;1", "b;2"}},
    {"misturado", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    {"sem_fim_de_linha_no_fim", "a\r\nb", {"a", "b"}},
    {"linha_vazia_no_meio", "a\r\n\r\nb\r\n", {"a", "", "b"}},
    {"so_um_fim_de_linha", "\r\n", {""}},
    {"lf_cr_sao_dois_fins", "a\n\rb", {"a", "", "b"}},
    {"cr_cr_lf", "a\r\r\nb", {"a", "", "b"}},
    {"ctrl_z_encerra",
     "a\r\nb\x1A"
     "c\r\nd\r\n",
     {"a", "b"}},
    {"ctrl_z_no_inicio_de_linha",
     "a\r\n\x1A"
     "b\r\n",
     {"a"}},
    {"ctrl_z_no_inicio",
     "\x1A"
     "abc",
     {}},
    {"latin1_intacto", "35;S\xE3o Paulo\r\n", {"35;S\xE3o Paulo"}},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLeitorLinhas, testing::ValuesIn(casosLinhas),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST(TesteLeitorTexto, LinhaDeUmMegaPassandoPelosBlocos) {
    PastaTemporaria pasta;
    const std::string longa(1 << 20, 'x');
    // O CR LF cai na fronteira de um bloco de leitura para provar que o LF não vira linha vazia.
    const std::string antes(65535, 'y');
    pasta.Escreve("longa.csv", antes + "\r\n" + longa + "\r\nfim");
    EXPECT_EQ(LeTodas(pasta / "longa.csv"), (std::vector<std::string>{antes, longa, "fim"}));
}

TEST(TesteLeitorTexto, ArquivoQueFaltaDizONome) {
    PastaTemporaria pasta;
    try {
        LeitorTexto leitor(pasta / "nao-existe.csv");
        FAIL();
    } catch (const Falha& falha) {
        const std::string mensagem = falha.what();
        EXPECT_NE(mensagem.find(pasta / "nao-existe.csv"), std::string::npos) << mensagem;
        EXPECT_NE(mensagem.find("n\xE3o encontrado"), std::string::npos) << mensagem;
    }
}

TEST(TesteLeitorTexto, PastaNoLugarDoArquivoFalhaAoLer) {
    PastaTemporaria pasta;
    pasta.Escreve("pasta.csv/dentro", "x");
    try {
        LeTodas(pasta / "pasta.csv");
        FAIL();
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find(pasta / "pasta.csv"), std::string::npos) << falha.what();
    }
}

TEST(TesteLeitorTexto, ByteNuloNaoEhTexto) {
    PastaTemporaria pasta;
    pasta.Escreve("binario.csv", std::string("35;1;A\r\nPK\x03\x04\0\0\x14", 15));
    LeitorTexto leitor(pasta / "binario.csv");
    std::string linha;
    ASSERT_TRUE(leitor.LeLinha(linha));
    EXPECT_EQ(linha, "35;1;A");
    try {
        leitor.LeLinha(linha);
        FAIL();
    } catch (const Falha& falha) {
        EXPECT_EQ(std::string(falha.what()),
                  "O arquivo \"" + (pasta / "binario.csv") + "\" n\xE3o \xE9 um arquivo texto (byte nulo na linha 2).");
    }
}

} // namespace
