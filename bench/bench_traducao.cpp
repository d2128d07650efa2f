// Gera uma rodada sintética para medir a tradução: base original de N municípios, base de tradução de
// M mudanças (metade para municípios novos, cadeias e exceções inclusas) e as duas bases extras.
// Uso: bench_traducao PASTA N M
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const int ufs[] = {11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, 27,
                   28, 29, 31, 32, 33, 35, 41, 42, 43, 50, 51, 52, 53};
const char* siglas[] = {"RO", "AC", "AM", "RR", "PA", "AP", "TO", "MA", "PI", "CE", "RN", "PB", "PE", "AL",
                        "SE", "BA", "MG", "ES", "RJ", "SP", "PR", "SC", "RS", "MS", "MT", "GO", "DF"};
constexpr int totalUfs = 27;

std::uint64_t estado = 20130101;
std::uint32_t Sorteia(std::uint32_t limite) {
    estado = estado * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(estado >> 33) % limite;
}

// Um código de 6 algarismos que começa pelo CD_UF seria lido como o código do IBGE (o de 4 algarismos
// de outro município): a numeração pula essa faixa. Só a carga de 2 milhões chega lá; as de até 1 milhão
// ficam como eram.
long ForaDaFaixaIbge(int uf, long codigo) {
    return codigo >= uf * 10000L ? codigo + 10000 : codigo;
}

std::FILE* Cria(const std::string& caminho) {
    std::FILE* arquivo = std::fopen(caminho.c_str(), "wb");
    if (arquivo == nullptr) {
        std::perror(caminho.c_str());
        std::exit(1);
    }
    return arquivo;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s PASTA N M\n", argv[0]);
        return 2;
    }
    const std::string pasta = argv[1];
    const long municipios = std::atol(argv[2]);
    const long mudancas = std::atol(argv[3]);
    const long porUf = (municipios + totalUfs - 1) / totalUfs;

    std::FILE* original = Cria(pasta + "/original.csv");
    std::FILE* nomes = Cria(pasta + "/municipios.csv");
    for (long i = 0; i < municipios; ++i) {
        const int uf = ufs[i % totalUfs];
        const long codigo = ForaDaFaixaIbge(uf, i / totalUfs + 1);
        const std::uint32_t pop1 = 1000 + Sorteia(200000);
        std::fprintf(original, "%d;%ld;%u;%u\r\n", uf, codigo, pop1, pop1 + Sorteia(pop1 / 20 + 1));
        std::fprintf(nomes, "%d;%ld;Munic\xedpio %ld de %s\r\n", uf, codigo, codigo, siglas[i % totalUfs]);
    }
    std::FILE* traducao = Cria(pasta + "/traducao.csv");
    for (long j = 0; j < mudancas; ++j) {
        const int indiceUf = static_cast<int>(Sorteia(totalUfs));
        const int uf = ufs[indiceUf];
        const long doador = ForaDaFaixaIbge(uf, 1 + Sorteia(static_cast<std::uint32_t>(porUf)));
        // Metade vai para municípios novos (alguns repetidos, que viram cadeias), metade para existentes.
        const long receptor =
            ForaDaFaixaIbge(uf, j % 2 == 0 ? porUf + 1 + Sorteia(static_cast<std::uint32_t>(mudancas / 4 + 1))
                                           : 1 + Sorteia(static_cast<std::uint32_t>(porUf)));
        std::fprintf(traducao, "%d;%c;%ld;%c;%ld;%u;%u;%s\r\n", uf, 'A' + Sorteia(3), doador, 'A' + Sorteia(3),
                     receptor, 1 + Sorteia(500), 20000101 + Sorteia(20) * 10000, Sorteia(100) == 0 ? "*" : "");
        if (j % 2 == 0)
            std::fprintf(nomes, "%d;%ld;Novo %ld\r\n", uf, receptor, receptor);
    }
    std::FILE* siglasUf = Cria(pasta + "/ufs.csv");
    for (int k = 0; k < totalUfs; ++k)
        std::fprintf(siglasUf, "%d;%s\r\n", ufs[k], siglas[k]);
    for (std::FILE* arquivo : {original, nomes, traducao, siglasUf})
        std::fclose(arquivo);
    return 0;
}
