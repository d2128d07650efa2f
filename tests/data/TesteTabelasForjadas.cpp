// Tabelas .dbf forjadas: nomes de campo que fechariam um comando SQL, tabela sem campos, campo de
// largura 0 e base extra com colunas do tipo errado são recusados na abertura, com a tabela e o
// campo na mensagem, sem nada rodar nem ser criado.
#include "AreaTrabalho.h"
#include "Falha.h"
#include "Motor.h"
#include "PastaTemporaria.h"
#include "Tabela.h"
#include "Temporarios.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CampoForjado {
    std::string nome; // até 11 bytes, como no cabeçalho
    char tipo;
    unsigned char largura;
};

// Um .dbf escrito byte a byte, com um registro de brancos: o que uma ferramenta qualquer gravaria.
std::string DbfForjado(const std::vector<CampoForjado>& campos) {
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
    cabecalho[4] = 1; // um registro
    cabecalho[8] = static_cast<char>(tamanhoCabecalho & 0xFF);
    cabecalho[9] = static_cast<char>(tamanhoCabecalho >> 8);
    cabecalho[10] = static_cast<char>(tamanhoRegistro & 0xFF);
    cabecalho[11] = static_cast<char>(tamanhoRegistro >> 8);
    cabecalho[29] = 3;
    return cabecalho + descritores + "\r" + std::string(static_cast<std::size_t>(tamanhoRegistro), ' ') + "\x1a";
}

struct CasoForjado {
    const char* nome;
    std::vector<CampoForjado> campos;
    std::string mensagem;
};

std::string ComPasta(std::string mensagem, const std::string& pasta) {
    const auto marca = mensagem.find("{p}");
    return marca == std::string::npos ? mensagem : mensagem.replace(marca, 3, pasta);
}

class TabelaForjada : public testing::TestWithParam<CasoForjado> {};

TEST_P(TabelaForjada, RecusadaNaAbertura) {
    const CasoForjado& caso = GetParam();
    PastaTemporaria pasta;
    pasta.Escreve("DEF_UF.dbf", DbfForjado(caso.campos));
    Motor motor;
    Tabela tabela(motor);
    tabela.DefinePasta(pasta.Caminho());
    tabela.DefineNome("DEF_UF.dbf");
    std::string mensagem;
    try {
        AreaTrabalho::ConfereBaseExtra(pasta.Caminho(), "DEF_UF.DBF");
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

} // namespace
