// O motor por dentro do contrato: uma tabela grande que não mudou é reaproveitada na próxima abertura
// de um arquivo igual, e só dele; e o .dbf gravado tem o formato dBase byte a byte.
#include "ApoioMotor.h"
#include "Falha.h"

#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

Valor Inteiro(std::int64_t valor) {
    return {Valor::Tipo::Inteiro, valor, 0, {}};
}

Valor Texto(const std::string& texto) {
    return {Valor::Tipo::Texto, 0, 0, texto};
}

// Uma base de nomes de 1,5 MB, grande o bastante para o motor guardar; a letra muda todos os nomes sem
// mudar o tamanho do arquivo.
void GravaNomes(const std::string& caminho, char letra) {
    ConteudoDbf conteudo{{{"CD_UF", 'N', 11, 0}, {"CD_MUN", 'N', 11, 0}, {"MUN", 'C', 50, 0}}, {}, 3};
    for (int i = 1; i <= 20000; ++i)
        conteudo.registros.push_back({Inteiro(35), Inteiro(i), Texto(letra + std::to_string(i))});
    GravaDbf(caminho, conteudo);
}

TEST(TesteMotor, TabelaGrandeReaproveitadaSoQuandoOArquivoNaoMudou) {
    PastaTemporaria pasta;
    Motor motor;
    const auto ultimoNome = [&](const std::string& arquivo, const std::string& novo = "") {
        Tabela tabela(motor);
        tabela.DefinePasta(pasta.Caminho());
        tabela.DefineNome(arquivo);
        tabela.Abre();
        tabela.Ultimo();
        const std::string nome = tabela.Texto("MUN");
        if (!novo.empty()) {
            tabela.Edita();
            tabela.DefineTexto("MUN", novo);
            tabela.Posta();
        }
        tabela.Fecha();
        return nome;
    };
    GravaNomes(pasta / "DEF_MUN.dbf", 'A');
    EXPECT_EQ(ultimoNome("DEF_MUN.dbf"), "A20000");
    std::filesystem::copy_file(pasta / "DEF_MUN.dbf", pasta / "COPIA.dbf");
    EXPECT_EQ(ultimoNome("COPIA.dbf"), "A20000") << "a c\xf3pia de conte\xfa"
                                                    "do igual";
    GravaNomes(pasta / "DEF_MUN.dbf", 'B');
    EXPECT_EQ(ultimoNome("DEF_MUN.dbf", "Mudado"), "B20000") << "mesmo tamanho, outros nomes";
    EXPECT_EQ(ultimoNome("DEF_MUN.dbf"), "Mudado") << "a tabela mudada foi gravada e relida";
    std::filesystem::remove(pasta / "DEF_MUN.dbf");
    try {
        ultimoNome("DEF_MUN.dbf");
        ADD_FAILURE() << "arquivo apagado n\xe3o pode vir da mem\xf3ria";
    } catch (const Falha& falha) {
        EXPECT_EQ(std::string(falha.what()), "Tabela n\xe3o encontrada: " + (pasta / "DEF_MUN.dbf"));
    }
}

TEST(TesteMotor, CodigoAlemDe32BitsENomesAlemDeUmBlocoVoltamInteiros) {
    // Um .dbf de outra ferramenta pode guardar códigos de 11 dígitos; 60 mil nomes de 50 caracteres
    // passam por vários blocos de texto. Nada se perde na ida e na volta pela memória.
    PastaTemporaria pasta;
    ConteudoDbf conteudo{{{"CD_UF", 'N', 11, 0}, {"CD_MUN", 'N', 11, 0}, {"MUN", 'C', 50, 0}}, {}, 3};
    for (int i = 1; i <= 60000; ++i)
        conteudo.registros.push_back({Inteiro(35), Inteiro(i == 60000 ? 99999999999 : i),
                                      Texto(std::string(40, 'x') + std::to_string(1000000 + i))});
    GravaDbf(pasta / "DEF_MUN.dbf", conteudo);
    Motor motor;
    Tabela tabela(motor);
    tabela.DefinePasta(pasta.Caminho());
    tabela.DefineNome("DEF_MUN.dbf");
    tabela.Abre();
    tabela.Ultimo();
    EXPECT_EQ(tabela.Texto("CD_MUN"), "99999999999");
    EXPECT_THROW(tabela.Inteiro("CD_MUN"), Falha) << "n\xe3o cabe num inteiro de 32 bits";
    tabela.Edita();
    tabela.DefineTexto("MUN", "Editado");
    tabela.Posta();
    tabela.Fecha();
    const ConteudoDbf lido = LeDbf(pasta / "DEF_MUN.dbf");
    ASSERT_EQ(lido.registros.size(), 60000u);
    for (std::size_t i = 0; i + 1 < lido.registros.size(); i += 997) {
        EXPECT_EQ(lido.registros[i][1].inteiro, static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(lido.registros[i][2].texto, std::string(40, 'x') + std::to_string(1000001 + i));
    }
    EXPECT_EQ(lido.registros.back()[1].inteiro, 99999999999);
    EXPECT_EQ(lido.registros.back()[2].texto, "Editado");
}

std::string Descritor(const std::string& nome, char tipo, int largura, int decimais) {
    std::string descritor(32, '\0');
    descritor.replace(0, nome.size(), nome);
    descritor[11] = tipo;
    descritor[16] = static_cast<char>(largura);
    descritor[17] = static_cast<char>(decimais);
    return descritor;
}

TEST(TesteMotor, GravaNoFormatoDBaseByteAByte) {
    PastaTemporaria pasta;
    const ConteudoDbf conteudo{{{"CD_UF", 'N', 11, 0}, {"MUN", 'C', 5, 0}, {"TAXA", 'N', 8, 2}},
                               {{Inteiro(35), Texto("Abcdefg"), Inteiro(12)},
                                {Valor{}, Valor{}, Valor{Valor::Tipo::Real, 0, 3.14159, {}}},
                                {Inteiro(-7), Texto("x"), Valor{}}},
                               3};
    GravaDbf(pasta / "T.dbf", conteudo);
    std::string cabecalho(32, '\0');
    const std::time_t agora = std::time(nullptr);
    std::tm hoje{};
    localtime_r(&agora, &hoje);
    cabecalho[0] = 3;
    cabecalho[1] = static_cast<char>(hoje.tm_year);
    cabecalho[2] = static_cast<char>(hoje.tm_mon + 1);
    cabecalho[3] = static_cast<char>(hoje.tm_mday);
    cabecalho[4] = 3;                                  // registros
    cabecalho[8] = static_cast<char>(32 + 3 * 32 + 1); // cabeçalho
    cabecalho[10] = 1 + 11 + 5 + 8;                    // registro
    cabecalho[29] = 3;                                 // Windows-1252
    const std::string esperado = cabecalho + Descritor("CD_UF", 'N', 11, 0) + Descritor("MUN", 'C', 5, 0) +
                                 Descritor("TAXA", 'N', 8, 2) + "\r" + "          35Abcde   12.00" +
                                 "                     3.14" + "          -7x            " + "\x1a";
    EXPECT_EQ(pasta.Le("T.dbf"), esperado);
}

} // namespace

namespace {

// Um valor recusado numa coluna do meio não deixa o registro pela metade: as colunas antes dele não
// crescem, e o próximo registro entra inteiro no lugar certo.
TEST(TesteMotor, RegistroRecusadoNoMeioNaoAcrescentaNenhumaColuna) {
    Registros registros({{"MUN", 'C', 50, 0}, {"POP", 'N', 11, 0}, {"UF", 'C', 2, 0}});
    const Celula nome{Valor::Tipo::Texto, 0, 0, "Nome"}, lixo{Valor::Tipo::Texto, 0, 0, "abc"};
    EXPECT_THROW(registros.Acrescenta({nome, lixo, nome}), Falha);
    EXPECT_EQ(registros.Quantos(), 0);
    EXPECT_EQ(registros.Acrescenta({nome, {Valor::Tipo::Inteiro, 7, 0, {}}, {}}), 0);
    EXPECT_EQ(registros.Le(0, 0).texto, "Nome");
    EXPECT_EQ(registros.Le(0, 1).inteiro, 7);
    EXPECT_EQ(registros.Le(0, 2).tipo, Valor::Tipo::Nulo);
}

} // namespace
