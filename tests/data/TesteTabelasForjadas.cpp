// Tabelas .dbf forjadas: nomes de campo que fechariam um comando SQL, tabela sem campos, campo de
// largura 0, coluna repetida, contagem de registros que não cabe no arquivo, número que não cabe no
// campo e base extra com colunas do tipo errado são recusados na abertura, com a tabela e o campo na
// mensagem, sem nada rodar nem ser criado.
#include "AreaTrabalho.h"
#include "Falha.h"
#include "Motor.h"
#include "PastaTemporaria.h"
#include "Tabela.h"
#include "Temporarios.h"
#include "TravaPasta.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CampoForjado {
    std::string nome; // até 11 bytes, como no cabeçalho
    char tipo;
    unsigned char largura;
};

// Um .dbf escrito byte a byte, com um registro (brancos, ou os bytes dados depois da marca de apagado):
// o que uma ferramenta qualquer gravaria. A contagem do cabeçalho pode mentir.
std::string DbfForjado(const std::vector<CampoForjado>& campos, std::uint32_t contagem = 1,
                       const std::string& registro = "") {
    std::string cabecalho(32, '\0');
    int tamanhoRegistro = 1;
    std::string descritores;
    for (const CampoForjado& campo : campos) {
        std::string descritor(32, '\0');
        descritor.replace(0, campo.nome.size(), campo.nome);
        descritor[11] = campo.tipo;
        descritor[16] = static_cast<char>(campo.largura);
        descritores += descritor;
        tamanhoRegistro += campo.largura;
    }
    const int tamanhoCabecalho = 32 + static_cast<int>(descritores.size()) + 1;
    cabecalho[0] = 3;
    for (int i = 0; i < 4; ++i)
        cabecalho[4 + i] = static_cast<char>(contagem >> (8 * i));
    cabecalho[8] = static_cast<char>(tamanhoCabecalho & 0xFF);
    cabecalho[9] = static_cast<char>(tamanhoCabecalho >> 8);
    cabecalho[10] = static_cast<char>(tamanhoRegistro & 0xFF);
    cabecalho[11] = static_cast<char>(tamanhoRegistro >> 8);
    cabecalho[29] = 3;
    std::string dados = " " + registro;
    dados.resize(static_cast<std::size_t>(tamanhoRegistro), ' ');
    return cabecalho + descritores + "\r" + dados + "\x1a";
}

struct CasoForjado {
    CasoForjado(const char* nome_, std::vector<CampoForjado> campos_, std::string mensagem_,
                std::string arquivo_ = "DEF_UF.DBF", std::uint32_t contagem_ = 1, std::string registro_ = "")
        : nome(nome_), campos(std::move(campos_)), mensagem(std::move(mensagem_)), arquivo(std::move(arquivo_)),
          contagem(contagem_), registro(std::move(registro_)) {}
    const char* nome;
    std::vector<CampoForjado> campos;
    std::string mensagem;
    std::string arquivo;
    std::uint32_t contagem;
    std::string registro; // os bytes do registro depois da marca de apagado
};

std::string ComPasta(std::string mensagem, const std::string& pasta) {
    const auto marca = mensagem.find("{p}");
    return marca == std::string::npos ? mensagem : mensagem.replace(marca, 3, pasta);
}

class TabelaForjada : public testing::TestWithParam<CasoForjado> {};

TEST_P(TabelaForjada, RecusadaNaAbertura) {
    const CasoForjado& caso = GetParam();
    PastaTemporaria pasta;
    pasta.Escreve(caso.arquivo, DbfForjado(caso.campos, caso.contagem, caso.registro));
    Motor motor;
    Tabela tabela(motor);
    tabela.DefinePasta(pasta.Caminho());
    tabela.DefineNome(caso.arquivo);
    std::string mensagem;
    try {
        AreaTrabalho::ConfereBaseExtra(pasta.Caminho(), caso.arquivo);
        tabela.Abre();
    } catch (const Falha& falha) {
        mensagem = falha.what();
    }
    EXPECT_EQ(mensagem, ComPasta(caso.mensagem, pasta.Caminho()));
    EXPECT_FALSE(tabela.Aberta());
    // Nada que um comando embutido criaria: só o arquivo forjado na pasta.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), {}), 1);
}

const CasoForjado casos[] = {
    {"nome_que_fecha_o_comando",
     {{"CD_UF\");--", 'N', 11}, {"SG_UF", 'C', 2}},
     "A tabela {p}DEF_UF.DBF tem um campo de nome inv\xe1lido ('CD_UF\");--'): s\xf3 letras, algarismos e _, at\xe9 10 "
     "caracteres."},
    {"nome_que_anexaria_outra_base",
     {{"CD_UF", 'N', 11}, {"X';ATTACH", 'C', 2}},
     "A tabela {p}DEF_UF.DBF tem um campo de nome inv\xe1lido ('X';ATTACH'): s\xf3 letras, algarismos e _, at\xe9 10 "
     "caracteres."},
    {"sem_campos", {}, "A tabela {p}DEF_UF.DBF n\xe3o tem nenhum campo."},
    {"campo_de_largura_zero",
     {{"CD_UF", 'N', 11}, {"SG_UF", 'C', 0}},
     "A tabela {p}DEF_UF.DBF tem o campo SG_UF com largura 0."},
    {"codigo_de_texto",
     {{"CD_UF", 'C', 11}, {"SG_UF", 'C', 2}},
     "A tabela DEF_UF.DBF n\xe3o serve como base extra: a coluna CD_UF devia ser num\xe9rica."},
    {"sigla_numerica",
     {{"CD_UF", 'N', 11}, {"SG_UF", 'N', 2}},
     "A tabela DEF_UF.DBF n\xe3o serve como base extra: a coluna SG_UF devia ser de texto."},
    {"sem_a_sigla",
     {{"CD_UF", 'N', 11}, {"SIGLA", 'C', 2}},
     "A tabela DEF_UF.DBF n\xe3o serve como base extra: falta a coluna SG_UF."},
    // Uma coluna repetida: a conferência dos tipos leria uma, o motor a outra.
    {"nome_duas_vezes_numerico_primeiro",
     {{"CD_UF", 'N', 11}, {"CD_MUN", 'N', 11}, {"MUN", 'N', 11}, {"MUN", 'C', 50}},
     "A tabela {p}DEF_MUN.DBF tem a coluna MUN repetida.",
     "DEF_MUN.DBF"},
    {"codigo_duas_vezes",
     {{"CD_UF", 'N', 11}, {"CD_MUN", 'N', 11}, {"MUN", 'C', 50}, {"CD_MUN", 'N', 11}},
     "A tabela {p}DEF_MUN.DBF tem a coluna CD_MUN repetida.",
     "DEF_MUN.DBF"},
    {"uf_duas_vezes_nos_municipios",
     {{"CD_UF", 'N', 11}, {"cd_uf", 'N', 11}, {"CD_MUN", 'N', 11}, {"MUN", 'C', 50}},
     "A tabela {p}DEF_MUN.DBF tem a coluna cd_uf repetida.",
     "DEF_MUN.DBF"},
    {"uf_duas_vezes",
     {{"CD_UF", 'N', 11}, {"SG_UF", 'C', 2}, {"CD_UF", 'N', 11}},
     "A tabela {p}DEF_UF.DBF tem a coluna CD_UF repetida."},
    {"sigla_duas_vezes",
     {{"CD_UF", 'N', 11}, {"SG_UF", 'C', 2}, {"SG_UF", 'C', 2}},
     "A tabela {p}DEF_UF.DBF tem a coluna SG_UF repetida."},
    {"sigla_duas_vezes_numerica_primeiro",
     {{"CD_UF", 'N', 11}, {"SG_UF", 'N', 2}, {"sg_uf", 'C', 2}},
     "A tabela {p}DEF_UF.DBF tem a coluna sg_uf repetida."},
    // A shapelib ignora o bit mais alto da contagem e leria a tabela como vazia.
    {"contagem_com_bit_alto",
     {{"CD_UF", 'N', 11}, {"SG_UF", 'C', 2}},
     "A tabela {p}DEF_UF.DBF est\xe1 truncada ou danificada.",
     "DEF_UF.DBF",
     0x80000000u},
    {"numero_que_nao_cabe_no_campo",
     {{"CD_UF", 'N', 11}, {"SG_UF", 'C', 2}},
     "O campo CD_UF da tabela {p}DEF_UF.DBF guarda um n\xfamero que n\xe3o cabe na sua largura: '1e300'",
     "DEF_UF.DBF",
     1,
     "      1e300SP"},
};

INSTANTIATE_TEST_SUITE_P(Casos, TabelaForjada, testing::ValuesIn(casos),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// Os temporários de um processo morto somem; os de um processo vivo e os arquivos do usuário ficam.
TEST(Temporarios, OrfaosApagadosVivosEAlheiosFicam) {
    PastaTemporaria pasta;
    pid_t morto = ::fork();
    if (morto == 0)
        ::_exit(0);
    ASSERT_GT(morto, 0);
    ::waitpid(morto, nullptr, 0);
    const std::string doMorto = ".morvisan-" + std::to_string(morto) + "-1.dbf";
    const std::string doVivo = ".morvisan-1-3.tmp"; // o processo 1 sempre existe
    for (const std::string& nome :
         {doMorto, doVivo, std::string(".morvisan-trava"), std::string("RES.CSV"), std::string(".morvisan-x-1.dbf")})
        pasta.Escreve(nome, "x");
    LimpaTemporariosOrfaos(pasta.Caminho());
    EXPECT_FALSE(std::filesystem::exists(pasta / doMorto));
    for (const char* fica : {".morvisan-1-3.tmp", ".morvisan-trava", "RES.CSV", ".morvisan-x-1.dbf"})
        EXPECT_TRUE(std::filesystem::exists(pasta / fica)) << fica;
}

struct CasoNomeTomado {
    const char* nome;
    void (*planta)(const std::string& nome, const std::string& fora);
    bool ligacao;
};

class NomeTomado : public testing::TestWithParam<CasoNomeTomado> {};

// Um nome já tomado por um arquivo ou por uma ligação plantada (para um arquivo de fora da pasta ou
// para um que ainda não existe) nunca é aberto: o arquivo de fora fica como estava e não nasce. Uma
// ligação no nome da trava da pasta de saída também não deixa a rodada seguir sem trava.
TEST_P(NomeTomado, CriacaoExclusivaRecusaENadaMudaForaDaPasta) {
    PastaTemporaria pasta;
    std::filesystem::create_directories(pasta / "saida");
    pasta.Escreve("fora.txt", "de outro usu\xe1rio");
    const std::string nome = pasta / "saida/.morvisan-1-1.tmp";
    GetParam().planta(nome, pasta / "fora.txt");
    EXPECT_LT(CriaExclusivo(nome), 0);
    EXPECT_EQ(errno, EEXIST);
    if (GetParam().ligacao) {
        GetParam().planta(pasta / "saida/.morvisan-trava-saidas", pasta / "fora.txt");
        EXPECT_THROW(TravaPasta(pasta / "saida", TravaPasta::Uso::Saida), Falha);
    }
    EXPECT_EQ(pasta.Le("fora.txt"), "de outro usu\xe1rio");
    EXPECT_FALSE(std::filesystem::exists(pasta / "ninguem.txt"));
}

const CasoNomeTomado casosNomeTomado[] = {
    {"ligacao_para_arquivo_de_fora",
     [](const std::string& nome, const std::string& fora) { std::filesystem::create_symlink(fora, nome); }, true},
    {"ligacao_para_nome_que_nao_existe",
     [](const std::string& nome, const std::string& fora) {
         std::filesystem::create_symlink(std::filesystem::path(fora).parent_path() / "ninguem.txt", nome);
     },
     true},
    {"arquivo_existente", [](const std::string& nome, const std::string&) { std::ofstream(nome) << "x"; }, false},
};

INSTANTIATE_TEST_SUITE_P(Casos, NomeTomado, testing::ValuesIn(casosNomeTomado),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// Os nomes são sorteados: nem o número do processo nem uma sequência deixam adivinhar o próximo.
TEST(Temporarios, NomesSorteadosNaPastaDoDestino) {
    PastaTemporaria pasta;
    const TemporarioCriado um = CriaTemporario(pasta / "RES.CSV", "tmp");
    const TemporarioCriado outro = CriaTemporario(pasta / "RES.CSV", "tmp");
    ASSERT_GE(um.descritor, 0);
    ASSERT_GE(outro.descritor, 0);
    ::close(um.descritor);
    ::close(outro.descritor);
    const std::string prefixo = pasta / (".morvisan-" + std::to_string(::getpid()) + "-");
    for (const std::string& caminho : {um.caminho, outro.caminho}) {
        ASSERT_EQ(caminho.rfind(prefixo, 0), 0u) << caminho;
        EXPECT_EQ(caminho.size(), prefixo.size() + 16 + 4) << caminho;
    }
    EXPECT_NE(um.caminho, outro.caminho);
}

} // namespace
