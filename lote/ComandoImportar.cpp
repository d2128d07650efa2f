#include "ComandoImportar.h"

#include "ComandoPreparar.h"
#include "ImportacaoDivisao.h"
#include "ImportacaoExtras.h"
#include "Terminal.h"

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

int ComandoImportar(Ajustes& ajustes, const LinhaComando& linha) {
    const auto base = BaseDoNome(linha.argumentos[0]);
    if (!base)
        throw ErroUso("base desconhecida: " + linha.argumentos[0] + " (use municipios ou ufs)");
    if (linha.pularExcecoes)
        throw ErroUso("a op\xE7\xE3o --pular-excecoes s\xF3 vale para traduzir");
    if (linha.argumentos[1].empty())
        throw ErroUso("importar: o argumento ARQUIVO est\xE1 vazio");
    try {
        if (!linha.divisao.empty()) {
            const int ano = AnoDoArgumento("importar", linha.divisao);
            const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes.DirSistema));
            if (const std::string problema = divisoes.ProblemaDoAno(ano); !problema.empty())
                throw ErroUso("importar: " + problema);
        }
        Dados dados;
        const ResultadoImportacao resultado =
            linha.divisao.empty() ? ImportaBaseExtra(*base, linha.argumentos[1], ajustes, dados)
                                  : ImportaDivisao(*base, AnoDoArgumento("importar", linha.divisao), ajustes, dados);
        std::cout << ParaTerminal(LinhasDoTerminal(TextoConclusao(resultado)));
        return Avisos::Achados(resultado.avisos) == 0 ? 0 : 4;
    } catch (const ErroUso&) {
        throw;
    } catch (const std::exception& falha) {
        std::cerr << ParaTerminal(LinhasDoTerminal(falha.what())) << "\n";
        return 1;
    }
}
