#include "LinhaComando.h"

#include <getopt.h>

namespace {

enum Opcao : int { Sistema = 256, PularExcecoes };

const option opcoes[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {"sistema", required_argument, nullptr, Sistema},
    {"pular-excecoes", no_argument, nullptr, PularExcecoes},
    {nullptr, 0, nullptr, 0},
};

// O nome da opção longa que o usuário escreveu, sem "=valor".
std::string NomeLongo(const std::string& texto) {
    return texto.substr(0, texto.find('='));
}

bool OpcaoConhecida(const std::string& nome) {
    for (const option* opcao = opcoes; opcao->name != nullptr; ++opcao)
        if (nome == std::string("--") + opcao->name)
            return true;
    return false;
}

} // namespace

LinhaComando LeLinhaComando(int argc, char* argv[]) {
    LinhaComando linha;
    // As mensagens são as do programa, em português; optind 0 recomeça a leitura do zero.
    opterr = 0;
    optind = 0;
    for (;;) {
        // ":" no começo: um valor que falta volta como ':' e não como '?'.
        const int opcao = getopt_long(argc, argv, ":hV", opcoes, nullptr);
        if (opcao == -1)
            break;
        const std::string escrita = argv[optind - 1];
        switch (opcao) {
        case 'h':
            linha.ajuda = true;
            break;
        case 'V':
            linha.versao = true;
            break;
        case Sistema:
            if (*optarg == '\0')
                throw ErroUso("a op\xE7\xE3o --sistema pede uma pasta");
            linha.sistema = optarg;
            break;
        case PularExcecoes:
            linha.pularExcecoes = true;
            break;
        case ':':
            throw ErroUso("a op\xE7\xE3o " + NomeLongo(escrita) + " pede um valor");
        default:
            // Curta desconhecida: optopt; longa: o texto escrito, que pode ser uma conhecida com "=valor".
            if (optopt != 0 && escrita.rfind("--", 0) != 0)
                throw ErroUso(std::string("op\xE7\xE3o desconhecida: -") + static_cast<char>(optopt));
            if (OpcaoConhecida(NomeLongo(escrita)))
                throw ErroUso("a op\xE7\xE3o " + NomeLongo(escrita) + " n\xE3o aceita valor");
            throw ErroUso("op\xE7\xE3o desconhecida: " + NomeLongo(escrita));
        }
    }
    if (optind < argc) {
        linha.comando = argv[optind];
        linha.argumentos.assign(argv + optind + 1, argv + argc);
    }
    return linha;
}
