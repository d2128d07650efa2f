#include "Uso.h"

#include "Terminal.h"

#include <iostream>

int MostraUso() {
    std::cerr << ParaTerminal(
        "Uso:\n"
        "  morvisan-lote [--sistema PASTA] importar municipios ARQUIVO\n"
        "  morvisan-lote [--sistema PASTA] importar ufs ARQUIVO\n"
        "  morvisan-lote [--sistema PASTA] traduzir ORIGINAL TRADUCAO PASTA NOME [--pular-excecoes]\n"
        "  morvisan-lote [--sistema PASTA] preparar ORIGINAL DE ATE SAIDA\n"
        "\n"
        "  --sistema PASTA  pasta do programa (com Bases0); sem ela, a pasta do execut\xE1vel.\n"
        "  ARQUIVO          texto separado por \";\": CD_UF;CD_MUN;MUN (munic\xED"
        "pios) ou CD_UF;SG_UF (ufs).\n"
        "  preparar         grava em SAIDA a base de tradu\xe7\xe3o do Brasil da divis\xe3o de 1\xba de janeiro\n"
        "                   de DE para a de ATE (anos de 1991 em diante), com as popula\xe7\xf5"
        "es de ORIGINAL;\n"
        "                   estimados e deixados de fora v\xe3o para SAIDA.avisos (sa\xed"
        "da 4).\n"
        "\n"
        "Arquivos em UTF-8 (com ou sem marca) ou Windows-1252; campos entre aspas e linhas de t\xEDtulos\n"
        "s\xE3o aceitos. Cada valor trocado na leitura \xE9 avisado (traduzir: Morvisan.Avisos na PASTA).\n"
        "\n"
        "Sa\xED"
        "da: 0 sucesso total (importar: sem avisos); 1 falha (nada mudou); 2 uso errado;\n"
        "3 traduzir terminou com \" (erro)\" na contagem final; 4 terminou com avisos ou achados.\n");
    return 2;
}
