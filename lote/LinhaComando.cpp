#include "LinhaComando.h"

#include <getopt.h>

namespace {

enum Opcao : int { Sistema = 256, PularExcecoes, Divisao };

const option opcoes[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {"sistema", required_argument, nullptr, Sistema},
    {"pular-excecoes", no_argument, nullptr, PularExcecoes},
    {"divisao", required_argument, nullptr, Divisao},
    {nullptr, 0, nullptr, 0},
};

// O nome inteiro da opção longa (o usuário pode tê-la abreviado, como o getopt_long permite).
std::string NomeDaOpcao(int codigo) {
    for (const option* opcao = opcoes; opcao->name != nullptr; ++opcao)
        if (opcao->val == codigo)
            return std::string("--") + opcao->name;
    return {};
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
        case Divisao:
            linha.divisao = optarg;
            break;
        case ':':
            throw ErroUso("a op\xE7\xE3o " + NomeDaOpcao(optopt) + " pede um valor");
        default:
            // optopt 0: longa desconhecida, já passada (optind aponta depois dela). O código de uma
            // conhecida: ela veio com "=valor" sem pedir valor. Qualquer outro: a letra desconhecida.
            if (optopt == 0) {
                const std::string escrita = argv[optind - 1];
                throw ErroUso("op\xE7\xE3o desconhecida: " + escrita.substr(0, escrita.find('=')));
            }
            if (!NomeDaOpcao(optopt).empty())
                throw ErroUso("a op\xE7\xE3o " + NomeDaOpcao(optopt) + " n\xE3o aceita valor");
            throw ErroUso(std::string("op\xE7\xE3o desconhecida: -") + static_cast<char>(optopt));
        }
    }
    if (optind < argc) {
        linha.comando = argv[optind];
        linha.argumentos.assign(argv + optind + 1, argv + argc);
    }
    return linha;
}
