// Alvo de fuzzing: a rodada inteira, da cópia dos modelos à verificação, com uma base original e uma
// base de tradução quaisquer (separadas, na entrada, pelo primeiro byte 0x1E).
#include "Falha.h"
#include "PainelGravador.h"
#include "PastaDoAlvo.h"
#include "Processamento.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const PastaDoAlvo pasta;
    const std::string_view entrada = Bytes(dados, tamanho);
    const std::size_t separador = entrada.find('\x1e');
    Ajustes ajustes;
    ajustes.DefinePastas(PastaUnica(pasta.Sistema()));
    ajustes.Pasta = pasta.Saida();
    ajustes.NovoArquivo = "RES";
    ajustes.Arquivos[0] = pasta.Escreve("original.csv", entrada.substr(0, separador));
    ajustes.Arquivos[1] =
        pasta.Escreve("traducao.csv", separador == std::string_view::npos ? "" : entrada.substr(separador + 1));
    Dados objetos;
    PainelGravador painel;
    Processamento processamento(ajustes, objetos, painel);
    try {
        processamento.FormActivate();
        // Terminada, a rodada diz sucesso só com a contagem fechando.
        if (processamento.SucessoTotal() && !processamento.ContagemFecha())
            __builtin_trap();
    } catch (const Falha&) {
    }
    processamento.Fechando();
    return 0;
}
