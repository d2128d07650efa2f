// Alvo de fuzzing: abrir um .dbf qualquer como tabela (e como base extra), ler todos os campos e
// procurar por chave.
#include "AreaTrabalho.h"
#include "Falha.h"
#include "Motor.h"
#include "PastaDoAlvo.h"
#include "Tabela.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const PastaDoAlvo pasta;
    pasta.Escreve("Trabalho/DEF_MUN.DBF", Bytes(dados, tamanho));
    const std::string trabalho = pasta.Sistema() + "Trabalho/";
    Motor motor;
    Tabela tabela(motor);
    try {
        AreaTrabalho::ConfereBaseExtra(trabalho, "DEF_MUN.DBF");
    } catch (const Falha&) {
    }
    try {
        tabela.DefinePasta(trabalho);
        tabela.DefineNome("DEF_MUN.DBF");
        tabela.Abre();
        for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo())
            for (int campo = 0; campo < tabela.NumeroCampos(); ++campo)
                tabela.TextoCampo(campo);
        tabela.Localiza("CD_UF;CD_MUN", {35, 5030});
        tabela.Fecha();
    } catch (const Falha&) {
    }
    return 0;
}
