// Alvo de fuzzing: a importação das duas bases extras a partir de um arquivo qualquer. O primeiro
// byte escolhe a base; uma falha nunca pode deixar a base anterior diferente do que era.
#include "ImportacaoExtras.h"
#include "PastaDoAlvo.h"

#include <fstream>
#include <sstream>

namespace {

std::string Conteudo(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    std::ostringstream conteudo;
    conteudo << entrada.rdbuf();
    return conteudo.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const PastaDoAlvo pasta;
    if (tamanho == 0)
        return 0;
    const BaseExtra base = dados[0] % 2 == 0 ? BaseExtra::Municipios : BaseExtra::Ufs;
    const std::string arquivo = pasta.Escreve("entrada.csv", Bytes(dados + 1, tamanho - 1));
    const std::string copia =
        pasta.Sistema() + "Bases1/" + (base == BaseExtra::Municipios ? "DEF_MUN.dbf" : "DEF_UF.dbf");
    const std::string anterior = Conteudo(copia);
    Ajustes ajustes;
    ajustes.DirSistema = pasta.Sistema();
    Dados objetos;
    try {
        ImportaBaseExtra(base, arquivo, ajustes, objetos);
    } catch (const Falha&) {
        if (Conteudo(copia) != anterior)
            __builtin_trap();
    }
    return 0;
}
