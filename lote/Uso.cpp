#include "Uso.h"

#include "Terminal.h"

#include <iostream>

int MostraUso() {
    std::cerr << ParaTerminal(
        "Uso:\n"
        "  morvisan-lote [--sistema PASTA] importar municipios ARQUIVO\n"
        "  morvisan-lote [--sistema PASTA] importar ufs ARQUIVO\n"
        "  morvisan-lote [--sistema PASTA] traduzir ORIGINAL TRADUCAO PASTA NOME [--pular-excecoes]\n"
        "\n"
        "  --sistema PASTA  pasta do programa (com Bases0); sem ela, a pasta do execut\xE1vel.\n"
        "  ARQUIVO          texto separado por \";\": CD_UF;CD_MUN;MUN (munic\xED"
        "pios) ou CD_UF;SG_UF (ufs).\n");
    return 2;
}
