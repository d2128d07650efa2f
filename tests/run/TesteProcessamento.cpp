// A rodada inteira pela FormActivate: textos de situação em ordem, checagem final, caixas dos passos
// que tratam a própria falha e o fim da rodada numa falha que ninguém trata.
#include "ArquivoDbf.h"
#include "Falha.h"
#include "RodadaTeste.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::vector<std::string> situacoesSemExtras = {"Copiando bases de trabalho...",
                                                     "Abrindo bases de trabalho...",
                                                     "Transferindo dados do arquivo a ser traduzido...",
                                                     "Transferindo dados do arquivo morvisan...",
                                                     "Preparando arquivo final...",
                                                     "Traduzindo...",
                                                     "Gravando...",
                                                     "Verificando estado do resultado..."};

std::vector<std::string> Com(std::vector<std::string> situacoes, const std::string& final) {
    situacoes.push_back(final);
    return situacoes;
}

TEST(Processamento, RodadaCertaSemBasesExtras) {
    RodadaTeste rodada;
    rodada.painel.contadores[Contador::BO_desc] = "17";
    rodada.painel.contadores[Contador::BF_DESC] = "+9";
    rodada.Original(RodadaTeste::Linhas({"35;10;100;110", "35;20;200;210"}));
    rodada.Traducao(RodadaTeste::Linhas({"35;A;10;B;30;50;1;", "35;A;10;B;20;5;1;"}));
    rodada.processamento.FormActivate();
    EXPECT_EQ(rodada.painel.Situacoes(), Com(situacoesSemExtras, "Fim - S\xe3o 3 registros."));
    EXPECT_EQ(rodada.painel.corSituacao, Cor::FaceBotao);
    EXPECT_EQ(rodada.painel.TextoContador(Contador::BO_desc), "2");
    EXPECT_EQ(rodada.painel.TextoContador(Contador::BT_DESC), "2");
    EXPECT_EQ(rodada.painel.TextoContador(Contador::BF_DESC), "+1");
    EXPECT_EQ(rodada.painel.eventos.front(), "esconde principal");
    EXPECT_EQ(rodada.painel.eventos.back(), "cursor normal");
    EXPECT_TRUE(rodada.painel.gradeLigada);
    EXPECT_EQ(rodada.painel.posicoes.front(), 0);
    EXPECT_EQ(rodada.dados.T_BF_DESC.RegistroAtual(), 1);
    EXPECT_TRUE(rodada.painel.Mensagens().empty());
}

TEST(Processamento, BaseExtraAtivaMostraALinhaDosNomes) {
    RodadaTeste rodada;
    rodada.Ufs({"35;SP"});
    rodada.Original(RodadaTeste::Linhas({"35;10;100;110"}));
    rodada.processamento.FormActivate();
    std::vector<std::string> esperadas = situacoesSemExtras;
    esperadas.insert(esperadas.begin() + 6, "Incluindo nomes de municipios e/ou UFs...");
    EXPECT_EQ(rodada.painel.Situacoes(), Com(esperadas, "Fim - S\xe3o 1 registros."));
}

TEST(Processamento, MunicipioSemNomeMarcaErroEmVermelho) {
    RodadaTeste rodada;
    rodada.Municipios({"35;10;Dez"});
    rodada.Original(RodadaTeste::Linhas({"35;10;100;110", "35;20;200;210"}));
    rodada.processamento.FormActivate();
    EXPECT_EQ(rodada.painel.situacao, "Fim - S\xe3o 1 registros. (erro)");
    EXPECT_EQ(rodada.painel.corSituacao, Cor::Vermelho);
    EXPECT_TRUE(rodada.painel.gradeLigada);
}

TEST(Processamento, ArquivosVaziosDaoBaseVaziaSemErro) {
    RodadaTeste rodada;
    rodada.Original("");
    rodada.Traducao("\r\n  \r\n");
    rodada.processamento.FormActivate();
    EXPECT_EQ(rodada.painel.situacao, "Fim - S\xe3o 0 registros.");
    for (Contador contador : {Contador::BO_desc, Contador::BT_DESC, Contador::BF_DESC})
        EXPECT_EQ(rodada.painel.TextoContador(contador), "?");
}

TEST(Processamento, ModeloFaltandoCaixasDosPassosEDepoisAFalha) {
    RodadaTeste rodada;
    std::filesystem::remove(rodada.ajustes.DirSistema + "Bases0/Morvisan.dbf");
    rodada.Original(RodadaTeste::Linhas({"35;10;100;110"}));
    rodada.Traducao(RodadaTeste::Linhas({"35;A;10;B;20;5;1;"}));
    EXPECT_THROW(rodada.processamento.FormActivate(), Falha);
    EXPECT_EQ(rodada.painel.Mensagens(),
              (std::vector<std::string>{"Erro! | Falha ao copiar.", "Erro | Erro ao abrir algum banco de dados."}));
    // A rodada parou onde falhou: situação do passo, contador que já contou, grade solta, ampulheta.
    EXPECT_EQ(rodada.painel.situacao, "Transferindo dados do arquivo morvisan...");
    EXPECT_EQ(rodada.painel.TextoContador(Contador::BO_desc), "1");
    EXPECT_FALSE(rodada.painel.gradeLigada);
    EXPECT_TRUE(rodada.painel.cursorEspera);
    rodada.processamento.Fechando();
    EXPECT_EQ(rodada.painel.Mensagens().back(), "Erro | Erro ao fechar algum banco de dados.");
    // O que a carga já gravou fica na cópia de trabalho.
    EXPECT_EQ(LeDbf(rodada.ajustes.PastaTrabalho() + "Original.dbf").registros.size(), 1u);
}

TEST(Processamento, CopiaImpedidaMostraFalhaAoCopiar) {
    RodadaTeste rodada;
    std::filesystem::create_directories(rodada.ajustes.PastaTrabalho() + "Original.dbf");
    std::filesystem::create_directories(rodada.ajustes.PastaTrabalho());
    rodada.processamento.Copiando();
    EXPECT_EQ(rodada.painel.Mensagens(), std::vector<std::string>{"Erro! | Falha ao copiar."});
    EXPECT_FALSE(std::filesystem::exists(rodada.ajustes.PastaTrabalho() + "Morvisan.dbf"));
}

TEST(Processamento, CopiaPresaPorTabelaAbertaNaoEApagada) {
    RodadaTeste rodada;
    rodada.Original(RodadaTeste::Linhas({"35;10;100;110"}));
    rodada.Carrega();
    rodada.processamento.Copiando();
    EXPECT_EQ(rodada.painel.Mensagens(), std::vector<std::string>{"Erro! | Falha ao apagar c\xf3pia anterior."});
    EXPECT_EQ(RodadaTeste::Registros(rodada.dados.T_BO_DESC), std::vector<std::string>{"35|10|100|110"});
}

TEST(Processamento, FalhaDeLeituraTerminaARodadaNoPasso) {
    RodadaTeste rodada;
    rodada.ajustes.Arquivos[0] = rodada.pasta / "sumiu.csv";
    EXPECT_THROW(rodada.processamento.FormActivate(), Falha);
    EXPECT_EQ(rodada.painel.situacao, "Transferindo dados do arquivo a ser traduzido...");
    EXPECT_FALSE(rodada.painel.gradeLigada);
    EXPECT_TRUE(rodada.painel.Mensagens().empty());
    // Fechar depois da falha: as tabelas abertas fecham sem caixa.
    rodada.processamento.Fechando();
    EXPECT_TRUE(rodada.painel.Mensagens().empty());
}

TEST(Processamento, SegundaRodadaComecaDeCopiasNovas) {
    RodadaTeste rodada;
    rodada.Municipios({"35;10;Dez", "35;20;Vinte"});
    rodada.Original(RodadaTeste::Linhas({"35;10;100;110", "35;20;200;210"}));
    rodada.Traducao(RodadaTeste::Linhas({"35;A;10;B;20;5;1;"}));
    rodada.processamento.FormActivate();
    rodada.processamento.Fechando();
    rodada.Traducao("");
    // A base de nomes deixa de estar ativa: a cópia velha fica em Trabalho, mas não entra.
    rodada.ajustes.base1 = false;
    rodada.Original(RodadaTeste::Linhas({"35;20;7;8"}));
    rodada.processamento.FormActivate();
    EXPECT_EQ(RodadaTeste::Registros(rodada.dados.T_BF_DESC),
              std::vector<std::string>{"35|20|??|<nome inexistente>|7|8"});
    EXPECT_EQ(rodada.painel.situacao, "Fim - S\xe3o 1 registros.");
    EXPECT_EQ(rodada.dados.T_BT_DESC.Registros(), 0);
    EXPECT_EQ(rodada.Saida("Morvisan.Log").find("35;10"), std::string::npos);
    rodada.processamento.Fechando();
    EXPECT_TRUE(rodada.painel.Mensagens().empty());
    EXPECT_TRUE(std::filesystem::exists(rodada.ajustes.PastaTrabalho() + "DEF_MUN.dbf"));
}

} // namespace
