// Gera o arquivo de nomes de municípios para medir a importação: N linhas CD_UF;CD_MUN;MUN em
// Latin-1 com CR LF, nomes com acentos e de tamanhos variados (alguns passam de 50 caracteres).
// Uso: bench_importacao ARQUIVO N
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const int ufs[] = {11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, 27,
                   28, 29, 31, 32, 33, 35, 41, 42, 43, 50, 51, 52, 53};
const char* prefixos[] = {"S\xE3o ", "Santa ", "Vila ", "Nova ", "Porto ", "Campo ", "", "", ""};
const char* nomes[] = {"Jos\xE9",
                       "Concei\xE7\xE3o",
                       "Paulo",
                       "Ign\xE1"
                       "cio",
                       "Bel\xE9m",
                       "Uni\xE3o",
                       "Tr\xEAs Rios",
                       "Araraquara",
                       "Itapu\xED",
                       "Guaratinguet\xE1"};
const char* sufixos[] = {"", "", " do Norte", " das Ara\xFAjas", " de Minas e dos Campos Gerais do Sert\xE3o"};

std::uint64_t estado = 20130101;
std::uint32_t Sorteia(std::uint32_t limite) {
    estado = estado * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(estado >> 33) % limite;
}

template <typename T, std::size_t N>
T Escolhe(T (&lista)[N]) {
    return lista[Sorteia(N)];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s ARQUIVO N\n", argv[0]);
        return 2;
    }
    const long linhas = std::atol(argv[2]);
    std::FILE* arquivo = std::fopen(argv[1], "wb");
    if (arquivo == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    for (long i = 1; i <= linhas; ++i) {
        const std::string mun = std::string(Escolhe(prefixos)) + Escolhe(nomes) + Escolhe(sufixos);
        std::fprintf(arquivo, "%d;%ld;%s %ld\r\n", Escolhe(ufs), i, mun.c_str(), i);
    }
    return std::fclose(arquivo) == 0 ? 0 : 1;
}
