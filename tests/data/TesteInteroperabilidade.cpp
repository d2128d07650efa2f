// As tabelas que o motor grava são lidas igual por outro leitor dBase (dbfread do Debian), e uma
// tabela gravada por outra ferramenta (ogr2ogr, do GDAL) abre no motor com os mesmos valores.
#include "ApoioMotor.h"
#include "ArquivoDbf.h"
#include "ImportacaoExtras.h"
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string python = "/usr/bin/python3";
const std::string ogr2ogr = "/usr/bin/ogr2ogr";

bool Executavel(const std::string& caminho) {
    return ::access(caminho.c_str(), X_OK) == 0;
}

// Campos e registros como o dbfread os entende, com o texto de volta em Windows-1252; a
// codificação vem da marca de página de código do arquivo, não de um palpite.
const char* scriptDbfread = R"(import sys
from dbfread import DBF
t = DBF(sys.argv[1], char_decode_errors='strict')
linhas = [t.encoding]
linhas += ['%s:%s:%d:%d' % (c.name, c.type, c.length, c.decimal_count) for c in t.fields]
linhas += ['|'.join('' if v is None else str(v) for v in r.values()) for r in t]
sys.stdout.buffer.write(('\n'.join(linhas) + '\n').encode('cp1252'))
)";

TEST(TesteInteroperabilidade, DbfreadLeOQueAImportacaoGravou) {
    if (!Executavel(python) || std::system((python + " -c 'import dbfread' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-dbfread ausente";
    PastaTemporaria pasta;
    Ajustes ajustes;
    ajustes.DefinePastas(PastaUnica(pasta.MontaSistema()));
    Dados dados;
    const std::string nome50 = "Vila Bela da Sant\xEDssima Trindade do Mato Grosso Ac";
    pasta.Escreve("mun.csv", "35;5030;S\xE3o Paulo\r\n41;1;Foz do Igua\xE7u\r\n-1;0;\r\n51;2;" + nome50 + "xyz\r\n");
    ImportaBaseExtra(BaseExtra::Municipios, pasta / "mun.csv", ajustes, dados);
    pasta.Escreve("ufs.csv", "35;SP\r\n43;\r\n");
    ImportaBaseExtra(BaseExtra::Ufs, pasta / "ufs.csv", ajustes, dados);
    pasta.Escreve("le.py", scriptDbfread);

    const std::string saida = pasta / "saida.txt";
    ASSERT_EQ(
        std::system(
            (python + " " + (pasta / "le.py") + " " + ajustes.DirSistema + "Bases1/DEF_MUN.dbf >" + saida).c_str()),
        0);
    EXPECT_EQ(LeArquivo(saida), "cp1252\n"
                                "CD_UF:N:11:0\nCD_MUN:N:11:0\nMUN:C:50:0\n"
                                "35|5030|S\xE3o Paulo\n"
                                "41|1|Foz do Igua\xE7u\n"
                                "-1|0|\n"
                                "51|2|" +
                                    nome50 + "\n");
    ASSERT_EQ(
        std::system(
            (python + " " + (pasta / "le.py") + " " + ajustes.DirSistema + "Bases1/DEF_UF.dbf >" + saida).c_str()),
        0);
    EXPECT_EQ(LeArquivo(saida), "cp1252\nCD_UF:N:11:0\nSG_UF:C:2:0\n35|SP\n43|\n");
}

// Nomes salvos em UTF-8 por uma planilha chegam à tabela em Windows-1252, como a marca dela diz: o
// dbfread e o ogrinfo do GDAL leem os acentos certos.
TEST(TesteInteroperabilidade, NomesEmUtf8LidosComAcentosPorOutrasFerramentas) {
    PastaTemporaria pasta;
    Ajustes ajustes;
    ajustes.DefinePastas(PastaUnica(pasta.MontaSistema()));
    Dados dados;
    pasta.Escreve("mun.csv", "\xEF\xBB\xBF"
                             "CD_UF;CD_MUN;MUN\r\n35;5030;S\xC3\xA3o Paulo\r\n41;1;\"Foz do Igua\xC3\xA7u\"\r\n");
    const ResultadoImportacao resultado = ImportaBaseExtra(BaseExtra::Municipios, pasta / "mun.csv", ajustes, dados);
    EXPECT_EQ(resultado.registrosIncluidos, 2);
    const std::string tabela = ajustes.DirSistema + "Bases1/DEF_MUN.dbf";
    if (Executavel(python) && std::system((python + " -c 'import dbfread' 2>/dev/null").c_str()) == 0) {
        pasta.Escreve("le.py", scriptDbfread);
        ASSERT_EQ(
            std::system((python + " " + (pasta / "le.py") + " " + tabela + " >" + (pasta / "dbfread.txt")).c_str()), 0);
        EXPECT_NE(pasta.Le("dbfread.txt").find("35|5030|S\xE3o Paulo\n41|1|Foz do Igua\xE7u\n"), std::string::npos);
    }
    const std::string ogrinfo = "/usr/bin/ogrinfo";
    if (!Executavel(ogrinfo))
        GTEST_SKIP() << "gdal-bin ausente";
    ASSERT_EQ(std::system((ogrinfo + " -q -al " + tabela + " >" + (pasta / "ogrinfo.txt") + " 2>&1").c_str()), 0);
    const std::string saida = pasta.Le("ogrinfo.txt");
    EXPECT_NE(saida.find("MUN (String) = S\xC3\xA3o Paulo"), std::string::npos) << saida;
    EXPECT_NE(saida.find("MUN (String) = Foz do Igua\xC3\xA7u"), std::string::npos) << saida;
}

TEST(TesteInteroperabilidade, MotorAbreODbfDoOgr2ogr) {
    if (!Executavel(ogr2ogr))
        GTEST_SKIP() << "gdal-bin ausente";
    PastaTemporaria pasta;
    // O CSV do GDAL é UTF-8; ele grava o .dbf em Latin-1 com a marca de página de código.
    pasta.Escreve("def_mun.csv", "CD_UF,CD_MUN,MUN\r\n35,5030,S\xC3\xA3o Paulo\r\n41,1,Foz do Igua\xC3\xA7u\r\n"
                                 "-7,2147483647,\r\n");
    const std::string comando = ogr2ogr + " -f 'ESRI Shapefile' -oo AUTODETECT_TYPE=YES -lco ENCODING=ISO-8859-1 " +
                                (pasta / "DEF_MUN.dbf") + " " + (pasta / "def_mun.csv") + " 2>/dev/null";
    ASSERT_EQ(std::system(comando.c_str()), 0);

    Motor motor;
    Tabela tabela(motor);
    tabela.DefinePasta(pasta.Caminho());
    tabela.DefineNome("DEF_MUN.DBF");
    tabela.Abre();
    ASSERT_EQ(tabela.Registros(), 3);
    ASSERT_EQ(tabela.NumeroCampos(), 3);
    EXPECT_EQ(tabela.NomeCampo(0) + tabela.NomeCampo(1) + tabela.NomeCampo(2), "CD_UFCD_MUNMUN");
    EXPECT_EQ(tabela.Inteiro("CD_UF"), 35);
    EXPECT_EQ(tabela.Inteiro("CD_MUN"), 5030);
    EXPECT_EQ(tabela.Texto("MUN"), "S\xE3o Paulo");
    tabela.Proximo();
    EXPECT_EQ(tabela.Texto("MUN"), "Foz do Igua\xE7u");
    tabela.Proximo();
    EXPECT_EQ(tabela.Inteiro("CD_UF"), -7);
    EXPECT_EQ(tabela.Inteiro("CD_MUN"), 2147483647);
    EXPECT_EQ(tabela.Texto("MUN"), "");
    // A procura pela chave também serve na tabela alheia.
    EXPECT_TRUE(tabela.Localiza("CD_UF;CD_MUN", {41, 1}));
    EXPECT_EQ(tabela.RegistroAtual(), 2);
    tabela.Fecha();
}

TEST(TesteInteroperabilidade, TabelaGrandeAtravessaOsBlocosDeEscrita) {
    // 40.000 registros de 73 bytes passam várias vezes do bloco de escrita acumulada.
    PastaTemporaria pasta;
    ConteudoDbf conteudo{{{"CD_UF", 'N', 11, 0}, {"CD_MUN", 'N', 11, 0}, {"MUN", 'C', 50, 0}}, {}, 3};
    for (int i = 1; i <= 40000; ++i)
        conteudo.registros.push_back({Valor{Valor::Tipo::Inteiro, i % 53, 0, {}}, Valor{Valor::Tipo::Inteiro, i, 0, {}},
                                      Valor{Valor::Tipo::Texto, 0, 0, "Munic\xEDpio " + std::to_string(i)}});
    GravaDbf(pasta / "GRANDE.dbf", conteudo);
    const ConteudoDbf lido = LeDbf(pasta / "GRANDE.dbf");
    ASSERT_EQ(lido.registros.size(), 40000u);
    for (std::size_t i = 0; i < lido.registros.size(); i += 7919) {
        EXPECT_EQ(lido.registros[i][1].inteiro, static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(lido.registros[i][2].texto, "Munic\xEDpio " + std::to_string(i + 1));
    }
    EXPECT_EQ(lido.registros.back()[2].texto, "Munic\xEDpio 40000");
    if (!Executavel(python))
        return;
    pasta.Escreve("le.py", scriptDbfread);
    ASSERT_EQ(
        std::system(
            (python + " " + (pasta / "le.py") + " " + (pasta / "GRANDE.dbf") + " >" + (pasta / "saida.txt")).c_str()),
        0);
    const std::string saida = pasta.Le("saida.txt");
    EXPECT_EQ(std::count(saida.begin(), saida.end(), '\n'), 4 + 40000);
    EXPECT_NE(saida.find("\n38|40000|Munic\xEDpio 40000\n"), std::string::npos);
}

} // namespace
