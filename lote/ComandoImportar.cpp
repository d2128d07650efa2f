#include "ComandoImportar.h"

#include "Ambiente.h"
#include "ImportacaoExtras.h"
#include "Terminal.h"
#include "Uso.h"

#include <exception>
#include <iostream>
#include <optional>

namespace {

std::optional<BaseExtra> BaseDoNome(const std::string& nome) {
    if (nome == "municipios")
        return BaseExtra::Municipios;
    if (nome == "ufs")
        return BaseExtra::Ufs;
    return std::nullopt;
}

} // namespace

int ComandoImportar(const std::string& dirSistema, const std::vector<std::string>& argumentos) {
    const auto base = argumentos.size() == 2 ? BaseDoNome(argumentos[0]) : std::nullopt;
    if (!base)
        return MostraUso();
    Ajustes ajustes;
    ajustes.DirSistema = dirSistema;
    ajustes.regional = RegionalDoAmbiente();
    try {
        Dados dados;
        const ResultadoImportacao resultado = ImportaBaseExtra(*base, argumentos[1], ajustes, dados);
        std::cout << ParaTerminal(LinhasDoTerminal(TextoConclusao(resultado)));
        return resultado.avisos.empty() ? 0 : 4;
    } catch (const std::exception& falha) {
        std::cerr << ParaTerminal(LinhasDoTerminal(falha.what())) << "\n";
        return 1;
    }
}
