// Verificação: as seis contagens, suas dicas pela atividade das bases extras e a cor do memo.
#include "Falha.h"
#include "RodadaTeste.h"

#include <gtest/gtest.h>

namespace {

struct CasoVerificacao {
    const char* nome;
    std::vector<std::string> municipios; // vazio: inativa
    std::vector<std::string> ufs;        // vazio: inativa
    std::vector<std::string> original;
    std::vector<std::string> traducao;
    std::vector<std::string> obs;
};

const std::vector<std::string> nomes = {"35;10;Dez", "35;20;Vinte"};
const std::vector<std::string> siglas = {"35;SP"};
const std::string ufsSemSiglas = "-> falta definir o arquivo com as siglas das UFs\r";
const std::string municipiosSemNomes = "-> falta definir o arquivo com os nomes dos Munic\xedpios\r";

class Verificacao : public testing::TestWithParam<CasoVerificacao> {};

TEST_P(Verificacao, RelataCadaContagem) {
    const CasoVerificacao& caso = GetParam();
    RodadaTeste rodada;
    rodada.Prepara(caso.municipios, caso.ufs, caso.original, caso.traducao);
    rodada.Traduz();
    rodada.processamento.Grava();
    const bool sucesso = caso.obs.front() == "Sucesso total!";
    // A cor de uma rodada anterior não fica: o passo sempre a define.
    rodada.painel.corObs = sucesso ? Cor::Vermelho : Cor::Azul;
    rodada.painel.obs = {"restos da rodada anterior"};
    rodada.processamento.EstResult();
    EXPECT_EQ(rodada.painel.obs, caso.obs);
    EXPECT_EQ(rodada.painel.corObs, sucesso ? Cor::Azul : Cor::Vermelho);
}

const CasoVerificacao casos[] = {
    {"tudo_certo",
     nomes,
     siglas,
     {"35;10;100;110", "35;20;200;210"},
     {},
     {"Sucesso total!", "POP1: 300 antes, 300 depois", "POP2: 320 antes, 320 depois"}},
    {"base_vazia", {}, {}, {}, {}, {"Sucesso total!", "POP1: 0 antes, 0 depois", "POP2: 0 antes, 0 depois"}},
    {"sem_bases_extras",
     {},
     {},
     {"35;10;100;110"},
     {},
     {"1 UF(s) nao encontrada(s).\r", ufsSemSiglas, "1 Munic\xedpio(s) nao encontrado(s).\r", municipiosSemNomes,
      "POP1: 100 antes, 100 depois", "POP2: 110 antes, 110 depois"}},
    {"quatro_pop2_zeradas",
     nomes,
     siglas,
     {"35;10;100;0", "35;20;200;0", "35;10;1;0", "35;20;2;0"},
     {},
     {"4 Popula\xe7\xe3o(\xf5"
      "es) projetada(s) zerada(s).\r",
      "-> problemas com o arquivo origem ou de tradu\xe7\xe3o\r", "POP1: 303 antes, 303 depois",
      "POP2: 0 antes, 0 depois", "2 aviso(s) da leitura -> veja Morvisan.Avisos"}},
    {"todas_as_checagens",
     {},
     {},
     {"0;0;0;0", "-;y;z;w", "35;10;5;5"},
     {},
     {"2 UF(s) zerada(s).\r", "-> problemas com o arquivo origem\r", "2 Munic\xedpio(s) zerado(s).\r",
      "-> problemas com o arquivo origem\r",
      "2 Popula\xe7\xe3o(\xf5"
      "es) real(is) zerada(s).\r",
      "-> problemas com o arquivo origem\r",
      "2 Popula\xe7\xe3o(\xf5"
      "es) projetada(s) zerada(s).\r",
      "-> problemas com o arquivo origem ou de tradu\xe7\xe3o\r", "3 UF(s) nao encontrada(s).\r", ufsSemSiglas,
      "3 Munic\xedpio(s) nao encontrado(s).\r", municipiosSemNomes, "POP1: 5 antes, 5 depois",
      "POP2: 5 antes, 5 depois", "5 aviso(s) da leitura -> veja Morvisan.Avisos"}},
    // Receptor numa UF sem sigla: a dica da base de siglas ativa; a de nomes pela base de nomes.
    {"siglas_ativas_com_falta",
     {},
     siglas,
     {"35;10;100;110"},
     {"36;A;5;B;7;0;1;"},
     {"1 Popula\xe7\xe3o(\xf5"
      "es) real(is) zerada(s).\r",
      "-> problemas com o arquivo origem\r",
      "1 Popula\xe7\xe3o(\xf5"
      "es) projetada(s) zerada(s).\r",
      "-> problemas com o arquivo origem ou de tradu\xe7\xe3o\r", "1 UF(s) nao encontrada(s).\r",
      "-> problemas com o arquivo origem ou de siglas das UFs\r", "2 Munic\xedpio(s) nao encontrado(s).\r",
      municipiosSemNomes, "POP1: 100 antes, 100 depois", "POP2: 110 antes, 110 depois"}},
    {"nomes_ativos_siglas_inativas",
     nomes,
     {},
     {"35;10;100;110", "35;20;200;210"},
     {"35;A;10;B;99;50;1;"},
     {"3 UF(s) nao encontrada(s).\r", ufsSemSiglas, "1 Munic\xedpio(s) nao encontrado(s).\r",
      "-> problemas com o arquivo origem ou de nomes dos Munic\xedpios\r", "POP1: 300 antes, 300 depois",
      "POP2: 320 antes, 320 depois"}},
};

INSTANTIATE_TEST_SUITE_P(Casos, Verificacao, testing::ValuesIn(casos), NomeDoCaso<CasoVerificacao>);

} // namespace

namespace {

// Sem a base final a primeira contagem falha: o passo para ali, sem mexer na cor nem dizer sucesso.
TEST(VerificacaoFalha, ContagemRecusadaParaSemSucessoNemCor) {
    RodadaTeste rodada;
    rodada.painel.corObs = Cor::Azul;
    EXPECT_THROW(rodada.processamento.EstResult(), Falha);
    EXPECT_TRUE(rodada.painel.obs.empty());
    EXPECT_EQ(rodada.painel.corObs, Cor::Azul);
}

} // namespace
