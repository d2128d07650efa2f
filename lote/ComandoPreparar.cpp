#include "ComandoPreparar.h"

#include "BaseTraducaoBrasil.h"
#include "DivisoesBrasil.h"
#include "Terminal.h"
#include "Texto.h"

#include <exception>
#include <functional>
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

int AnoDoArgumento(const std::string& comando, const std::string& texto) {
    if (const std::optional<int> ano = Ano(texto))
        return *ano;
    throw ErroUso(comando + ": ano inv\xe1lido: '" + texto + "' (use quatro d\xedgitos, como 2010)");
}

void SemPularExcecoes(const LinhaComando& linha) {
    if (linha.pularExcecoes)
        throw ErroUso("a op\xE7\xE3o --pular-excecoes s\xF3 vale para traduzir");
}

// As falhas do trabalho saem com 1 e a mensagem; o uso errado segue para quem chamou.
int SaiComFalha(const std::function<int()>& trabalho) {
    try {
        return trabalho();
    } catch (const ErroUso&) {
        throw;
    } catch (const std::exception& falha) {
        std::cerr << ParaTerminal(MensagemComPonto(falha.what())) << "\n";
        return 1;
    }
}

void EscreveAvisos(const std::vector<ProblemaConferencia>& problemas, const std::vector<Aviso>& leitura,
                   const std::vector<std::string>& outros) {
    for (const ProblemaConferencia& conferido : problemas)
        std::cerr << ParaTerminal(conferido.texto) << "\n";
    for (const Aviso& aviso : leitura)
        if (!Avisos::EhNota(aviso))
            std::cerr << ParaTerminal(Avisos::TextoDoAviso(aviso)) << "\n";
    for (const std::string& aviso : outros)
        std::cerr << ParaTerminal(aviso) << "\n";
}

int ComandoPreparar(Ajustes& ajustes, const LinhaComando& linha) {
    const std::vector<std::string>& argumentos = linha.argumentos;
    SemPularExcecoes(linha);
    for (std::size_t i : {0u, 3u})
        if (argumentos[i].empty())
            throw ErroUso(std::string("preparar: o argumento ") + (i == 0 ? "ORIGINAL" : "SAIDA") + " est\xE1 vazio");
    PedidoPreparacao pedido;
    pedido.dirSistema = ajustes.DirSistema;
    pedido.original = argumentos[0];
    pedido.de = AnoDoArgumento("preparar", argumentos[1]);
    pedido.ate = AnoDoArgumento("preparar", argumentos[2]);
    pedido.saida = argumentos[3];
    pedido.separadorDecimal = ajustes.regional.separadorDecimal;
    return SaiComFalha([&]() {
        const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(ajustes.DirSistema));
        const std::string problema = ProblemaDosAnos(pedido.de, pedido.ate, UltimoAnoBrasil(tabela));
        if (!problema.empty())
            throw ErroUso("preparar: " + problema);
        if (PreparacaoSobreEntrada(pedido)) {
            std::cerr << ParaTerminal("Erro!: Voc\xea especificou o mesmo nome mais de uma vez.") << "\n";
            return 2;
        }
        const Preparacao preparacao = PreparaBaseBrasil(pedido, tabela);
        std::vector<std::string> avisos;
        for (const AvisoPreparacao& aviso : preparacao.avisos)
            avisos.push_back(TextoAviso(aviso));
        EscreveAvisos(preparacao.conferencia.problemas, preparacao.avisosLeitura, avisos);
        std::cout << ParaTerminal(ResumoPreparacao(pedido, preparacao));
        return preparacao.avisos.empty() && preparacao.conferencia.problemas.empty() &&
                       Avisos::Achados(preparacao.avisosLeitura) == 0
                   ? 0
                   : 4;
    });
}

int ComandoConferir(Ajustes& ajustes, const LinhaComando& linha) {
    SemPularExcecoes(linha);
    const std::string& original = linha.argumentos[0];
    if (original.empty())
        throw ErroUso("conferir: o argumento ORIGINAL est\xE1 vazio");
    const int ano = AnoDoArgumento("conferir", linha.argumentos[1]);
    return SaiComFalha([&]() {
        const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes.DirSistema));
        if (const std::string problema = divisoes.ProblemaDoAno(ano); !problema.empty())
            throw ErroUso("conferir: " + problema);
        const Conferencia conferencia = ConfereArquivo(divisoes, original, ajustes.regional.separadorDecimal, ano);
        std::cout << ParaTerminal(TextoConferencia(conferencia));
        return conferencia.problemas.empty() ? 0 : 4;
    });
}
