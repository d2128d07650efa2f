// morvisan-lote importar e a linha de comando: o executável de verdade numa pasta de programa
// temporária.
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <sys/wait.h>
#include <utility>

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

// Uma linha de títulos de 4 MB: a mensagem cita só o começo dela, com as reticências no terminal.
TEST(TesteLoteImportar, LinhaEnormeCitadaSoNoComeco) {
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    pasta.Escreve("mun.csv", "CD_UF;CD_MUN;MUN" + std::string(4 << 20, 'x') + "\r\n35;5030;S\r\n");
    const Saida saida = Roda(pasta, "--sistema " + Aspas(sistema) + " importar municipios " + Aspas(pasta / "mun.csv"));
    EXPECT_EQ(saida.codigo, 0); // a linha de títulos enorme é só nota
    EXPECT_LT(saida.normal.size() + saida.erros.size(), 1024u);
    EXPECT_NE(saida.normal.find("'CD_UF;CD_MUN;MUN" + std::string(44, 'x') + "\xe2\x80\xa6'"), std::string::npos)
        << saida.normal;
}

TEST(TesteLoteImportar, ImportaMunicipiosEImprimeAsContagensEmUtf8) {
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    pasta.Escreve("mun.csv", "35;5030;S\xE3o Paulo\r\nsem separador\r\n33;4557;Rio de Janeiro\r\n");
    const Saida saida = Roda(pasta, "--sistema " + Aspas(sistema) + " importar municipios " + Aspas(pasta / "mun.csv"));
    EXPECT_EQ(saida.codigo, 0) << saida.erros;
    // A linha sem separador que começa por letra é nota: não muda a saída 0.
    EXPECT_EQ(saida.normal, "Processo conclu\xC3\xAD"
                            "do.\nLinhas lidas: 3\nRegistros inclu\xC3\xAD"
                            "dos: 2\nAvisos: 1\nlinha 2: linha de t\xC3\xADtulos pulada 'sem separador'\n");
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

// Só um terminal Latin-1 recebe os bytes como estão; a localidade C do cron (ASCII) recebe UTF-8.
TEST(TesteLoteImportar, CodificacaoDaSaidaSegueALocalidade) {
    const std::pair<const char*, std::string> casos[] = {
        {"C", "Processo conclu\xC3\xAD"
              "do.\n"},
        {"pt_BR.UTF-8", "Processo conclu\xC3\xAD"
                        "do.\n"},
        {"pt_BR.ISO-8859-1", "Processo conclu\xED"
                             "do.\n"},
    };
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    pasta.Escreve("ufs.csv", "35;SP\r\n");
    for (const auto& [localidade, esperado] : casos) {
        if (std::setlocale(LC_CTYPE, localidade) == nullptr) {
            ADD_FAILURE() << "localidade " << localidade << " ausente (scripts/instala-dependencias.sh a cria)";
            continue;
        }
        std::setlocale(LC_CTYPE, "C");
        const Saida saida =
            Roda(pasta, "--sistema " + Aspas(sistema) + " importar ufs " + Aspas(pasta / "ufs.csv"), localidade);
        EXPECT_EQ(saida.codigo, 0) << localidade << ": " << saida.erros;
        EXPECT_EQ(saida.normal.substr(0, esperado.size()), esperado) << localidade;
    }
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

// A linha de comando no estilo GNU. Nos argumentos, @S é uma pasta de programa e @P a pasta temporária.
struct CasoLinha {
    const char* nome;
    std::string argumentos;
    int codigo;
    std::string inicioDaSaida;
    std::string erros;
};
void PrintTo(const CasoLinha& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteLoteLinha : public testing::TestWithParam<CasoLinha> {};

std::string Substitui(std::string texto, const std::string& marca, const std::string& valor) {
    for (auto i = texto.find(marca); i != std::string::npos; i = texto.find(marca, i + valor.size()))
        texto.replace(i, marca.size(), valor);
    return texto;
}

TEST_P(TesteLoteLinha, CodigoSaidaEErros) {
    const CasoLinha& caso = GetParam();
    PastaTemporaria pasta;
    const std::string sistema = pasta.MontaSistema();
    pasta.Escreve("ufs.csv", "35;SP\r\n");
    const std::string argumentos = Substitui(Substitui(caso.argumentos, "@S", sistema), "@P", pasta.Caminho());
    const Saida saida = Roda(pasta, argumentos);
    EXPECT_EQ(saida.codigo, caso.codigo) << saida.erros;
    EXPECT_EQ(saida.normal.substr(0, caso.inicioDaSaida.size()), caso.inicioDaSaida) << saida.normal;
    EXPECT_EQ(saida.erros, Substitui(caso.erros, "@P", pasta.Caminho()));
}

std::string Uso(const std::string& linha) {
    return "morvisan-lote: " + linha + "\nUse morvisan-lote --help.\n";
}

const std::string ajuda = "Uso: morvisan-lote [OP\xC3\x87\xC3\x95"
                          "ES] importar municipios|ufs ARQUIVO\n";
const std::string importou = "Processo conclu\xC3\xAD"
                             "do.\n";

const CasoLinha casosLinha[] = {
    {"ajuda", "--help", 0, ajuda, ""},
    {"ajuda_no_meio_de_um_comando", "traduzir a -h", 0, ajuda, ""},
    {"versao_curta", "-V", 0, "morvisan-lote 1.1\n", ""},
    {"sem_argumentos", "", 2, "",
     Uso("falta o comando (importar, traduzir, preparar, conferir, agregar, areas ou agregar-areas)")},
    {"comando_desconhecido", "exportar municipios x.csv", 2, "", Uso("comando desconhecido: exportar")},
    {"base_desconhecida", "importar estados x.csv", 2, "", Uso("base desconhecida: estados (use municipios ou ufs)")},
    {"sem_arquivo", "importar municipios", 2, "", Uso("importar: falta o argumento ARQUIVO")},
    {"argumento_a_mais", "importar ufs a.csv b.csv", 2, "", Uso("importar: argumento a mais: b.csv")},
    {"arquivo_vazio", "importar ufs ''", 2, "", Uso("importar: o argumento ARQUIVO est\xC3\xA1 vazio")},
    {"sistema_sem_pasta", "--sistema", 2, "", Uso("a op\xC3\xA7\xC3\xA3o --sistema pede um valor")},
    {"sistema_vazio", "--sistema ''", 2, "", Uso("a op\xC3\xA7\xC3\xA3o --sistema pede uma pasta")},
    {"sistema_sem_comando", "--sistema /tmp", 2, "",
     Uso("falta o comando (importar, traduzir, preparar, conferir, agregar, areas ou agregar-areas)")},
    {"opcao_desconhecida_depois_dos_argumentos", "traduzir a b c d --foo", 2, "",
     Uso("op\xC3\xA7\xC3\xA3o desconhecida: --foo")},
    {"opcao_curta_desconhecida_num_grupo", "--sistema=@S -xh", 2, "", Uso("op\xC3\xA7\xC3\xA3o desconhecida: -x")},
    {"opcao_abreviada_sem_valor", "--sis", 2, "", Uso("a op\xC3\xA7\xC3\xA3o --sistema pede um valor")},
    {"opcao_com_valor_que_nao_pede", "--help=sim", 2, "", Uso("a op\xC3\xA7\xC3\xA3o --help n\xC3\xA3o aceita valor")},
    {"pular_excecoes_fora_de_traduzir", "importar ufs a.csv --pular-excecoes", 2, "",
     Uso("a op\xC3\xA7\xC3\xA3o --pular-excecoes s\xC3\xB3 vale para traduzir")},
    {"divisao_fora_de_importar", "preparar a 2010 2013 b --divisao 2013", 2, "",
     Uso("a op\xC3\xA7\xC3\xA3o --divisao s\xC3\xB3 vale para importar")},
    {"divisao_com_arquivo", "importar ufs a.csv --divisao 2013", 2, "", Uso("importar: argumento a mais: a.csv")},
    {"divisao_com_letra", "importar ufs --divisao 20x3", 2, "",
     Uso("importar: ano inv\xC3\xA1lido: '20x3' (use quatro d\xC3\xADgitos, como 2010)")},
    {"opcoes_depois_dos_argumentos", "importar ufs @Pufs.csv --sistema @S", 0, importou, ""},
    {"traco_duplo_encerra_as_opcoes", "--sistema @S -- importar ufs --foo", 1, "",
     "N\xC3\xA3o foi poss\xC3\xADvel abrir o arquivo \"--foo\": arquivo ou pasta n\xC3\xA3o encontrado.\n"},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteLoteLinha, testing::ValuesIn(casosLinha),
                         [](const auto& caso) { return std::string(caso.param.nome); });

} // namespace
