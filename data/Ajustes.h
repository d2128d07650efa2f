#pragma once
// Os ajustes da rodada: o que a janela principal guarda e a rodada e o relatório leem.
#include "Pastas.h"
#include "Regional.h"

#include <array>
#include <string>

// Uma linha de entrada já cortada em campos: o conserto das regras da carga a arruma no lugar e o
// carregador a converte, inteira, no registro da tabela.
struct Rascunho {
    std::string CD_UF, CD_MUN, MUN, SG_UF, POP1, POP2;
    std::string SIT_DOA, CD_MUND, SIT_REC, CD_MUNR, POP, DATA, EXCECAO;
};

struct Ajustes {
    // Pasta do programa, com Bases0 e a ajuda; só leitura quando instalado. Terminada em "/".
    std::string DirSistema;
    // Pasta do que o programa grava: Bases1, Trabalho e Fixa.CFG. Numa pasta de programa portátil é a
    // própria DirSistema. Terminada em "/".
    std::string DirUsuario;
    // [0] base original, [1] base de tradução (caminhos completos), [2] nome escolhido na lista.
    std::array<std::string, 3> Arquivos{"a definir", "a definir", "a definir"};
    // Pasta corrente da lista de pastas: onde vão o resultado, comp.CSV e o log.
    std::string Pasta;
    // Texto da caixa do nome do resultado (até 8 caracteres) e da caixa de linhas do relatório.
    std::string NovoArquivo;
    std::string Linhas = "50";
    // "Ignorar exceções" marcado.
    bool IgnoraEx = true;
    // Bases extras ativas: nomes dos municípios (base1) e siglas das UFs (base2).
    bool base1 = false;
    bool base2 = false;
    Rascunho rascunho;
    Regional regional;

    // As duas pastas, achadas uma vez na partida.
    void DefinePastas(const Pastas& pastas) {
        DirSistema = pastas.sistema;
        DirUsuario = pastas.usuario;
    }
    std::string PastaTrabalho() const { return DirUsuario + "Trabalho/"; }
};
