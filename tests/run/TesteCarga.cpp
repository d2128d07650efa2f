// Carga dos arquivos de entrada: cada regra de linha, os fins de linha e as falhas.
#include "Falha.h"
#include "RodadaTeste.h"

#include <gtest/gtest.h>

namespace {

struct CasoCarga {
    const char* nome;
    char separador;
    std::string bytes;
    std::vector<std::string> registros;
    const char* contador;
};

// Carrega o arquivo do caso como base original ou de tradução e confere a tabela e o contador.
void ConfereCarga(const CasoCarga& caso, bool traducao) {
    RodadaTeste rodada(caso.separador);
    if (traducao)
        rodada.Traducao(caso.bytes);
    else
        rodada.Original(caso.bytes);
    rodada.Carrega();
    EXPECT_EQ(RodadaTeste::Registros(traducao ? rodada.dados.T_BT_DESC : rodada.dados.T_BO_DESC), caso.registros);
    EXPECT_EQ(rodada.painel.TextoContador(traducao ? Contador::BT_DESC : Contador::BO_desc), caso.contador);
}

class CargaOriginal : public testing::TestWithParam<CasoCarga> {};

TEST_P(CargaOriginal, LinhaViraRegistro) {
    ConfereCarga(GetParam(), false);
}

const CasoCarga casosOriginal[] = {
    {"simples", '.', "35;1200;5000;7000\r\n", {"35|1200|5000|7000"}, "1"},
    {"brancos_a_esquerda_e_em_volta_de_pop2", '.', "  35;1200;5000;  7000  \r\n", {"35|1200|5000|7000"}, "1"},
    {"separador_final_zera_pop2", '.', "35;1200;5000;7000;\r\n", {"35|1200|5000|0"}, "1"},
    {"branco_depois_do_uf_zera", '.', "35 ;1200;5000;7000\r\n", {"0|1200|5000|7000"}, "1"},
    {"dois_campos_lidos", '.', "35;1200\r\n", {"35|1200|0|0"}, "1"},
    {"tres_campos_le_o_terceiro", '.', "35;1200;5000\r\n", {"35|1200|5000|0"}, "1"},
    {"linha_de_titulos_pulada", '.', "CD_UF;CD_MUN;POP1;POP2\r\n35;1;2;3\r\n", {"35|1|2|3"}, "1"},
    {"codigos_hexadecimais", '.', "$23;0x4B0;5000;7000\r\n", {"35|1200|5000|7000"}, "1"},
    {"hexa_com_sinal_zera", '.', "-$23;1200;5000;7000\r\n", {"0|1200|5000|7000"}, "1"},
    {"linha_so_de_separadores_pulada", '.', ";;;\r\n ; ;\r\n", {}, "?"},
    {"pop2_longo_lido_inteiro", '.', "35;1200;5000;0000000012345\r\n", {"35|1200|5000|12345"}, "1"},
    {"pop2_com_branco_no_meio_zera", '.', "35;1200;5000;00000000001 3\r\n", {"35|1200|5000|0"}, "1"},
    {"virgula_rejeita_ponto", ',', "35;1200;5000;7000.5\r\n", {"35|1200|5000|0"}, "1"},
    {"linhas_sem_separador_nao_contam", '.', "\r\n   \r\nTITULO\r\n35;1;2;3\r\n", {"35|1|2|3"}, "1"},
    {"so_brancos_e_arquivo_vazio", '.', "\r\n \t \r\n", {}, "?"},
    {"arquivo_vazio_deixa_interrogacao", '.', "", {}, "?"},
    {"fim_de_linha_lf", '.', "35;1;2;3\n35;2;4;6\n", {"35|1|2|3", "35|2|4|6"}, "2"},
    {"fim_de_linha_cr", '.', "35;1;2;3\r35;2;4;6\r", {"35|1|2|3", "35|2|4|6"}, "2"},
    {"fim_de_linha_crlf_sem_o_ultimo", '.', "35;1;2;3\r\n35;2;4;6", {"35|1|2|3", "35|2|4|6"}, "2"},
    {"ctrl_z_encerra",
     '.',
     "35;1;2;3\r\n\x1a"
     "35;2;4;6\r\n",
     {"35|1|2|3"},
     "1"},
    {"populacao_negativa", '.', "35;1;-20;+30\r\n", {"35|1|-20|30"}, "1"},
};

INSTANTIATE_TEST_SUITE_P(Linhas, CargaOriginal, testing::ValuesIn(casosOriginal), NomeDoCaso<CasoCarga>);

class CargaTraducao : public testing::TestWithParam<CasoCarga> {};

TEST_P(CargaTraducao, LinhaViraRegistro) {
    ConfereCarga(GetParam(), true);
}

// Campos: CD_UF|SIT_DOA|CD_MUND|SIT_REC|CD_MUNR|POP|DATA|EXCECAO; o branco da marca é guardado nulo.
const CasoCarga casosTraducao[] = {
    {"completa", '.', "35;A;10;B;20;500;20130101;*\r\n", {"35|A|10|B|20|500|20130101|*"}, "1"},
    {"sete_campos_le_a_data", '.', "35;A;10;B;20;500;20130101\r\n", {"35|A|10|B|20|500|20130101|"}, "1"},
    {"marca_com_brancos", '.', "35;A;10;B;20;500;1; * \r\n", {"35|A|10|B|20|500|1|*"}, "1"},
    {"marca_letra", '.', "35;A;10;B;20;500;1;x\r\n", {"35|A|10|B|20|500|1|"}, "1"},
    {"marca_dupla", '.', "35;A;10;B;20;500;1;**\r\n", {"35|A|10|B|20|500|1|"}, "1"},
    {"marca_longa_com_asterisco", '.', "35;A;10;B;20;500;1;*abcdefgh\r\n", {"35|A|10|B|20|500|1|*"}, "1"},
    {"marca_longa_sem_asterisco", '.', "35;A;10;B;20;500;1;a*bcdefgh\r\n", {"35|A|10|B|20|500|1|"}, "1"},
    {"marca_de_oito_nao_corta", '.', "35;A;10;B;20;500;1;*abcdefg\r\n", {"35|A|10|B|20|500|1|"}, "1"},
    {"titulos_pulados",
     '.',
     "CD_UF;SIT_DOA;CD_MUND;SIT_REC;CD_MUNR;POP;DATA;EXCECAO\r\n35;A;10;B;20;5;1;\r\n",
     {"35|A|10|B|20|5|1|"},
     "1"},
    {"campos_que_faltam", '.', "35;A;10\r\n", {"35|A|10|_|0|0|0|"}, "1"},
    {"situacoes_guardam_brancos", '.', "35; A ;10;B ;20;5;1;\r\n", {"35| A|10|B|20|5|1|"}, "1"},
};

INSTANTIATE_TEST_SUITE_P(Linhas, CargaTraducao, testing::ValuesIn(casosTraducao), NomeDoCaso<CasoCarga>);

struct CasoFalhaConversao {
    const char* nome;
    char separador;
    const char* linha;
    const char* mensagem;
};

class CargaFalhaConversao : public testing::TestWithParam<CasoFalhaConversao> {};

// O teste decimal deixa passar o que a conversão recusa: a rodada para, com os registros já postados.
TEST_P(CargaFalhaConversao, ParaARodadaComAMensagemDaConversao) {
    const CasoFalhaConversao& caso = GetParam();
    RodadaTeste rodada(caso.separador);
    rodada.Original(RodadaTeste::Linhas({"35;1;100;200", caso.linha, "35;3;100;200"}));
    try {
        rodada.Carrega();
        FAIL() << "esperava a falha da conversão";
    } catch (const Falha& falha) {
        EXPECT_EQ(std::string(falha.what()), caso.mensagem);
    }
    EXPECT_EQ(rodada.painel.TextoContador(Contador::BO_desc), "1");
}

const CasoFalhaConversao casosFalha[] = {
    {"branco_depois_de_pop1", '.', "35;1200;5000 ;7000",
     "original.csv, linha 2, campo POP1: '5000 ' n\xe3o \xe9 um n\xfamero inteiro v\xe1lido."},
    {"fracao_com_virgula", ',', "35;1200;5000;7000,5",
     "original.csv, linha 2, campo POP2: '7000,5' n\xe3o \xe9 um n\xfamero inteiro v\xe1lido."},
    {"fracao_com_ponto", '.', "35;1200;5000;7000.5",
     "original.csv, linha 2, campo POP2: '7000.5' n\xe3o \xe9 um n\xfamero inteiro v\xe1lido."},
    {"expoente", '.', "35;1200;5e3;7000",
     "original.csv, linha 2, campo POP1: '5e3' n\xe3o \xe9 um n\xfamero inteiro v\xe1lido."},
    {"fora_de_32_bits", '.', "35;1200;5000;99999999999",
     "original.csv, linha 2, campo POP2: '99999999999' n\xe3o \xe9 um n\xfamero inteiro v\xe1lido."},
};

INSTANTIATE_TEST_SUITE_P(Conversao, CargaFalhaConversao, testing::ValuesIn(casosFalha), NomeDoCaso<CasoFalhaConversao>);

TEST(Carga, ArquivoIlegivelParaARodadaComONomeDoArquivo) {
    RodadaTeste rodada;
    rodada.ajustes.Arquivos[1] = rodada.pasta / "nao-existe.csv";
    try {
        rodada.Carrega();
        FAIL() << "esperava a falha de leitura";
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find("nao-existe.csv"), std::string::npos) << falha.what();
    }
}

TEST(Carga, ContadorMostraCadaRegistro) {
    RodadaTeste rodada;
    rodada.Original(RodadaTeste::Linhas({"1;1;1;1", "sem separador", "1;2;1;1", "1;3;1;1"}));
    rodada.Carrega();
    EXPECT_EQ(rodada.painel.historicoContadores[Contador::BO_desc], (std::vector<std::string>{"1", "2", "3"}));
}

TEST(Carga, UmaLinhaDeUmMegaByte) {
    RodadaTeste rodada;
    rodada.Original("35;1;2;3;" + std::string(1 << 20, 'x') + "\r\n35;2;3;4\r\n");
    rodada.Carrega();
    EXPECT_EQ(RodadaTeste::Registros(rodada.dados.T_BO_DESC), (std::vector<std::string>{"35|1|2|0", "35|2|3|4"}));
}

} // namespace
