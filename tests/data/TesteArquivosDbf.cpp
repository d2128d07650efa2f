// Arquivos dBase com defeito e nomes sem distinção de caixa: mensagem clara e nada perdido.
#include "ApoioMotor.h"
#include "Arquivos.h"
#include "Falha.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string MensagemAoAbrir(const std::string& pasta, const std::string& nome) {
    Motor motor;
    Tabela tabela(motor);
    tabela.DefinePasta(pasta);
    tabela.DefineNome(nome);
    try {
        tabela.Abre();
    } catch (const Falha& falha) {
        return falha.what();
    }
    return "";
}

TEST(TesteArquivosDbf, ArquivoAusenteLixoOuTruncadoFalhaComMensagem) {
    PastaComModelos modelos;
    modelos.pasta.Escreve("lixo.dbf", std::string("\x01\x02 isto n\xe3o \xe9 uma tabela", 25));
    // Uma tabela com um registro, cortada no meio dele.
    {
        Motor motor;
        Tabela tabela(motor);
        tabela.DefinePasta(modelos.Caminho());
        tabela.DefineNome("Original.dbf");
        tabela.Abre();
        Acrescenta(tabela, {"CD_UF", "CD_MUN", "POP1", "POP2"}, {{"35", "1", "2", "3"}, {"35", "2", "3", "4"}});
        tabela.Fecha();
    }
    const std::string inteiro = modelos.pasta.Le("Original.dbf");
    modelos.pasta.Escreve("cortado.dbf", inteiro.substr(0, inteiro.size() - 30));

    EXPECT_EQ(MensagemAoAbrir(modelos.Caminho(), "naoexiste.dbf"),
              "Tabela n\xe3o encontrada: " + modelos.Caminho() + "naoexiste.dbf");
    EXPECT_NE(MensagemAoAbrir(modelos.Caminho(), "lixo.dbf"), "");
    EXPECT_EQ(MensagemAoAbrir(modelos.Caminho(), "cortado.dbf"),
              "A tabela " + modelos.Caminho() + "cortado.dbf est\xe1 truncada ou danificada.");
    EXPECT_EQ(MensagemAoAbrir(modelos.Caminho(), "original.DBF"), "") << "nome sem distin\xe7\xe3o de caixa";
}

TEST(TesteArquivosDbf, GravacaoQueFalhaDeixaOArquivoAnteriorInteiro) {
    PastaComModelos modelos;
    const std::string antes = modelos.pasta.Le("FINAL.DBF");
    ConteudoDbf conteudo{{Campo{"POP1", 'N', 3, 0}}, {{Valor{Valor::Tipo::Inteiro, 12345, 0, {}}}}, 3};
    EXPECT_THROW(GravaDbf(modelos.Caminho() + "FINAL.DBF", conteudo), Falha);
    EXPECT_EQ(modelos.pasta.Le("FINAL.DBF"), antes);
    for (const auto& item : std::filesystem::directory_iterator(modelos.Caminho()))
        EXPECT_EQ(item.path().filename().string().rfind(".morvisan-", 0), std::string::npos) << "tempor\xe1rio ficou";
}

// Um número de mais de 63 algarismos num campo largo o bastante volta inteiro, sem corte.
TEST(TesteArquivosDbf, NumeroLongoGravadoSemCorte) {
    PastaTemporaria pasta;
    GravaDbf(pasta / "longo.dbf", {{Campo{"POP1", 'N', 120, 0}}, {{Valor{Valor::Tipo::Real, 0, 1e99, {}}}}, 3});
    const ConteudoDbf lido = LeDbf(pasta / "longo.dbf");
    ASSERT_EQ(lido.registros.size(), 1u);
    EXPECT_EQ(lido.registros[0][0].real, 1e99);
}

TEST(TesteArquivosDbf, NomesIguaisSemOlharACaixaSaoUmArquivoSo) {
    PastaTemporaria pasta;
    pasta.Escreve("Bases1/DEF_MUN.dbf", "x");
    EXPECT_TRUE(ArquivoExiste(pasta / "Bases1/DEF_MUN.DBF"));
    EXPECT_TRUE(ArquivoExiste(pasta / "Bases1//def_mun.dbf"));
    EXPECT_FALSE(CopiaArquivo(pasta / "Bases1/DEF_MUN.dbf", pasta / "Bases1/def_mun.DBF"))
        << "c\xf3pia n\xe3o sobrescreve";
    EXPECT_TRUE(ApagaArquivo(pasta / "Bases1//DEF_MUN.DBF")) << "separador dobrado vale por um";
    EXPECT_FALSE(ArquivoExiste(pasta / "Bases1/DEF_MUN.dbf"));
    EXPECT_FALSE(ApagaArquivo(pasta / "Bases1/DEF_MUN.dbf"));
}

} // namespace
