// morvisan-lote: a importação das bases extras, a preparação da base de tradução do Brasil e a
// tradução, pelo terminal.
#include "ComandoImportar.h"
#include "ComandoPreparar.h"
#include "ComandoTraduzir.h"
#include "Terminal.h"
#include "Texto.h"
#include "Uso.h"

#include <climits>
#include <exception>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A pasta do executável, como DirSistema do programa de janelas.
std::string PastaDoExecutavel() {
    char caminho[PATH_MAX];
    const ssize_t tamanho = ::readlink("/proc/self/exe", caminho, sizeof caminho - 1);
    if (tamanho <= 0)
        return "./";
    const std::string completo(caminho, static_cast<std::size_t>(tamanho));
    return completo.substr(0, completo.rfind('/') + 1);
}

std::string ComBarraFinal(std::string pasta) {
    if (pasta.empty() || pasta.back() != '/')
        pasta += '/';
    return pasta;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argumentos(argv + 1, argv + argc);
    std::string dirSistema = PastaDoExecutavel();
    if (!argumentos.empty() && argumentos[0] == "--sistema") {
        if (argumentos.size() < 2 || argumentos[1].empty())
            return MostraUso();
        dirSistema = ComBarraFinal(argumentos[1]);
        argumentos.erase(argumentos.begin(), argumentos.begin() + 2);
    }
    if (argumentos.empty())
        return MostraUso();
    const std::string comando = argumentos[0];
    argumentos.erase(argumentos.begin());
    try {
        if (comando == "importar")
            return ComandoImportar(dirSistema, argumentos);
        if (comando == "traduzir")
            return ComandoTraduzir(dirSistema, argumentos);
        if (comando == "preparar")
            return ComandoPreparar(dirSistema, argumentos);
    } catch (const std::exception& falha) {
        // Uma falha antes da rodada (uma base extra ilegível, por exemplo) também sai como erro.
        std::cerr << ParaTerminal(MensagemComPonto(falha.what())) << "\n";
        return 1;
    }
    return MostraUso();
}
