// Importação que falha: a mensagem é clara e a cópia anterior em Bases1 e a marca de ativa ficam
// exatamente como estavam, sem temporário deixado para trás.
#include "AreaTrabalho.h"
#include "ArquivoDbf.h"
#include "ImportacaoExtras.h"
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ArquivosDe(const std::string& pasta) {
    std::vector<std::string> nomes;
    for (const auto& item : fs::directory_iterator(pasta))
        nomes.push_back(item.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

// Um DEF_MUN com registros, cortado no meio do último.
void EscreveTruncada(const std::string& caminho) {
    const auto& campos = AreaTrabalho::Modelos()[3].campos;
    ConteudoDbf conteudo{campos, {}, 3};
    for (int i = 1; i <= 3; ++i)
        conteudo.registros.push_back({Valor{Valor::Tipo::Inteiro, 35, 0, {}}, Valor{Valor::Tipo::Inteiro, i, 0, {}},
                                      Valor{Valor::Tipo::Texto, 0, 0, "Nome"}});
    GravaDbf(caminho, conteudo);
    fs::resize_file(caminho, fs::file_size(caminho) - 20);
}

Ajustes AjustesDe(const std::string& sistema) {
    Ajustes ajustes;
    ajustes.DefinePastas(PastaUnica(sistema));
    return ajustes;
}

struct Cenario {
    PastaTemporaria pasta;
    std::string sistema = pasta.MontaSistema();
    std::string entrada = pasta / "entrada.csv";
    std::string modelo = sistema + "Bases0/DEF_MUN.DBF";
    std::string bases1 = sistema + "Bases1/";
    Ajustes ajustes = AjustesDe(sistema);
    Dados dados;

    ResultadoImportacao Importa(BaseExtra base, const std::string& conteudo) {
        pasta.Escreve("entrada.csv", conteudo);
        return ImportaBaseExtra(base, entrada, ajustes, dados);
    }
};

struct CasoFalha {
    const char* nome;
    // Prepara a falha depois de a cópia anterior existir.
    std::function<void(Cenario&)> prepara;
    std::string trechoDaMensagem;
    bool deCopia;        // FalhaAoCopiar, a que a janela mostra na caixa "Erro!"
    bool culpaDaEntrada; // trocado o arquivo de entrada, a importação volta a passar
};
void PrintTo(const CasoFalha& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class TesteImportacaoFalha : public testing::TestWithParam<CasoFalha> {};

TEST_P(TesteImportacaoFalha, NadaGuardadoSePerde) {
    const CasoFalha& caso = GetParam();
    Cenario cenario;
    Ajustes& ajustes = cenario.ajustes;
    cenario.Importa(BaseExtra::Municipios, "35;1;Anterior\r\n");
    const std::string anterior = LeArquivo(cenario.bases1 + "DEF_MUN.dbf");
    // A marca de ativa é a da partida: a falha não pode ligá-la.
    ajustes.base1 = false;

    caso.prepara(cenario);
    try {
        ImportaBaseExtra(BaseExtra::Municipios, cenario.entrada, ajustes, cenario.dados);
        FAIL() << "a importação não falhou";
    } catch (const FalhaAoCopiar& falha) {
        EXPECT_TRUE(caso.deCopia);
        EXPECT_EQ(std::string(falha.what()).rfind("Falha ao copiar.\r\rFalta o arquivo \"", 0), 0u) << falha.what();
    } catch (const Falha& falha) {
        EXPECT_FALSE(caso.deCopia) << falha.what();
        EXPECT_NE(std::string(falha.what()).find(caso.trechoDaMensagem), std::string::npos) << falha.what();
    }
    EXPECT_FALSE(ajustes.base1);
    EXPECT_EQ(LeArquivo(cenario.bases1 + "DEF_MUN.dbf"), anterior);
    EXPECT_EQ(ArquivosDe(cenario.bases1), std::vector<std::string>{"DEF_MUN.dbf"});
    EXPECT_TRUE(AreaTrabalho::BaseExtraAtiva(cenario.sistema, AreaTrabalho::DefMunMaiusc));

    // Consertada a causa, a mesma importação passa: nada ficou preso no motor nem na tabela.
    if (caso.culpaDaEntrada) {
        fs::remove_all(cenario.entrada);
        EXPECT_EQ(cenario.Importa(BaseExtra::Municipios, "35;2;Novo\r\n").registrosIncluidos, 1);
        EXPECT_TRUE(ajustes.base1);
    }
}

const CasoFalha casosFalha[] = {
    {"arquivo_que_falta", [](Cenario& c) { fs::remove(c.entrada); }, "entrada.csv\": arquivo ou pasta n\xE3o", false,
     true},
    {"pasta_no_lugar_do_arquivo",
     [](Cenario& c) {
         fs::remove(c.entrada);
         fs::create_directory(c.entrada);
     },
     "Erro ao ler o arquivo", false, true},
    {"lixo_binario",
     [](Cenario& c) {
         c.pasta.Escreve("entrada.csv", std::string("35;1;A\r\n\x7F"
                                                    "ELF\x02\x01\x01\0\0\0;\r\n",
                                                    21));
     },
     "n\xE3o \xE9 um arquivo texto (byte nulo na linha 2)", false, true},
    {"binario_sem_ctrl_z",
     [](Cenario& c) { c.pasta.Escreve("entrada.csv", std::string("PK\x03\x04\x14\0\x06\0;;;", 11)); },
     "n\xE3o \xE9 um arquivo texto (byte nulo na linha 1)", false, true},
    {"separador_virgula", [](Cenario& c) { c.pasta.Escreve("entrada.csv", "35,1,A\r\n33,2,B\r\n"); },
     "entrada.csv: nenhuma linha tem o separador ';'", false, true},
    {"so_titulos",
     [](Cenario& c) {
         c.pasta.Escreve("entrada.csv", "\xEF\xBB\xBF"
                                        "CD_UF;CD_MUN;MUN\r\n");
     },
     "entrada.csv: nenhuma linha de dados", false, true},
    {"utf16",
     [](Cenario& c) {
         c.pasta.Escreve("entrada.csv", std::string("\xFE\xFF\0"
                                                    "3\0"
                                                    "5\0;",
                                                    7));
     },
     "entrada.csv: o arquivo est\xE1 em UTF-16", false, true},
    {"modelo_que_falta", [](Cenario& c) { fs::remove(c.modelo); }, "", true, false},
    {"modelo_que_nao_eh_dbase",
     [](Cenario& c) { c.pasta.Escreve("sistema/Bases0/DEF_MUN.DBF", "isto n\xE3o \xE9 dBase\r\n"); },
     "Bases0/DEF_MUN.DBF", false, false},
    {"modelo_truncado", [](Cenario& c) { EscreveTruncada(c.modelo); }, "Bases0/DEF_MUN.DBF", false, false},
    {"registro_recusado_pelo_motor",
     [](Cenario& c) {
         // Um modelo de CD_UF estreito: o motor recusa o terceiro registro, já com dois postados.
         GravaDbf(c.modelo, ConteudoDbf{{{"CD_UF", 'N', 2, 0}, {"CD_MUN", 'N', 11, 0}, {"MUN", 'C', 50, 0}}, {}, 3});
         c.pasta.Escreve("entrada.csv", "35;1;A\r\n33;2;B\r\n12345;3;C\r\n");
     },
     "cabe", false, false},
};
INSTANTIATE_TEST_SUITE_P(Casos, TesteImportacaoFalha, testing::ValuesIn(casosFalha),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST(TesteImportacaoFalhaPasta, Bases1QueEhArquivoNaoEhTocada) {
    Cenario cenario;
    cenario.pasta.Escreve("sistema/Bases1", "guardado");
    try {
        cenario.Importa(BaseExtra::Ufs, "35;SP\r\n");
        FAIL();
    } catch (const Falha& falha) {
        EXPECT_NE(std::string(falha.what()).find("gravar na pasta \"" + cenario.bases1 + "\""), std::string::npos)
            << falha.what();
    }
    EXPECT_FALSE(cenario.ajustes.base2);
    EXPECT_EQ(cenario.pasta.Le("sistema/Bases1"), "guardado");
}

TEST(TesteImportacaoFalhaPasta, Bases1SomenteLeituraGuardaACopia) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "o superusuário grava em pasta somente leitura";
    Cenario cenario;
    cenario.Importa(BaseExtra::Ufs, "35;SP\r\n");
    const std::string anterior = LeArquivo(cenario.bases1 + "DEF_UF.dbf");
    fs::permissions(cenario.bases1, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(cenario.Importa(BaseExtra::Ufs, "33;RJ\r\n"), Falha);
    EXPECT_EQ(LeArquivo(cenario.bases1 + "DEF_UF.dbf"), anterior);
}

} // namespace
