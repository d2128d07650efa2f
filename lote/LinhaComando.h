#pragma once
// A linha de comando do morvisan-lote no estilo GNU (getopt_long): opções antes ou depois dos
// operandos, "--" encerra as opções, -h/--help e -V/--version.
#include "Falha.h"

#include <string>
#include <vector>

// Uso errado: a mensagem é a linha que diz o que está errado (sem o nome do programa).
class ErroUso : public Falha {
public:
    using Falha::Falha;
};

struct LinhaComando {
    bool ajuda = false;
    bool versao = false;
    // --sistema PASTA: uma pasta só para os modelos e os dados; vazia quando a opção não veio.
    std::string sistema;
    // --pular-excecoes: traduzir com "Ignorar exceções" desmarcado.
    bool pularExcecoes = false;
    // --divisao ANO: importar a base extra da divisão do ano em vez de um arquivo; vazia sem a opção.
    std::string divisao;
    // O primeiro operando e os que vêm depois dele.
    std::string comando;
    std::vector<std::string> argumentos;
};

// Lê argv inteiro (pode reordená-lo, como o getopt_long faz); uma opção desconhecida, sem o valor
// que pede ou com valor que não pede levanta ErroUso.
LinhaComando LeLinhaComando(int argc, char* argv[]);
