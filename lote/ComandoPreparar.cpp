#include "ComandoPreparar.h"

#include "Ambiente.h"
#include "BaseTraducaoBrasil.h"
#include "Terminal.h"
#include "Texto.h"
#include "Uso.h"

#include <exception>
#include <iostream>
#include <optional>

namespace {

// Ano só de dígitos: "2010", não "+2010" nem "$7DA" (a conversão estrita aceitaria os dois).
std::optional<int> Ano(const std::string& texto) {
    if (texto.empty() || texto.size() > 4 || texto.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(texto);
}

int ErroDeUso(const std::string& mensagem) {
    std::cerr << ParaTerminal(mensagem) << "\n";
    return 2;
}

} // namespace

int ComandoPreparar(const std::string& dirSistema, const std::vector<std::string>& argumentos) {
    if (argumentos.size() != 4 || argumentos[0].empty() || argumentos[3].empty())
        return MostraUso();
    PedidoPreparacao pedido;
    pedido.dirSistema = dirSistema;
    pedido.original = argumentos[0];
    pedido.saida = argumentos[3];
    pedido.separadorDecimal = RegionalDoAmbiente().separadorDecimal;
    for (std::size_t i : {1u, 2u})
        if (!Ano(argumentos[i]))
            return ErroDeUso("Ano inv\xe1lido: '" + argumentos[i] + "' (use quatro d\xedgitos, como 2010).");
    pedido.de = *Ano(argumentos[1]);
    pedido.ate = *Ano(argumentos[2]);
    try {
        const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(dirSistema));
        const std::string problema = ProblemaDosAnos(pedido.de, pedido.ate, UltimoAnoBrasil(tabela));
        if (!problema.empty())
            return ErroDeUso(problema);
        if (PreparacaoSobreEntrada(pedido))
            return ErroDeUso("Erro!: Voc\xea especificou o mesmo nome mais de uma vez.");
        const Preparacao preparacao = PreparaBaseBrasil(pedido, tabela);
        for (const AvisoPreparacao& aviso : preparacao.avisos)
            std::cerr << ParaTerminal(TextoAviso(aviso)) << "\n";
        std::cout << ParaTerminal(ResumoPreparacao(pedido, preparacao));
        return preparacao.avisos.empty() ? 0 : 4;
    } catch (const std::exception& falha) {
        std::cerr << ParaTerminal(MensagemComPonto(falha.what())) << "\n";
        return 1;
    }
}
