// morvisan-lote: a importação das bases extras, a tradução, a preparação da base de tradução do
// Brasil, a conferência de uma base com a divisão de um ano, a volta a uma divisão anterior e as
// áreas comparáveis, pelo terminal.
#include "Ambiente.h"
#include "ComandoImportar.h"
#include "ComandoPreparar.h"
#include "ComandoTraduzir.h"
#include "ComandoVoltar.h"
#include "LinhaComando.h"
#include "Pastas.h"
#include "Terminal.h"
#include "Texto.h"
#include "Uso.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Subcomando {
    const char* nome;
    // Os argumentos que o comando pede, pelo nome que o uso lhes dá.
    std::vector<const char*> argumentos;
    int (*roda)(Ajustes& ajustes, const LinhaComando& linha);
    // Com --divisao, o último argumento (o arquivo) não vem.
    bool aceitaDivisao = false;
};

const Subcomando subcomandos[] = {
    {"importar", {"municipios|ufs", "ARQUIVO"}, ComandoImportar, true},
    {"traduzir", {"ORIGINAL", "TRADUCAO", "PASTA", "NOME"}, ComandoTraduzir},
    {"preparar", {"ORIGINAL", "DE", "ATE", "SAIDA"}, ComandoPreparar},
    {"conferir", {"ORIGINAL", "ANO"}, ComandoConferir},
    {"agregar", {"ORIGINAL", "DE", "ATE", "PASTA", "NOME"}, ComandoAgregar},
    {"areas", {"DE", "ATE", "SAIDA"}, ComandoAreas},
    {"agregar-areas", {"ORIGINAL", "ANO", "AREAS", "PASTA", "NOME"}, ComandoAgregarAreas},
};

// O subcomando pedido, com a conta dos argumentos já feita.
const Subcomando& SubcomandoDa(const LinhaComando& linha) {
    if (linha.comando.empty())
        throw ErroUso("falta o comando (importar, traduzir, preparar, conferir, agregar, areas ou agregar-areas)");
    for (const Subcomando& subcomando : subcomandos) {
        if (linha.comando != subcomando.nome)
            continue;
        if (!linha.divisao.empty() && !subcomando.aceitaDivisao)
            throw ErroUso("a op\xE7\xE3o --divisao s\xF3 vale para importar");
        const std::size_t dados = linha.argumentos.size();
        const std::size_t pedidos = subcomando.argumentos.size() - (linha.divisao.empty() ? 0 : 1);
        if (dados < pedidos)
            throw ErroUso(linha.comando + ": falta o argumento " + subcomando.argumentos[dados]);
        if (dados > pedidos)
            throw ErroUso(linha.comando + ": argumento a mais: " + linha.argumentos[pedidos]);
        return subcomando;
    }
    throw ErroUso("comando desconhecido: " + linha.comando);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const LinhaComando linha = LeLinhaComando(argc, argv);
        if (linha.ajuda) {
            std::cout << ParaTerminal(TextoUso()) << std::flush;
            return 0;
        }
        if (linha.versao) {
            std::cout << "morvisan-lote " MORVISAN_VERSAO "\n" << std::flush;
            return 0;
        }
        // Caminhos acentuados vêm já em UTF-8: nas mensagens saem como foram digitados. O nome sem a
        // pasta, não: os avisos e as mensagens o citam já em Windows-1252, convertido como o resto.
        std::vector<std::string> caminhos = linha.argumentos;
        caminhos.push_back(linha.sistema);
        for (const std::string& caminho : caminhos)
            if (std::any_of(caminho.begin(), caminho.end(),
                            [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
                PassaComoEsta(caminho);
        const Subcomando& subcomando = SubcomandoDa(linha);
        // Uma pasta de programa que falta não é criada: seria uma pasta vazia no lugar de um erro de digitação.
        if (!linha.sistema.empty() && !std::filesystem::is_directory(linha.sistema))
            throw ErroUso("a pasta de --sistema n\xE3o existe: " + linha.sistema);
        Ajustes ajustes;
        ajustes.DefinePastas(linha.sistema.empty() ? LocalizaPastas(PastaDoExecutavel()) : PastaUnica(linha.sistema));
        ajustes.regional = RegionalDoAmbiente();
        return subcomando.roda(ajustes, linha);
    } catch (const ErroUso& erro) {
        std::cerr << ParaTerminal(std::string("morvisan-lote: ") + erro.what()) << "\nUse morvisan-lote --help.\n";
        return 2;
    } catch (const std::exception& falha) {
        // Uma falha antes da rodada (uma base extra ilegível, a pasta de dados sem gravação) sai como erro.
        std::cerr << ParaTerminal(MensagemComPonto(falha.what())) << "\n";
        return 1;
    }
}
