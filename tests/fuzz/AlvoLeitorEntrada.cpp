// Alvo de fuzzing: o leitor de linhas dos arquivos de entrada (codificação, marca, fins de linha).
#include "Falha.h"
#include "LeitorEntrada.h"
#include "PastaDoAlvo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const PastaDoAlvo pasta;
    const std::string caminho = pasta.Escreve("entrada.csv", Bytes(dados, tamanho));
    try {
        LeitorEntrada leitor(caminho);
        std::string linha;
        long long anterior = 0;
        while (leitor.LeLinha(linha)) {
            // Cada linha lida avança a contagem de linhas físicas.
            if (leitor.NumeroLinha() <= anterior)
                __builtin_trap();
            anterior = leitor.NumeroLinha();
        }
    } catch (const Falha&) {
        // Arquivo recusado com mensagem: é o esperado para lixo.
    }
    return 0;
}
