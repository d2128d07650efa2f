// O objeto de tabela: cursor, inclusão, edição, localização, nulos e larguras, gravação; a carga de um
// arquivo texto, registro inteiro ou nada.
#include "ApoioMotor.h"
#include "CargaTexto.h"
#include "Falha.h"

#include <gtest/gtest.h>

namespace {

class TesteTabela : public ::testing::Test {
protected:
    PastaComModelos modelos;
    Dados dados;
    Tabela& final = dados.T_BF_DESC;

    void SetUp() override {
        final.DefinePasta(modelos.Caminho());
        final.DefineNome("FINAL.DBF");
        final.Abre();
    }
    std::vector<std::string> Linha() {
        std::vector<std::string> linha;
        for (int i = 0; i < final.NumeroCampos(); ++i)
            linha.push_back(final.TextoCampo(i));
        return linha;
    }
};

TEST_F(TesteTabela, CursorPercorreNaOrdemDosRegistrosEMarcaOFim) {
    final.Primeiro();
    EXPECT_TRUE(final.Fim());
    EXPECT_EQ(final.Registros(), 0);
    Acrescenta(final, {"CD_UF", "CD_MUN"}, {{"11", "8"}, {"12", "40"}, {"13", "260"}});
    EXPECT_EQ(final.RegistroAtual(), 3) << "depois de postar, o cursor fica no registro novo";
    std::vector<int> visitados;
    for (final.Primeiro(); !final.Fim(); final.Proximo())
        visitados.push_back(final.Inteiro("CD_MUN"));
    EXPECT_EQ(visitados, (std::vector<int>{8, 40, 260}));
    EXPECT_EQ(final.RegistroAtual(), 3) << "Proximo no \xfaltimo marca o fim e fica nele";
    final.Anterior();
    EXPECT_EQ(final.Inteiro("CD_MUN"), 40);
    final.Ultimo();
    EXPECT_EQ(final.Inteiro("CD_MUN"), 260);
    final.VaiPara(1);
    EXPECT_EQ(final.Inteiro("CD_UF"), 11);
    EXPECT_THROW(final.VaiPara(4), Falha);
}

TEST(CargaTexto, CadaLinhaEntraInteiraOuNada) {
    // Campos estreitos: o código de 2 posições, o inteiro guardado como texto de 3.
    struct Caso {
        const char* arquivo;
        std::vector<std::vector<std::string>> registros;
        const char* falha; // vazio: nenhuma
    };
    const Caso casos[] = {
        {"35;SP ;7\n1;Sul;1234\n3;;-5\n", {{"35", "SP", "7"}, {"1", "Su", "123"}, {"3", "", "-5"}}, ""},
        {"35;SP;7\n123;RJ;8\n", {{"35", "SP", "7"}}, "O valor 123 n\xe3o cabe no campo CD_UF."},
        {"35;SP;7\n36;RJ;x\n",
         {{"35", "SP", "7"}},
         "e.csv, linha 2, campo COD: 'x' n\xe3o \xe9 um n\xfamero inteiro v\xe1lido."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.arquivo);
        PastaTemporaria pasta;
        GravaDbf(pasta / "e.dbf", {{{"CD_UF", 'N', 2, 0}, {"SG_UF", 'C', 2, 0}, {"COD", 'C', 3, 0}}, {}, 3});
        pasta.Escreve("e.csv", caso.arquivo);
        Dados dados;
        Tabela& tabela = dados.T_DEF_UF;
        tabela.DefinePasta(pasta.Caminho());
        tabela.DefineNome("e.dbf");
        tabela.Abre();
        std::string uf, sigla, codigo;
        const RegrasCarga regras{
            .campos = {{"CD_UF", &uf, "0", true}, {"SG_UF", &sigla, "", false}, {"COD", &codigo, "0", true}}};
        std::vector<Aviso> avisos;
        try {
            CarregaTexto(pasta / "e.csv", regras, tabela, avisos, [](long long) {});
            EXPECT_STREQ(caso.falha, "");
        } catch (const Falha& falha) {
            EXPECT_STREQ(falha.what(), caso.falha);
        }
        std::vector<std::vector<std::string>> registros;
        for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo())
            registros.push_back({tabela.TextoCampo(0), tabela.TextoCampo(1), tabela.TextoCampo(2)});
        EXPECT_EQ(registros, caso.registros) << "a linha recusada n\xe3o deixa meio registro";
    }
}

TEST_F(TesteTabela, NulosLarguraEBrancos) {
    const std::string nome60(60, 'x');
    Acrescenta(final, {"CD_UF", "UF", "MUN", "POP1"}, {{"35", "", nome60, ""}, {"35", " 1 ", "S\xe3o Paulo  ", "-7"}});
    final.Primeiro();
    EXPECT_EQ(final.Texto("UF"), "") << "texto vazio \xe9 nulo";
    EXPECT_EQ(final.Texto("MUN"), std::string(50, 'x')) << "cortado na largura";
    EXPECT_EQ(final.Inteiro("POP1"), 0) << "nulo lido como inteiro";
    EXPECT_EQ(final.Texto("POP1"), "");
    final.Proximo();
    EXPECT_EQ(final.Texto("UF"), " 1") << "s\xf3 os brancos finais saem";
    EXPECT_EQ(final.Texto("MUN"), "S\xe3o Paulo");
    EXPECT_EQ(final.Texto("POP1"), "-7");

    final.Inclui();
    EXPECT_THROW(final.DefineTexto("NADA", "1"), Falha);
    EXPECT_THROW(final.DefineTexto("POP1", "12a"), Falha);
    final.Cancela();
    EXPECT_THROW(final.Inteiro("NADA"), Falha);
    EXPECT_EQ(final.Registros(), 2);
}

TEST_F(TesteTabela, LocalizaOPrimeiroNaOrdemMesmoDepoisDeEdicoes) {
    Acrescenta(final, {"CD_UF", "CD_MUN", "POP1"}, {{"35", "10", "1"}, {"35", "20", "2"}, {"35", "10", "3"}});
    ASSERT_TRUE(final.Localiza("CD_UF;CD_MUN", {35, 10}));
    EXPECT_EQ(final.Inteiro("POP1"), 1);
    final.Edita();
    final.DefineInteiro("CD_MUN", 99);
    final.Posta();
    ASSERT_TRUE(final.Localiza("CD_UF;CD_MUN", {35, 10}));
    EXPECT_EQ(final.Inteiro("POP1"), 3) << "o \xedndice acompanha a edi\xe7\xe3o";
    Acrescenta(final, {"CD_UF", "CD_MUN", "POP1"}, {{"35", "99", "4"}});
    ASSERT_TRUE(final.Localiza("CD_UF;CD_MUN", {35, 99}));
    EXPECT_EQ(final.Inteiro("POP1"), 1);
    final.VaiPara(2);
    EXPECT_FALSE(final.Localiza("CD_UF;CD_MUN", {35, 77}));
    EXPECT_EQ(final.RegistroAtual(), 2) << "sem achar, o cursor fica onde estava";
    ASSERT_TRUE(final.Localiza("CD_UF", {35}));
    EXPECT_EQ(final.RegistroAtual(), 1);
}

TEST_F(TesteTabela, LocalizaAcompanhaInclusoesMuitoAlemDoPrimeiroUso) {
    // O índice nasce com a tabela vazia e cresce com ela: cada código, três vezes repetido, acha sempre
    // a sua primeira ocorrência; um código nunca incluído, nada.
    EXPECT_FALSE(final.Localiza("CD_UF;CD_MUN", {35, 1}));
    for (int volta = 0; volta < 3; ++volta)
        for (int municipio = 1; municipio <= 200; ++municipio) {
            final.Inclui();
            final.DefineInteiro("CD_UF", 35);
            final.DefineInteiro("CD_MUN", municipio);
            final.DefineInteiro("POP1", volta);
            final.Posta();
            ASSERT_TRUE(final.Localiza("CD_UF;CD_MUN", {35, municipio}));
            ASSERT_EQ(final.RegistroAtual(), municipio) << "volta " << volta;
        }
    EXPECT_FALSE(final.Localiza("CD_UF;CD_MUN", {35, 201}));
    EXPECT_FALSE(final.Localiza("CD_UF;CD_MUN", {36, 1}));
    EXPECT_EQ(final.Registros(), 600);
}

TEST_F(TesteTabela, GravaEReabreComOsMesmosValores) {
    Acrescenta(
        final, {"CD_UF", "CD_MUN", "UF", "MUN", "POP1", "POP2"},
        {{"43", "1454", "RS", "Pinto Bandeira", "-2147483648", "2147483647"}, {"11", "", "", " \xc1gua", "0", ""}});
    final.Fecha();
    final.Abre();
    ASSERT_EQ(final.Registros(), 2);
    EXPECT_EQ(Linha(), (std::vector<std::string>{"43", "1454", "RS", "Pinto Bandeira", "-2147483648", "2147483647"}));
    final.Proximo();
    EXPECT_EQ(Linha(), (std::vector<std::string>{"11", "", "", " \xc1gua", "0", ""}));
    EXPECT_EQ(final.NomeCampo(3), "MUN");
    EXPECT_EQ(final.TextoCampoEm(1, 3), "Pinto Bandeira");
}

TEST_F(TesteTabela, DuasTabelasNoMesmoArquivoVeemOMesmoRegistroPostado) {
    Tabela outra(dados.motor);
    outra.DefinePasta(modelos.Caminho());
    outra.DefineNome("final.dbf");
    outra.Abre();
    Acrescenta(final, {"CD_UF"}, {{"5"}});
    outra.Primeiro();
    EXPECT_EQ(outra.Registros(), 1);
    EXPECT_EQ(outra.Inteiro("CD_UF"), 5);
    outra.Fecha();
    EXPECT_EQ(final.Registros(), 1) << "fechar a outra n\xe3o descarrega a tabela ainda em uso";
}

TEST_F(TesteTabela, EdicaoPostadaSemMudancaNaoMudaNada) {
    Acrescenta(final, {"CD_UF", "MUN"}, {{"35", "Mogi"}});
    final.Edita();
    final.Posta();
    EXPECT_EQ(final.Texto("MUN"), "Mogi");
    EXPECT_EQ(final.Registros(), 1);
}

TEST_F(TesteTabela, OperacoesForaDeHoraFalhamComMensagem) {
    EXPECT_THROW(final.DefinePasta("/tmp"), Falha) << "pasta de tabela aberta";
    EXPECT_THROW(final.Posta(), Falha) << "nada em edi\xe7\xe3o";
    final.Fecha();
    try {
        final.Fecha();
        FAIL();
    } catch (const Falha& falha) {
        EXPECT_STREQ(falha.what(), "A tabela FINAL.DBF n\xe3o est\xe1 aberta.");
    }
    EXPECT_THROW(final.Grava(), Falha);
}

} // namespace
