// Mede as operações do motor numa tabela grande: inclusões, gravação, carga, leitura em ordem,
// localização e edição. Uso: bench_motor PASTA [REGISTROS]
#include "AreaTrabalho.h"
#include "Dados.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

template <typename Passo>
void Mede(const char* nome, Passo&& passo) {
    const auto inicio = std::chrono::steady_clock::now();
    passo();
    const std::chrono::duration<double> gasto = std::chrono::steady_clock::now() - inicio;
    std::printf("%-34s %7.3f s\n", nome, gasto.count());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench_motor PASTA [REGISTROS]\n");
        return 2;
    }
    const std::string pasta = argv[1];
    const int registros = argc > 2 ? std::stoi(argv[2]) : 1000000;
    AreaTrabalho::GeraModelos(pasta);
    Dados dados;
    Tabela& final = dados.T_BF_DESC;
    final.DefinePasta(pasta);
    final.DefineNome("FINAL.DBF");
    final.Abre();
    Mede("inclusões", [&] {
        for (int i = 1; i <= registros; ++i) {
            final.Inclui();
            final.DefineTexto("CD_UF", std::to_string(11 + i % 27));
            final.DefineTexto("CD_MUN", std::to_string(i));
            final.DefineTexto("MUN", "Munic\xedpio n\xfamero " + std::to_string(i));
            final.DefineInteiro("POP1", i * 3);
            final.DefineInteiro("POP2", i * 3 + 1);
            final.Posta();
        }
    });
    Mede("gravação no disco", [&] { final.Fecha(); });
    Mede("carga do disco", [&] { final.Abre(); });
    long long soma = 0;
    Mede("leitura em ordem (3 campos)", [&] {
        for (final.Primeiro(); !final.Fim(); final.Proximo())
            soma += final.Inteiro("POP1") + final.Texto("MUN").size() + final.Inteiro("CD_UF");
    });
    Mede("100 mil localizações e edições", [&] {
        for (int i = 1; i <= 100000; ++i) {
            const int municipio = 1 + (i * 7919) % registros;
            if (!final.Localiza("CD_UF;CD_MUN", {11 + municipio % 27, municipio}))
                continue;
            const int pop1 = final.Inteiro("POP1");
            final.Edita();
            final.DefineInteiro("POP1", pop1 - 1);
            final.Posta();
            soma += final.Inteiro("POP2");
        }
    });
    Mede("gravação no disco", [&] { final.Fecha(); });
    std::printf("(soma de controle %lld)\n", soma);
    return 0;
}
