// A rodada inteira pela FormActivate: textos de situação em ordem, checagem final, caixas dos passos
// que tratam a própria falha e o fim da rodada numa falha que ninguém trata.
#include "ArquivoDbf.h"
#include "Falha.h"
#include "ImportacaoExtras.h"
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

// Um modelo que falta para a rodada na cópia, com uma caixa só que diz qual: nenhum passo roda sobre
// tabelas velhas ou ausentes, e fechar depois não acrescenta outra caixa.
TEST(Processamento, ModeloFaltandoParaNaCopiaComUmaCaixaSo) {
    RodadaTeste rodada;
    const std::string modelo = rodada.ajustes.DirSistema + "Bases0/Morvisan.dbf";
    std::filesystem::remove(modelo);
    rodada.Original(RodadaTeste::Linhas({"35;10;100;110"}));
    rodada.Traducao(RodadaTeste::Linhas({"35;A;10;B;20;5;1;"}));
    rodada.processamento.FormActivate();
    EXPECT_TRUE(rodada.processamento.Parou());
    EXPECT_EQ(rodada.painel.Mensagens(),
              std::vector<std::string>{"Erro! | Falha ao copiar.\r\rFalta o arquivo \"" + modelo + "\"."});
    EXPECT_EQ(rodada.painel.situacao, "Copiando bases de trabalho...");
    EXPECT_EQ(rodada.painel.TextoContador(Contador::BO_desc), "?");
    EXPECT_FALSE(rodada.painel.gradeLigada);
    EXPECT_FALSE(rodada.painel.cursorEspera);
    rodada.processamento.Fechando();
    EXPECT_EQ(rodada.painel.Mensagens().size(), 1u);
    EXPECT_FALSE(rodada.processamento.FalhouAoFechar());
    EXPECT_TRUE(std::filesystem::is_empty(rodada.ajustes.Pasta));
}

TEST(Processamento, CopiaImpedidaMostraFalhaAoCopiar) {
    RodadaTeste rodada;
    std::filesystem::create_directories(rodada.ajustes.PastaTrabalho() + "Original.dbf");
    rodada.processamento.Copiando();
    const auto mensagens = rodada.painel.Mensagens();
    ASSERT_EQ(mensagens.size(), 1u);
    EXPECT_EQ(mensagens[0].rfind("Erro! | Falha ao copiar.\r\r", 0), 0u);
    EXPECT_NE(mensagens[0].find("Trabalho/Original.dbf\": o arquivo j\xe1 existe."), std::string::npos) << mensagens[0];
    EXPECT_TRUE(rodada.processamento.Parou());
    EXPECT_FALSE(std::filesystem::exists(rodada.ajustes.PastaTrabalho() + "Morvisan.dbf"));
}

// A cópia presa por uma tabela ainda aberta não é apagada, e a rodada nova para ali: usar as tabelas
// da rodada anterior daria um resultado com os registros dela.
TEST(Processamento, CopiaPresaParaARodadaSemTocarNaSaidaAnterior) {
    RodadaTeste rodada;
    rodada.Prepara({}, {}, {"35;10;100;110"}, {});
    rodada.processamento.FormActivate();
    const std::string anterior = rodada.Saida("RES.CSV");
    // Sem Fechando: as tabelas da primeira rodada continuam abertas.
    rodada.Original(RodadaTeste::Linhas({"35;10;1;1", "35;20;2;2"}));
    rodada.processamento.FormActivate();
    EXPECT_TRUE(rodada.processamento.Parou());
    EXPECT_EQ(rodada.painel.Mensagens().back(), "Erro! | Falha ao apagar c\xf3pia anterior.\r\r\"" +
                                                    rodada.ajustes.PastaTrabalho() +
                                                    "Original.dbf\": a tabela ainda est\xe1 aberta.");
    EXPECT_EQ(RodadaTeste::Registros(rodada.dados.T_BO_DESC), std::vector<std::string>{"35|10|100|110"});
    EXPECT_EQ(rodada.Saida("RES.CSV"), anterior);
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

struct CasoCancelamento {
    std::string nome;
    // Quando o usuário pede para parar, visto pelo painel.
    std::function<bool(const PainelGravador&)> quando;
    std::string situacao;
};

class Cancelamento : public testing::TestWithParam<CasoCancelamento> {};

// Cancelar entre dois passos ou no meio de um lote de registros para a rodada sem publicar nada:
// as saídas anteriores ficam como estavam.
TEST_P(Cancelamento, ParaSemGravarNada) {
    RodadaTeste rodada;
    std::vector<std::string> original;
    for (int municipio = 1; municipio <= 5000; ++municipio)
        original.push_back("35;" + std::to_string(municipio) + ";100;110");
    rodada.Prepara({}, {}, original, {"35;A;1;B;2;5;1;"});
    rodada.pasta.Escreve("saida/RES.CSV", "anterior\r\n");
    const auto& caso = GetParam();
    rodada.painel.cancela = [&] { return caso.quando(rodada.painel); };
    EXPECT_THROW(rodada.processamento.FormActivate(), RodadaCancelada);
    EXPECT_EQ(rodada.painel.situacao, caso.situacao);
    EXPECT_EQ(rodada.Saida("RES.CSV"), "anterior\r\n");
    for (const char* outra : {"comp.CSV", "Morvisan.Log", "Morvisan.Avisos"})
        EXPECT_FALSE(std::filesystem::exists(rodada.ajustes.Pasta + "/" + outra)) << outra;
    rodada.processamento.Fechando();
    EXPECT_TRUE(rodada.painel.Mensagens().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Processamento, Cancelamento,
    testing::Values(
        CasoCancelamento{"EntrePassos", [](const PainelGravador& p) { return p.situacao == "Traduzindo..."; },
                         "Traduzindo..."},
        // O contador para no lote em que o pedido foi visto, não no fim da base.
        CasoCancelamento{"NoMeioDaCarga",
                         [](const PainelGravador& p) { return p.TextoContador(Contador::BO_desc) == "4096"; },
                         "Transferindo dados do arquivo a ser traduzido..."},
        CasoCancelamento{"NoMeioDaGravacao", [](const PainelGravador& p) { return p.posicoes.size() >= 4096; },
                         "Gravando..."}),
    NomeDoCaso<CasoCancelamento>);

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

namespace {

// A rodada segura a pasta do programa do começo até Fechando, como a janela aberta sobre o
// resultado: uma importação nesse meio é recusada sem mudar nada; depois de fechar, passa.
TEST(ProcessamentoTrava, PastaPresaDaRodadaAteFechando) {
    RodadaTeste rodada;
    rodada.Prepara({}, {}, {"35;10;100;110"}, {});
    rodada.processamento.FormActivate();
    rodada.pasta.Escreve("ufs.csv", "35;SP\r\n");
    Dados outros;
    try {
        ImportaBaseExtra(BaseExtra::Ufs, rodada.pasta / "ufs.csv", rodada.ajustes, outros);
        FAIL() << "a importa\xe7\xe3o devia ser recusada";
    } catch (const Falha& falha) {
        EXPECT_EQ(std::string(falha.what()),
                  "Outra rodada ou importa\xe7\xe3o est\xe1 em andamento nesta pasta do programa.");
    }
    EXPECT_FALSE(rodada.ajustes.base2);
    EXPECT_FALSE(std::filesystem::exists(rodada.ajustes.DirSistema + "Bases1/DEF_UF.dbf"));
    rodada.processamento.Fechando();
    EXPECT_EQ(ImportaBaseExtra(BaseExtra::Ufs, rodada.pasta / "ufs.csv", rodada.ajustes, outros).registrosIncluidos, 1);
}

} // namespace
