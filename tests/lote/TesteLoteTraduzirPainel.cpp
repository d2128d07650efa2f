// A face do terminal: linhas na saída, caixas na saída de erros, linha viva limitada no redesenho.
#include "PainelTerminal.h"
#include "Terminal.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

void SimulaRodada(PainelTerminal& painel) {
    painel.DefineContador(Contador::BO_desc, "?");
    painel.DefineSituacao("Transferindo dados do arquivo a ser traduzido...");
    for (int i = 1; i <= 100000; ++i)
        painel.DefineContador(Contador::BO_desc, std::to_string(i));
    painel.DefineSituacao("Gravando...");
    painel.DefineFaixaProgresso(0, 100000);
    for (int i = 1; i <= 100000; ++i)
        painel.DefinePosicaoProgresso(i);
    painel.Mensagem("Erro ao fechar algum banco de dados.", "Erro");
    painel.AcrescentaObs("1 UF(s) zerada(s).\r");
    painel.AcrescentaObs("-> problemas com o arquivo origem\r");
    painel.DefineSituacao("Fim - S\xe3o 100000 registros.");
    painel.Conclui();
}

const char* saidaEsperada = "Transferindo dados do arquivo a ser traduzido...\n"
                            "Base original - Registros: 100000\n"
                            "Gravando...\n"
                            "Fim - S\xe3o 100000 registros.\n"
                            "1 UF(s) zerada(s).\n"
                            "-> problemas com o arquivo origem\n";

TEST(PainelTerminal, SemTerminalSoLinhasExatas) {
    std::ostringstream saida, erros;
    PainelTerminal painel(saida, erros, false);
    SimulaRodada(painel);
    EXPECT_EQ(saida.str(), ParaTerminal(saidaEsperada));
    EXPECT_EQ(erros.str(), "Erro: Erro ao fechar algum banco de dados.\n");
    EXPECT_EQ(painel.TextoContador(Contador::BO_desc), "100000");
    EXPECT_EQ(painel.TextoObs(), "1 UF(s) zerada(s).\r\r\n-> problemas com o arquivo origem\r");
}

TEST(PainelTerminal, LinhaVivaRedesenhaPoucoEApagaNoFim) {
    std::ostringstream saida, erros;
    PainelTerminal painel(saida, erros, true);
    SimulaRodada(painel);
    EXPECT_EQ(saida.str(), ParaTerminal(saidaEsperada));
    // Duzentas mil mudanças em bem menos de um segundo: só os redesenhos forçados e uns poucos mais.
    EXPECT_LT(erros.str().size(), 20000u);
    EXPECT_NE(erros.str().find("Erro: Erro ao fechar algum banco de dados.\n"), std::string::npos);
    EXPECT_EQ(erros.str().substr(erros.str().size() - 4), "\r\033[K");
}

} // namespace
