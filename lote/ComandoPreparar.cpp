#include "ComandoPreparar.h"

#include "BaseTraducaoBrasil.h"
#include "Terminal.h"
#include "Texto.h"

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

} // namespace

int ComandoPreparar(Ajustes& ajustes, const LinhaComando& linha) {
    const std::vector<std::string>& argumentos = linha.argumentos;
    if (linha.pularExcecoes)
        throw ErroUso("a op\xE7\xE3o --pular-excecoes s\xF3 vale para traduzir");
    for (std::size_t i : {0u, 3u})
        if (argumentos[i].empty())
            throw ErroUso(std::string("preparar: o argumento ") + (i == 0 ? "ORIGINAL" : "SAIDA") + " est\xE1 vazio");
    for (std::size_t i : {1u, 2u})
        if (!Ano(argumentos[i]))
            throw ErroUso("preparar: ano inv\xe1lido: '" + argumentos[i] + "' (use quatro d\xedgitos, como 2010)");
    PedidoPreparacao pedido;
    pedido.dirSistema = ajustes.DirSistema;
    pedido.original = argumentos[0];
    pedido.de = *Ano(argumentos[1]);
    pedido.ate = *Ano(argumentos[2]);
    pedido.saida = argumentos[3];
    pedido.separadorDecimal = ajustes.regional.separadorDecimal;
    try {
        const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(ajustes.DirSistema));
        const std::string problema = ProblemaDosAnos(pedido.de, pedido.ate, UltimoAnoBrasil(tabela));
        if (!problema.empty())
            throw ErroUso("preparar: " + problema);
        if (PreparacaoSobreEntrada(pedido)) {
            std::cerr << ParaTerminal("Erro!: Voc\xea especificou o mesmo nome mais de uma vez.") << "\n";
            return 2;
        }
        const Preparacao preparacao = PreparaBaseBrasil(pedido, tabela);
        for (const Aviso& aviso : preparacao.avisosLeitura)
            std::cerr << ParaTerminal(Avisos::TextoDoAviso(aviso)) << "\n";
        for (const AvisoPreparacao& aviso : preparacao.avisos)
            std::cerr << ParaTerminal(TextoAviso(aviso)) << "\n";
        std::cout << ParaTerminal(ResumoPreparacao(pedido, preparacao));
        return preparacao.avisos.empty() && Avisos::Achados(preparacao.avisosLeitura) == 0 ? 0 : 4;
    } catch (const ErroUso&) {
        throw;
    } catch (const std::exception& falha) {
        std::cerr << ParaTerminal(MensagemComPonto(falha.what())) << "\n";
        return 1;
    }
}
