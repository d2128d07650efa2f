#include "LeitorEntrada.h"

#include "Falha.h"

namespace {

// Decide antes de abrir o leitor de linhas: o UTF-16 tem bytes nulos, que ele recusaria com uma
// mensagem que não ajuda.
InicioArquivo Inicio(const std::string& caminho) {
    const InicioArquivo inicio = DetectaCodificacao(caminho);
    if (inicio.codificacao == Codificacao::Utf16)
        throw Falha(NomeSemPasta(caminho) +
                    ": o arquivo est\xe1 em UTF-16 (texto Unicode); salve-o como CSV em UTF-8 ou Windows-1252, "
                    "com ponto e v\xedrgula entre os campos.");
    return inicio;
}

} // namespace

std::string NomeSemPasta(const std::string& caminho) {
    const std::size_t barra = caminho.find_last_of('/');
    // O Linux dá o nome em UTF-8; o aviso e a mensagem que o citam são Windows-1252 como o resto.
    return ComoWindows1252(barra == std::string::npos ? caminho : std::string_view(caminho).substr(barra + 1));
}

LeitorEntrada::LeitorEntrada(const std::string& caminho)
    : nome_(NomeSemPasta(caminho)), inicio_(Inicio(caminho)), leitor_(caminho) {}

bool LeitorEntrada::LeLinha(std::string& linha) {
    const bool marca = inicio_.marcaUtf8;
    if (!Utf8()) {
        if (!leitor_.LeLinha(linha))
            return false;
        if (marca && leitor_.NumeroLinha() == 1)
            linha.erase(0, 3);
        return true;
    }
    if (!leitor_.LeLinha(bruta_))
        return false;
    const std::size_t inicio = marca && leitor_.NumeroLinha() == 1 ? 3 : 0;
    Utf8ParaWindows1252(std::string_view(bruta_).substr(inicio), linha, MarcaTroca);
    return true;
}
