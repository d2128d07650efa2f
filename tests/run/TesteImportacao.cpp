// Importação das bases extras: cortes das linhas, contagens, substituição da cópia e base ativa.
#include "AreaTrabalho.h"
#include "ImportacaoExtras.h"
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Lê a cópia de Bases1 com um motor novo, um registro por texto "CD_UF|CD_MUN|MUN" ou "CD_UF|SG_UF".
std::vector<std::string> LeCopia(const std::string& sistema, BaseExtra base) {
    Motor motor;
    Tabela tabela(motor);
    tabela.DefinePasta(sistema + "Bases1");
    // O nome em outra caixa: o arquivo gravado é o mesmo.
    tabela.DefineNome(base == BaseExtra::Municipios ? "def_mun.DBF" : "Def_Uf.dbf");
    tabela.Abre();
    std::vector<std::string> registros;
    for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo()) {
        std::string registro = tabela.Texto("CD_UF") + "|";
        registro +=
            base == BaseExtra::Municipios ? tabela.Texto("CD_MUN") + "|" + tabela.Texto("MUN") : tabela.Texto("SG_UF");
        registros.push_back(registro);
    }
    tabela.Fecha();
    return registros;
}

class Importacao {
public:
    Importacao() : sistema(pasta.MontaSistema()) { ajustes.DefinePastas(PastaUnica(sistema)); }

    ResultadoImportacao Importa(BaseExtra base, const std::string& conteudo) {
        pasta.Escreve("entrada.csv", conteudo);
        return ImportaBaseExtra(base, pasta / "entrada.csv", ajustes, dados);
    }

    PastaTemporaria pasta;
    std::string sistema;
    Ajustes ajustes;
    Dados dados;
};

struct CasoLinhas {
    const char* nome;
    BaseExtra base;
    std::string conteudo;
    int linhasLidas;
    std::vector<std::string> registros;
};
void PrintTo(const CasoLinhas& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteImportacaoLinhas : public testing::TestWithParam<CasoLinhas> {};

TEST_P(TesteImportacaoLinhas, GravaOsRegistrosNaOrdemDoArquivo) {
    const CasoLinhas& caso = GetParam();
    Importacao importacao;
    const ResultadoImportacao resultado = importacao.Importa(caso.base, caso.conteudo);
    EXPECT_EQ(resultado.linhasLidas, caso.linhasLidas);
    EXPECT_EQ(resultado.registrosIncluidos, static_cast<int>(caso.registros.size()));
    EXPECT_EQ(LeCopia(importacao.sistema, caso.base), caso.registros);
}

const std::string nome60 = std::string(48, 'a') + "  " + std::string(10, 'b');
const std::string linhaDeUmMega = "35;1;" + std::string(1 << 20, 'M') + "\r\n";

const CasoLinhas casosLinhas[] = {
    {"municipio_completo", BaseExtra::Municipios, "35;120;Vila Nova\r\n", 1, {"35|120|Vila Nova"}},
    {"sem_segundo_separador", BaseExtra::Municipios, "35;120\r\n", 1, {"35|120|<vazio>"}},
    {"nome_vazio", BaseExtra::Municipios, "35;120;\r\n", 1, {"35|120|"}},
    {"nome_de_60_cortado_e_aparado",
     BaseExtra::Municipios,
     "35;1;" + nome60 + "\r\n",
     1,
     {"35|1|" + std::string(48, 'a')}},
    {"nome_aparado_de_controles", BaseExtra::Municipios, "35;1;\t S\xE3o Paulo \x01\r\n", 1, {"35|1|S\xE3o Paulo"}},
    {"separadores_a_mais_ficam_no_nome", BaseExtra::Municipios, "35;1;A;B;\r\n", 1, {"35|1|A;B;"}},
    {"codigos_com_branco_final_viram_zero", BaseExtra::Municipios, "35 ;120 ;X\r\n", 1, {"0|0|X"}},
    {"codigos_com_brancos_iniciais_valem", BaseExtra::Municipios, "  35;  120;X\r\n", 1, {"35|120|X"}},
    {"codigos_hexadecimais", BaseExtra::Municipios, "$23;0x78;Hex\r\n", 1, {"35|120|Hex"}},
    {"codigo_fora_de_32_bits", BaseExtra::Municipios, "99999999999;-5;X\r\n", 1, {"0|-5|X"}},
    {"cabecalho_pulado_conta_como_lida", BaseExtra::Municipios, "CD_UF;CD_MUN;MUN\r\n35;1;A\r\n", 2, {"35|1|A"}},
    {"sem_separador_e_vazia_so_contam", BaseExtra::Municipios, "texto solto\r\n\r\n35;1;A\r\n", 3, {"35|1|A"}},
    {"fins_de_linha_lf_e_cr", BaseExtra::Municipios, "35;1;A\n35;2;B\r35;3;C", 3, {"35|1|A", "35|2|B", "35|3|C"}},
    {"ctrl_z_encerra",
     BaseExtra::Municipios,
     "35;1;A\r\n\x1A"
     "35;2;B\r\n",
     1,
     {"35|1|A"}},
    {"linha_de_um_mega",
     BaseExtra::Municipios,
     linhaDeUmMega + "35;2;B\r\n",
     2,
     {"35|1|" + std::string(50, 'M'), "35|2|B"}},
    {"codigos_repetidos_ficam", BaseExtra::Municipios, "35;1;A\r\n35;1;B\r\n", 2, {"35|1|A", "35|1|B"}},
    {"sigla", BaseExtra::Ufs, "35;SP\r\n", 1, {"35|SP"}},
    {"sigla_cortada_em_dois", BaseExtra::Ufs, "35; Sul\r\n", 1, {"35|Su"}},
    {"sigla_vazia", BaseExtra::Ufs, "35;\r\n", 1, {"35|"}},
    {"sigla_cortada_e_aparada", BaseExtra::Ufs, "35;S P\r\n", 1, {"35|S"}},
    {"sigla_com_separador_a_mais", BaseExtra::Ufs, "33;RJ;x\r\n", 1, {"33|RJ"}},
    {"uf_invalida_vira_zero", BaseExtra::Ufs, "-;SP\r\nsem\r\n", 2, {"0|SP"}},
    // 52 caracteres em UTF-8 (56 bytes): o corte em 50 conta caracteres, não bytes.
    {"utf8_cortado_em_50_caracteres",
     BaseExtra::Municipios,
     "35;1;S\xC3\xA3o Jo\xC3\xA3o da Ponte Alta do Norte de Santa B\xC3\xA1rbara A\xC3\xA7u\r\n",
     1,
     {"35|1|S\xE3o Jo\xE3o da Ponte Alta do Norte de Santa B\xE1rbara A"}},
    {"marca_utf8_e_aspas",
     BaseExtra::Municipios,
     "\xEF\xBB\xBF\"35\";\"1\";\"Ponto \"\"X\"\"\"\r\n",
     1,
     {"35|1|Ponto \"X\""}},
    {"sigla_entre_aspas", BaseExtra::Ufs, "35;\"SP\"\r\n", 1, {"35|SP"}},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteImportacaoLinhas, testing::ValuesIn(casosLinhas),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST(TesteImportacao, ExemplosCompletosDoProjeto) {
    Importacao importacao;
    const std::string exemplos = std::string(MORVISAN_EXEMPLOS) + "/";
    const ResultadoImportacao municipios =
        ImportaBaseExtra(BaseExtra::Municipios, exemplos + "municipios.csv", importacao.ajustes, importacao.dados);
    const ResultadoImportacao ufs =
        ImportaBaseExtra(BaseExtra::Ufs, exemplos + "ufs.csv", importacao.ajustes, importacao.dados);
    EXPECT_EQ(municipios.linhasLidas, 5570);
    EXPECT_EQ(municipios.registrosIncluidos, 5570);
    EXPECT_EQ(ufs.registrosIncluidos, 27);
    const auto nomes = LeCopia(importacao.sistema, BaseExtra::Municipios);
    EXPECT_NE(std::find(nomes.begin(), nomes.end(), "35|5030|S\xE3o Paulo"), nomes.end());
    EXPECT_EQ(LeCopia(importacao.sistema, BaseExtra::Ufs).front(), "11|RO");
}

TEST(TesteImportacao, SegundaImportacaoFicaSoComOSegundoArquivo) {
    Importacao importacao;
    importacao.Importa(BaseExtra::Municipios, "35;1;Primeiro\r\n35;2;Segundo\r\n");
    importacao.Importa(BaseExtra::Municipios, "33;9;Outro\r\n");
    EXPECT_EQ(LeCopia(importacao.sistema, BaseExtra::Municipios), std::vector<std::string>{"33|9|Outro"});
    // A base nova toma o lugar da velha: nenhum temporário fica em Bases1.
    std::vector<std::string> arquivos;
    for (const auto& item : std::filesystem::directory_iterator(importacao.sistema + "Bases1"))
        arquivos.push_back(item.path().filename().string());
    EXPECT_EQ(arquivos, std::vector<std::string>{"DEF_MUN.dbf"});
}

TEST(TesteImportacao, CopiaAntigaEmOutraCaixaEhSubstituida) {
    Importacao importacao;
    importacao.Importa(BaseExtra::Ufs, "35;SP\r\n");
    std::filesystem::rename(importacao.sistema + "Bases1/DEF_UF.dbf", importacao.sistema + "Bases1/DEF_UF.DBF");
    importacao.Importa(BaseExtra::Ufs, "33;RJ\r\n");
    EXPECT_EQ(LeCopia(importacao.sistema, BaseExtra::Ufs), std::vector<std::string>{"33|RJ"});
    EXPECT_FALSE(std::filesystem::exists(importacao.sistema + "Bases1/DEF_UF.dbf"));
}

TEST(TesteImportacao, MarcaAtivaSoABaseImportada) {
    Importacao importacao;
    importacao.Importa(BaseExtra::Ufs, "35;SP\r\n");
    EXPECT_FALSE(importacao.ajustes.base1);
    EXPECT_TRUE(importacao.ajustes.base2);
    importacao.Importa(BaseExtra::Municipios, "35;1;A\r\n");
    EXPECT_TRUE(importacao.ajustes.base1);
}

TEST(TesteImportacao, ConsertoTrocaPorZeroOCodigoQueNaoEInteiro) {
    Rascunho rascunho;
    rascunho.CD_UF = "35 ";
    rascunho.CD_MUN = "x";
    T_DEF_MUNBeforeInsert(rascunho);
    EXPECT_EQ(rascunho.CD_UF, "0");
    EXPECT_EQ(rascunho.CD_MUN, "0");
    rascunho.CD_UF = " 35";
    rascunho.CD_MUN = "$10";
    T_DEF_MUNBeforeInsert(rascunho);
    EXPECT_EQ(rascunho.CD_UF, " 35");
    EXPECT_EQ(rascunho.CD_MUN, "$10");
    rascunho.CD_UF = "";
    T_DEF_UFBeforeInsert(rascunho);
    EXPECT_EQ(rascunho.CD_UF, "0");
}

TEST(TesteImportacao, TextoDeConclusao) {
    EXPECT_EQ(TextoConclusao({5570, 5568, {}}), "Processo conclu\xED"
                                                "do.\r\rLinhas lidas: 5570\rRegistros inclu\xED"
                                                "dos: 5568\r");
    EXPECT_EQ(TextoConclusao({}), "Processo conclu\xED"
                                  "do.\r\rLinhas lidas: 0\rRegistros inclu\xED"
                                  "dos: 0\r");
}

// Doze avisos: a mensagem conta todos e mostra os dez primeiros, com o campo quando há.
TEST(TesteImportacao, ConclusaoComAvisosMostraOsDezPrimeiros) {
    ResultadoImportacao resultado{13, 1, {}};
    resultado.avisos.push_back({"m.csv", 1, "", "linha de t\xEDtulos pulada", "CD_UF;CD_MUN;MUN"});
    for (int linha = 2; linha <= 12; ++linha)
        resultado.avisos.push_back({"m.csv", linha, "CD_MUN", "trocado por 0", "x" + std::to_string(linha)});
    const std::string texto = TextoConclusao(resultado);
    EXPECT_NE(texto.find("dos: 1\rAvisos: 12\rlinha 1: linha de t\xEDtulos pulada 'CD_UF;CD_MUN;MUN'\r"
                         "linha 2, CD_MUN: trocado por 0 'x2'\r"),
              std::string::npos)
        << texto;
    EXPECT_NE(texto.find("'x10'\r"), std::string::npos);
    EXPECT_EQ(texto.find("'x11'"), std::string::npos);
}

// Base ativa na partida: a cópia existe e guarda ao menos um registro.
struct CasoAtiva {
    const char* nome;
    std::string conteudo; // vazio: não importa nada
    bool importa;
    bool ativa;
};
void PrintTo(const CasoAtiva& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteBaseAtiva : public testing::TestWithParam<CasoAtiva> {};

TEST_P(TesteBaseAtiva, DecideNaPartida) {
    const CasoAtiva& caso = GetParam();
    Importacao importacao;
    // Um arquivo sem registro é recusado: a base continua sem cópia.
    if (caso.importa)
        for (BaseExtra base : {BaseExtra::Municipios, BaseExtra::Ufs})
            try {
                importacao.Importa(base, caso.conteudo);
            } catch (const Falha&) {
            }
    EXPECT_EQ(AreaTrabalho::BaseExtraAtiva(importacao.sistema, AreaTrabalho::DefMunMaiusc), caso.ativa);
    EXPECT_EQ(AreaTrabalho::BaseExtraAtiva(importacao.sistema, AreaTrabalho::DefUfMaiusc), caso.ativa);
    EXPECT_EQ(AreaTrabalho::BaseExtraAtiva(importacao.sistema, AreaTrabalho::DefUf), caso.ativa);
}

const CasoAtiva casosAtiva[] = {
    {"sem_copia", "", false, false},
    {"importacao_vazia", "", true, false},
    {"so_linhas_em_branco", "\r\n  \r\n", true, false},
    {"um_registro", "35;1;SP\r\n", true, true},
    {"dois_registros", "35;1;A\r\n33;2;B\r\n", true, true},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteBaseAtiva, testing::ValuesIn(casosAtiva),
                         [](const auto& caso) { return std::string(caso.param.nome); });

} // namespace
