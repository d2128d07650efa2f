// morvisan-lote traduzir: o executável de verdade, do exemplo pequeno aos erros de uso.
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

struct Execucao {
    int codigo = -1;
    std::string normal;
    std::string erros;
};

// Uma pasta de programa com as bases extras do exemplo pequeno importadas e uma pasta de saída.
struct Lote {
    Lote() : sistema(pasta.MontaSistema()), saida(pasta / "saida") {
        std::filesystem::create_directories(saida);
        for (const char* nome : {"original.csv", "traducao.csv", "municipios.csv", "ufs.csv"})
            pasta.CopiaDado(std::string("rodada/") + nome);
    }

    Execucao Roda(const std::string& argumentos) const {
        const std::string comando = "LC_ALL=C.UTF-8 " + Aspas(MORVISAN_LOTE) + " --sistema " + Aspas(sistema) + " " +
                                    argumentos + " >" + Aspas(pasta / "normal.txt") + " 2>" +
                                    Aspas(pasta / "erros.txt");
        const int estado = std::system(comando.c_str());
        return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, pasta.Le("normal.txt"), pasta.Le("erros.txt")};
    }

    void ImportaExtras() const {
        ASSERT_EQ(Roda("importar municipios " + Aspas(pasta / "municipios.csv")).codigo, 0);
        ASSERT_EQ(Roda("importar ufs " + Aspas(pasta / "ufs.csv")).codigo, 0);
    }

    Execucao Traduz(const std::string& original, const std::string& traducao, const std::string& nome,
                    const std::string& opcoes = "") const {
        return Roda("traduzir " + Aspas(pasta / original) + " " + Aspas(pasta / traducao) + " " + Aspas(saida) + " " +
                    Aspas(nome) + opcoes);
    }

    PastaTemporaria pasta;
    std::string sistema;
    std::string saida;
};

std::string Esperado(const std::string& nome) {
    return LeArquivo(std::string(MORVISAN_DADOS_TESTE) + "/rodada/esperado/" + nome);
}

TEST(LoteTraduzir, ExemploPequenoBateByteAByte) {
    Lote lote;
    lote.ImportaExtras();
    const Execucao execucao = lote.Traduz("original.csv", "traducao.csv", "RES");
    EXPECT_EQ(execucao.codigo, 0) << execucao.erros;
    EXPECT_EQ(LeArquivo(lote.saida + "/RES.CSV"), Esperado("RES.CSV"));
    EXPECT_EQ(LeArquivo(lote.saida + "/comp.CSV"), Esperado("comp.CSV"));
    EXPECT_EQ(LeArquivo(lote.saida + "/Morvisan.Log"), Esperado("Morvisan.Log"));
    EXPECT_EQ(execucao.normal, "Copiando bases de trabalho...\n"
                               "Abrindo bases de trabalho...\n"
                               "Transferindo dados do arquivo a ser traduzido...\n"
                               "Base original - Registros: 6\n"
                               "Transferindo dados do arquivo morvisan...\n"
                               "Base de tradu\xc3\xa7\xc3\xa3o - Registros: 5\n"
                               "Preparando arquivo final...\n"
                               "Base traduzida - Registros: +5\n"
                               "Traduzindo...\n"
                               "Incluindo nomes de municipios e/ou UFs...\n"
                               "Gravando...\n"
                               "Verificando estado do resultado...\n"
                               "Fim - S\xc3\xa3o 11 registros.\n"
                               "Sucesso total!\n"
                               "POP1: 11052 antes, 11052 depois\n"
                               "POP2: 10198 antes, 10198 depois\n");
    EXPECT_EQ(execucao.erros, "");
}

TEST(LoteTraduzir, PularExcecoesDeixaAMudancaMarcadaForaDoLog) {
    Lote lote;
    lote.ImportaExtras();
    const Execucao execucao = lote.Traduz("original.csv", "traducao.csv", "RES", " --pular-excecoes");
    // O receptor da mudança pulada fica zerado: a rodada termina com achados.
    EXPECT_EQ(execucao.codigo, 4) << execucao.erros;
    const std::string log = LeArquivo(lote.saida + "/Morvisan.Log");
    EXPECT_EQ(log.find("15;680;"), std::string::npos) << log;
    EXPECT_NE(log.find("15;475;0;250;0;0;0;0;476;0"), std::string::npos) << log;
}

TEST(LoteTraduzir, SemBasesExtrasTerminaComOsAvisosDoMemo) {
    Lote lote;
    const Execucao execucao = lote.Traduz("original.csv", "traducao.csv", "RES");
    EXPECT_EQ(execucao.codigo, 4) << execucao.erros;
    EXPECT_NE(execucao.normal.find("Fim - S\xc3\xa3o 11 registros.\n11 UF(s) nao encontrada(s).\n-> falta definir o "
                                   "arquivo com as siglas das UFs\n"),
              std::string::npos)
        << execucao.normal;
}

TEST(LoteTraduzir, ContagemQueNaoFechaSaiComTres) {
    Lote lote;
    lote.ImportaExtras();
    lote.pasta.Escreve("com-intruso.csv", lote.pasta.Le("original.csv") + "11;7777;5;5\r\n");
    const Execucao execucao = lote.Traduz("com-intruso.csv", "traducao.csv", "RES");
    EXPECT_EQ(execucao.codigo, 3) << execucao.erros;
    EXPECT_NE(execucao.normal.find("Fim - S\xc3\xa3o 11 registros. (erro)\n"), std::string::npos) << execucao.normal;
}

TEST(LoteTraduzir, FalhaDaRodadaSaiComUmEAMensagemComPonto) {
    Lote lote;
    lote.pasta.Escreve("ruim.csv", "35;10;5000 ;7000\r\n");
    const Execucao execucao = lote.Traduz("ruim.csv", "traducao.csv", "RES");
    EXPECT_EQ(execucao.codigo, 1);
    EXPECT_EQ(execucao.erros, "ruim.csv, linha 1, campo POP1: '5000 ' n\xc3\xa3o \xc3\xa9 um n\xc3\xbamero inteiro "
                              "v\xc3\xa1lido.\n");
    EXPECT_EQ(execucao.normal.substr(execucao.normal.rfind("Transferindo")),
              "Transferindo dados do arquivo a ser traduzido...\n");
}

// Um modelo que falta é uma mensagem só, que diz qual; a rodada para na cópia e sai com 1.
TEST(LoteTraduzir, ModeloFaltandoViraUmaMensagemSo) {
    Lote lote;
    std::filesystem::remove(lote.sistema + "Bases0/FINAL.DBF");
    const Execucao execucao = lote.Traduz("original.csv", "traducao.csv", "RES");
    EXPECT_EQ(execucao.codigo, 1);
    EXPECT_EQ(execucao.erros, "Erro!: Falha ao copiar.\nFalta o arquivo \"" + lote.sistema + "Bases0/FINAL.DBF\".\n");
    EXPECT_EQ(execucao.normal, "Copiando bases de trabalho...\n");
}

TEST(LoteTraduzir, ResultadoPorCimaDeUmaEntradaERecusado) {
    Lote lote;
    lote.pasta.Escreve("saida/ORIG.csv", lote.pasta.Le("original.csv"));
    const std::string antes = lote.pasta.Le("saida/ORIG.csv");
    // ORIG.CSV na pasta de saída é, sem olhar a caixa, a própria base original.
    const Execucao execucao = lote.Roda("traduzir " + Aspas(lote.saida + "/ORIG.csv") + " " +
                                        Aspas(lote.pasta / "traducao.csv") + " " + Aspas(lote.saida) + " ORIG");
    EXPECT_EQ(execucao.codigo, 2);
    EXPECT_NE(execucao.erros.find("Voc\xc3\xaa especificou o mesmo nome mais de uma vez."), std::string::npos)
        << execucao.erros;
    EXPECT_EQ(lote.pasta.Le("saida/ORIG.csv"), antes);
}

TEST(LoteTraduzir, BaseExtraIlegivelSaiComUmEAMensagem) {
    Lote lote;
    lote.pasta.Escreve("sistema/Bases1/DEF_MUN.dbf", "isto n\xe3o \xe9 uma tabela");
    const Execucao execucao = lote.Traduz("original.csv", "traducao.csv", "RES");
    EXPECT_EQ(execucao.codigo, 1);
    EXPECT_NE(execucao.erros.find("DEF_MUN.dbf"), std::string::npos) << execucao.erros;
    EXPECT_EQ(execucao.erros.find("terminate"), std::string::npos) << execucao.erros;
}

TEST(LoteTraduzir, CaminhoAcentuadoNaMensagemSaiLegivel) {
    Lote lote;
    // O caminho chega em UTF-8 pela linha de comando e a mensagem do sistema é Latin-1.
    const Execucao execucao = lote.Roda("traduzir " +
                                        Aspas(lote.pasta / "Proje\xc3\xa7\xc3\xb5"
                                                           "es/x.csv") +
                                        " " + Aspas(lote.pasta / "traducao.csv") + " " + Aspas(lote.saida) + " RES");
    EXPECT_EQ(execucao.codigo, 1);
    EXPECT_NE(execucao.erros.find("/Proje\xc3\xa7\xc3\xb5"
                                  "es/x.csv"),
              std::string::npos)
        << execucao.erros;
    EXPECT_EQ(execucao.erros.find("\xc3\x83"), std::string::npos) << "codificado duas vezes: " << execucao.erros;
}

struct CasoUso {
    const char* nome;
    const char* argumentos;
    const char* mensagem;
};

class LoteTraduzirUso : public testing::TestWithParam<CasoUso> {};

TEST_P(LoteTraduzirUso, SaiComDoisSemTocarNaSaida) {
    Lote lote;
    lote.pasta.Escreve("saida/RES.CSV", "guardado");
    const Execucao execucao = lote.Roda(std::string("traduzir ") + GetParam().argumentos);
    EXPECT_EQ(execucao.codigo, 2);
    EXPECT_NE(execucao.erros.find(GetParam().mensagem), std::string::npos) << execucao.erros;
    EXPECT_EQ(lote.pasta.Le("saida/RES.CSV"), "guardado");
}

const CasoUso casosUso[] = {
    {"faltam_argumentos", "a b c", "morvisan-lote: traduzir: falta o argumento NOME\nUse morvisan-lote --help.\n"},
    {"argumentos_demais", "a b c d e", "morvisan-lote: traduzir: argumento a mais: e\n"},
    {"nome_de_nove", "a b c NOVELETRA", "morvisan-lote: traduzir: o NOME \"NOVELETRA\" tem mais de 8 caracteres\n"},
    {"nome_com_barra", "a b c x/y", "morvisan-lote: traduzir: o NOME \"x/y\" n\xc3\xa3o pode ter pasta\n"},
    {"nome_vazio", "a b c ''", "morvisan-lote: traduzir: o NOME do resultado est\xc3\xa1 em branco\n"},
    {"nome_so_de_brancos", "a b c '   '", "morvisan-lote: traduzir: o NOME do resultado est\xc3\xa1 em branco\n"},
    {"original_vazia", "'' b c RES", "morvisan-lote: traduzir: o argumento ORIGINAL est\xc3\xa1 vazio\n"},
    {"mesmo_arquivo", "a a c RES", "Voc\xc3\xaa especificou o mesmo nome mais de uma vez."},
    {"nome_do_extrato", "a b c Comp", "traduzir: o NOME \"Comp\" \xc3\xa9 o do extrato comp.CSV\n"},
    {"pasta_de_saida_que_falta", "a b /nao/existe/16 RES",
     "a pasta do resultado \"/nao/existe/16\" n\xc3\xa3o existe\n"},
    {"sistema_que_falta", "--sistema /nao/existe/16 a b c RES",
     "a pasta de --sistema n\xc3\xa3o existe: /nao/existe/16\n"},
};

INSTANTIATE_TEST_SUITE_P(Casos, LoteTraduzirUso, testing::ValuesIn(casosUso),
                         [](const testing::TestParamInfo<CasoUso>& caso) { return std::string(caso.param.nome); });

} // namespace

namespace {

struct CasoSaida {
    const char* nome;
    std::string acrescimoOriginal; // linhas postas no fim da base original do exemplo
    std::string traducao;          // vazio: a do exemplo
    int codigo;
    std::string trecho; // na saída (códigos 0, 3 e 4) ou nos erros (1)
};

class LoteTraduzirSaida : public testing::TestWithParam<CasoSaida> {};

// O código de saída diz o veredito do memo: só "Sucesso total!" sai com 0.
TEST_P(LoteTraduzirSaida, CodigoPeloVeredito) {
    const CasoSaida& caso = GetParam();
    Lote lote;
    lote.ImportaExtras();
    lote.pasta.Escreve("original.csv", lote.pasta.Le("original.csv") + caso.acrescimoOriginal);
    if (!caso.traducao.empty())
        lote.pasta.Escreve("traducao.csv", caso.traducao);
    const Execucao execucao = lote.Traduz("original.csv", "traducao.csv", "RES");
    EXPECT_EQ(execucao.codigo, caso.codigo) << execucao.normal << execucao.erros;
    const std::string& onde = caso.codigo == 1 ? execucao.erros : execucao.normal;
    EXPECT_NE(onde.find(caso.trecho), std::string::npos) << onde;
    if (caso.codigo != 1) {
        EXPECT_EQ(LeArquivo(lote.saida + "/Morvisan.Avisos").rfind("ARQUIVO;LINHA;CAMPO;AVISO;TEXTO\r\n", 0), 0u);
    }
}

const CasoSaida casosSaida[] = {
    {"limpa", "", "", 0, "Sucesso total!\nPOP1: 11052 antes, 11052 depois\n"},
    {"municipio_sem_nome", "11;7777;5;5\r\n", "", 3, "(erro)\n"},
    {"linha_de_titulos", "CD_UF;CD_MUN;POP1;POP2\r\n", "", 0, "1 nota(s) da leitura -> veja Morvisan.Avisos\n"},
    {"traducao_com_virgulas", "", "15,1,680,2,475,15646,20130101,\r\n", 1,
     "traducao.csv: nenhuma linha tem o separador ';' (use ponto e v\xc3\xadrgula entre os campos).\n"},
};

INSTANTIATE_TEST_SUITE_P(Casos, LoteTraduzirSaida, testing::ValuesIn(casosSaida),
                         [](const testing::TestParamInfo<CasoSaida>& caso) { return std::string(caso.param.nome); });

// Morvisan.Avisos também é saída: uma base de entrada com esse nome na pasta não é sobrescrita.
TEST(LoteTraduzir, EntradaChamadaMorvisanAvisosERecusada) {
    Lote lote;
    lote.pasta.Escreve("saida/morvisan.avisos", lote.pasta.Le("traducao.csv"));
    const Execucao execucao = lote.Roda("traduzir " + Aspas(lote.pasta / "original.csv") + " " +
                                        Aspas(lote.saida + "/morvisan.avisos") + " " + Aspas(lote.saida) + " RES");
    EXPECT_EQ(execucao.codigo, 2);
    EXPECT_EQ(lote.pasta.Le("saida/morvisan.avisos"), lote.pasta.Le("traducao.csv"));
}

} // namespace
