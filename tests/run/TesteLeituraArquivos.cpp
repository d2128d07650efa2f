// Arquivos como as planilhas os salvam: UTF-8 com ou sem marca, aspas, títulos, datas. Cada valor
// trocado na leitura vira um aviso com arquivo, linha e campo; o arquivo sem nenhum registro para a
// rodada com o nome dele na mensagem.
#include "Falha.h"
#include "RodadaTeste.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string Marca = "\xEF\xBB\xBF";

struct CasoLeitura {
    const char* nome;
    char separador;
    std::string original;
    std::string traducao;
    std::vector<std::string> registrosBO;
    std::vector<std::string> registrosBT;
    std::vector<std::string> avisos; // ARQUIVO;LINHA;CAMPO;AVISO;TEXTO
};

class LeituraArquivos : public testing::TestWithParam<CasoLeitura> {};

TEST_P(LeituraArquivos, RegistrosEAvisos) {
    const CasoLeitura& caso = GetParam();
    RodadaTeste rodada(caso.separador);
    rodada.Original(caso.original);
    rodada.Traducao(caso.traducao);
    rodada.Carrega();
    EXPECT_EQ(RodadaTeste::Registros(rodada.dados.T_BO_DESC), caso.registrosBO);
    EXPECT_EQ(RodadaTeste::Registros(rodada.dados.T_BT_DESC), caso.registrosBT);
    std::vector<std::string> avisos;
    for (const Aviso& aviso : rodada.processamento.Avisos())
        avisos.push_back(aviso.arquivo + ";" + std::to_string(aviso.linha) + ";" + aviso.campo + ";" + aviso.aviso +
                         ";" + aviso.texto);
    EXPECT_EQ(avisos, caso.avisos);
}

const std::string umaMudanca = "35;A;1;B;2;5;1;\r\n";
const std::vector<std::string> umRegistroBT = {"35|A|1|B|2|5|1|"};

// Campos de Morvisan.dbf: CD_UF|SIT_DOA|CD_MUND|SIT_REC|CD_MUNR|POP|DATA|EXCECAO.
const CasoLeitura casos[] = {
    {"marca_utf8_nao_perde_o_primeiro",
     '.',
     Marca + "35;1;7817;8003\r\n35;2;1;1\r\n",
     Marca + umaMudanca,
     {"35|1|7817|8003", "35|2|1|1"},
     umRegistroBT,
     {}},
    {"utf8_vira_windows_1252_antes_da_largura",
     '.',
     "",
     "35;Situa\xC3\xA7\xC3\xA3o12;1;B;2;5;1;\r\n",
     {},
     {"35|Situa\xE7\xE3o12|1|B|2|5|1|"},
     {}},
    {"latin1_fica_como_esta",
     '.',
     "",
     "35;Situa\xE7\xE3o12;1;B;2;5;1;\r\n",
     {},
     {"35|Situa\xE7\xE3o12|1|B|2|5|1|"},
     {}},
    {"fora_da_pagina_vira_interrogacao",
     '.',
     "",
     "35;\xC5\x81\xC3\xB3"
     "dz;1;B;2;5;1;\r\n",
     {},
     {"35|?\xF3"
      "dz|1|B|2|5|1|"},
     {"traducao.csv;1;SIT_DOA;trocado por ?;?\xF3"
      "dz"}},
    // Um espaço fino no meio do número: o "?" que o substitui não passa no teste e o valor vira 0.
    {"interrogacao_em_numero_vira_zero",
     '.',
     "35;1;7\xE2\x80\x89"
     "817;-\r\n",
     "",
     {"35|1|0|0"},
     {},
     {"original.csv;1;POP1;trocado por ?;7?817", "original.csv;1;POP1;trocado por 0;7?817",
      "original.csv;1;POP2;trocado por 0;-"}},
    {"aspas_em_todos_os_campos", '.', "\"35\";\"1\";\"7817\";\"8003\"\r\n", "", {"35|1|7817|8003"}, {}, {}},
    {"aspas_dobradas_e_brancos_de_fora",
     '.',
     " \"35\" ;1;\"100\" ; \"200\" \r\n",
     "35;\"A \"\"X\"\"\";1;\" B\";2;5;1;\"*\"\r\n",
     {"35|1|100|200"},
     {"35|A \"X\"|1| B|2|5|1|*"},
     {}},
    {"titulos_no_comeco_e_no_meio",
     '.',
     "CD_UF;CD_MUN;POP1;POP2\r\n35;1;1;1\r\n\"Cd_uf\";x;y;z\r\n35;2;2;2\r\n",
     "\xC9poca;A;B\r\n" + umaMudanca,
     {"35|1|1|1", "35|2|2|2"},
     umRegistroBT,
     {"original.csv;1;;linha de t\xEDtulos pulada;CD_UF;CD_MUN;POP1;POP2",
      "original.csv;3;;linha de t\xEDtulos pulada;\"Cd_uf\";x;y;z",
      "traducao.csv;1;;linha de t\xEDtulos pulada;\xC9poca;A;B"}},
    {"codigo_hexadecimal_nao_eh_titulo", '.', "x23;1;2;3\r\n", "", {"35|1|2|3"}, {}, {}},
    {"datas_de_planilha",
     '.',
     "",
     "35;A;1;B;2;5;2013-01-01;\r\n35;A;1;B;3;5;01/01/2013;\r\n35;A;1;B;5;5;29/02/2012;\r\n",
     {},
     {"35|A|1|B|2|5|20130101|", "35|A|1|B|3|5|20130101|", "35|A|1|B|5|5|20120229|"},
     {}},
    // Grupos de três com ponto são milhares em qualquer localidade: lidos, com nota.
    {"milhar_com_ponto_lido_com_nota",
     ',',
     "35;1;7.817;1.008.003\r\n",
     "",
     {"35|1|7817|1008003"},
     {},
     {"original.csv;1;POP1;separador de milhar lido;7.817", "original.csv;1;POP2;separador de milhar lido;1.008.003"}},
    {"avisos_na_ordem_de_linha_e_campo",
     '.',
     "\r\n35;;1;1\r\n-;y;\xC5\x81;w\r\n",
     "",
     {"35|0|1|1", "0|0|0|0"},
     {},
     {"original.csv;2;CD_MUN;trocado por 0;", "original.csv;3;CD_UF;trocado por 0;-",
      "original.csv;3;CD_MUN;trocado por 0;y", "original.csv;3;POP1;trocado por ?;?",
      "original.csv;3;POP1;trocado por 0;?", "original.csv;3;POP2;trocado por 0;w"}},
};

INSTANTIATE_TEST_SUITE_P(Arquivos, LeituraArquivos, testing::ValuesIn(casos), NomeDoCaso<CasoLeitura>);

struct CasoRecusa {
    const char* nome;
    std::string original;
    std::string traducao;
    std::string mensagem;
};

class RecusaArquivo : public testing::TestWithParam<CasoRecusa> {};

// Um arquivo com texto mas sem nenhum registro para a rodada antes de gravar qualquer saída.
TEST_P(RecusaArquivo, ParaARodadaSemGravarNada) {
    const CasoRecusa& caso = GetParam();
    RodadaTeste rodada;
    rodada.Original(caso.original);
    rodada.Traducao(caso.traducao);
    try {
        rodada.processamento.FormActivate();
        FAIL() << "a rodada devia parar";
    } catch (const Falha& falha) {
        EXPECT_EQ(std::string(falha.what()), caso.mensagem);
    }
    EXPECT_FALSE(rodada.painel.gradeLigada);
    EXPECT_TRUE(std::filesystem::is_empty(rodada.ajustes.Pasta));
}

const std::string boaOriginal = "35;1;100;200\r\n";
const std::string semSeparador = ": nenhuma linha tem o separador ';' (use ponto e v\xedrgula entre os campos).";

const CasoRecusa casosRecusa[] = {
    {"original_com_virgulas", "35,1,100,200\r\n35,2,5,5\r\n", umaMudanca, "original.csv" + semSeparador},
    {"traducao_com_virgulas", boaOriginal, "35,A,1,B,2,5,1,\r\n", "traducao.csv" + semSeparador},
    {"data_que_nao_existe", boaOriginal, "35;A;1;B;4;5;2013-02-30;\r\n",
     "traducao.csv, linha 1, campo DATA: '2013-02-30' n\xe3o \xe9 uma data v\xe1lida."},
    {"so_titulos", "CD_UF;CD_MUN;POP1;POP2\r\n\r\n", umaMudanca,
     "original.csv: nenhuma linha de dados, s\xf3 linhas de t\xedtulos."},
    {"utf16_do_excel",
     std::string("\xFF\xFE"
                 "3\0"
                 "5\0;\0"
                 "1\0",
                 10),
     umaMudanca,
     "original.csv: o arquivo est\xe1 em UTF-16 (texto Unicode); salve-o como CSV em UTF-8 ou Windows-1252, com ponto "
     "e v\xedrgula entre os campos."},
};

INSTANTIATE_TEST_SUITE_P(Arquivos, RecusaArquivo, testing::ValuesIn(casosRecusa), NomeDoCaso<CasoRecusa>);

} // namespace
