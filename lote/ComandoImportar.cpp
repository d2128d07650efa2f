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

// O texto da caixa de conclusão, uma informação por linha do terminal.
std::string LinhasDoTerminal(const std::string& texto) {
    std::string linhas;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\r')
            linhas += texto[i];
        else if (i == 0 || texto[i - 1] != '\r')
            linhas += '\n';
    }
    return linhas;
}

} // namespace

int ComandoImportar(const std::string& dirSistema, const std::vector<std::string>& argumentos) {
    const auto base = argumentos.size() == 2 ? BaseDoNome(argumentos[0]) : std::nullopt;
    if (!base)
        return MostraUso();
    Ajustes ajustes;
    ajustes.DefinePastas(PastaUnica(dirSistema));
    ajustes.regional = RegionalDoAmbiente();
    try {
        Dados dados;
        const ResultadoImportacao resultado = ImportaBaseExtra(*base, argumentos[1], ajustes, dados);
        std::cout << ParaTerminal(LinhasDoTerminal(TextoConclusao(resultado)));
        return 0;
    } catch (const std::exception& falha) {
        std::cerr << ParaTerminal(falha.what()) << "\n";
        return 1;
    }
}
