// morvisan-lote importar: o executável de verdade numa pasta de programa temporária.
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <sys/wait.h>

namespace {

struct Saida {
    int codigo = -1;
    std::string normal;
    std::string erros;
};

// Roda o executável com os argumentos dados (já entre aspas simples) sob a localidade dada.
Saida Roda(const PastaTemporaria& pasta, const std::string& argumentos, const std::string& localidade = "C.UTF-8",
           const std::string& executavel = MORVISAN_LOTE) {
    const std::string comando = "LC_ALL=" + localidade + " '" + executavel + "' " + argumentos + " >'" +
                                (pasta / "saida.txt") + "' 2>'" + (pasta / "erros.txt") + "'";
    const int estado = std::system(comando.c_str());
    Saida saida;
    saida.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    saida.normal = pasta.Le("saida.txt");
    saida.erros = pasta.Le("erros.txt");
    return saida;
}

std::string Aspas(const std::string& texto) {
    return "'" + texto + "'";
}

TEST(TesteLoteImportar, ImportaMunicipiosEImprimeAsContagensEmUtf8) {
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    pasta.Escreve("mun.csv", "35;5030;S\xE3o Paulo\r\nsem separador\r\n33;4557;Rio de Janeiro\r\n");
    const Saida saida = Roda(pasta, "--sistema " + Aspas(sistema) + " importar municipios " + Aspas(pasta / "mun.csv"));
    EXPECT_EQ(saida.codigo, 0) << saida.erros;
    EXPECT_EQ(saida.normal, "Processo conclu\xC3\xAD"
                            "do.\nLinhas lidas: 3\nRegistros inclu\xC3\xAD"
                            "dos: 2\n");
    EXPECT_EQ(saida.erros, "");
    EXPECT_TRUE(LeArquivo(sistema + "Bases1/DEF_MUN.dbf").size() > 0);
}

TEST(TesteLoteImportar, PastaDoSistemaSemBarraFinalEUfs) {
    PastaTemporaria pasta;
    std::string sistema = pasta.MontaSistema();
    sistema.pop_back();
    pasta.Escreve("ufs.csv", "35;SP\r\n33;RJ\r\n");
    const Saida saida = Roda(pasta, "--sistema " + Aspas(sistema) + " importar ufs " + Aspas(pasta / "ufs.csv"));
    EXPECT_EQ(saida.codigo, 0) << saida.erros;
    EXPECT_NE(saida.normal.find("Registros inclu\xC3\xAD"
                                "dos: 2\n"),
              std::string::npos);
    EXPECT_TRUE(LeArquivo(sistema + "/Bases1/DEF_UF.dbf").size() > 0);
}

TEST(TesteLoteImportar, FalhaVaiParaErrosComCodigoUm) {
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    const Saida saida =
        Roda(pasta, "--sistema " + Aspas(sistema) + " importar municipios " + Aspas(pasta / "falta.csv"));
    EXPECT_EQ(saida.codigo, 1);
    EXPECT_EQ(saida.normal, "");
    EXPECT_EQ(saida.erros, "N\xC3\xA3o foi poss\xC3\xADvel abrir o arquivo \"" + (pasta / "falta.csv") +
                               "\": arquivo ou pasta n\xC3\xA3o encontrado.\n");
}

TEST(TesteLoteImportar, SemModeloFalhaAoCopiar) {
    PastaTemporaria pasta;
    pasta.Escreve("vazio/Bases0/LEIA", "");
    pasta.Escreve("ufs.csv", "35;SP\r\n");
    const Saida saida =
        Roda(pasta, "--sistema " + Aspas(pasta / "vazio") + " importar ufs " + Aspas(pasta / "ufs.csv"));
    EXPECT_EQ(saida.codigo, 1);
    EXPECT_EQ(saida.erros, "Falha ao copiar.\nFalta o arquivo \"" + (pasta / "vazio") + "/Bases0/DEF_UF.dbf\".\n");
}

TEST(TesteLoteImportar, TerminalSemUtf8RecebeOsBytesLatin1) {
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    pasta.Escreve("ufs.csv", "35;SP\r\n");
    const Saida saida = Roda(pasta, "--sistema " + Aspas(sistema) + " importar ufs " + Aspas(pasta / "ufs.csv"), "C");
    EXPECT_EQ(saida.codigo, 0) << saida.erros;
    EXPECT_EQ(saida.normal, "Processo conclu\xED"
                            "do.\nLinhas lidas: 1\nRegistros inclu\xED"
                            "dos: 1\n");
}

TEST(TesteLoteImportar, SemSistemaUsaAPastaDoExecutavel) {
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    std::filesystem::copy_file(MORVISAN_LOTE, sistema + "morvisan-lote");
    pasta.Escreve("ufs.csv", "35;SP\r\n");
    const Saida saida = Roda(pasta, "importar ufs " + Aspas(pasta / "ufs.csv"), "C.UTF-8", sistema + "morvisan-lote");
    EXPECT_EQ(saida.codigo, 0) << saida.erros;
    EXPECT_TRUE(std::filesystem::exists(sistema + "Bases1/DEF_UF.dbf"));
}

// Avisos da leitura saem com 4 e aparecem na mensagem; um arquivo sem nenhum registro sai com 1 e
// deixa a base anterior exatamente como estava.
TEST(TesteLoteImportar, AvisosSaemComQuatroERecusaComUmGuardaABase) {
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    pasta.Escreve("ufs.csv", "\xEF\xBB\xBF"
                             "CD_UF;SG_UF\r\n35;SP\r\n-;RJ\r\n");
    const std::string importa = "--sistema " + Aspas(sistema) + " importar ufs " + Aspas(pasta / "ufs.csv");
    Saida saida = Roda(pasta, importa);
    EXPECT_EQ(saida.codigo, 4) << saida.erros;
    EXPECT_EQ(saida.normal, "Processo conclu\xC3\xAD"
                            "do.\nLinhas lidas: 3\nRegistros inclu\xC3\xAD"
                            "dos: 2\nAvisos: 2\nlinha 1: linha de t\xC3\xADtulos pulada 'CD_UF;SG_UF'\n"
                            "linha 3, CD_UF: trocado por 0 '-'\n");
    const std::string anterior = LeArquivo(sistema + "Bases1/DEF_UF.dbf");
    pasta.Escreve("ufs.csv", "35,SP\r\n33,RJ\r\n");
    saida = Roda(pasta, importa);
    EXPECT_EQ(saida.codigo, 1);
    EXPECT_EQ(saida.erros,
              "ufs.csv: nenhuma linha tem o separador ';' (use ponto e v\xC3\xADrgula entre os campos).\n");
    EXPECT_EQ(LeArquivo(sistema + "Bases1/DEF_UF.dbf"), anterior);
}

struct CasoUso {
    const char* nome;
    std::string argumentos;
};
void PrintTo(const CasoUso& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteLoteUso : public testing::TestWithParam<CasoUso> {};

TEST_P(TesteLoteUso, ArgumentosErradosMostramOUsoComCodigoDois) {
    PastaTemporaria pasta;
    const Saida saida = Roda(pasta, GetParam().argumentos);
    EXPECT_EQ(saida.codigo, 2);
    EXPECT_EQ(saida.normal, "");
    EXPECT_EQ(saida.erros.rfind("Uso:\n", 0), 0u) << saida.erros;
    EXPECT_NE(saida.erros.find("importar municipios ARQUIVO"), std::string::npos);
}

const CasoUso casosUso[] = {
    {"sem_argumentos", ""},
    {"comando_desconhecido", "exportar municipios x.csv"},
    {"base_desconhecida", "importar estados x.csv"},
    {"sem_arquivo", "importar municipios"},
    {"argumento_a_mais", "importar ufs a.csv b.csv"},
    {"sistema_sem_pasta", "--sistema"},
    {"sistema_sem_comando", "--sistema /tmp"},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLoteUso, testing::ValuesIn(casosUso),
                         [](const auto& caso) { return std::string(caso.param.nome); });

} // namespace
