#pragma once
// O texto de uso do comando em lote, mostrado quando os argumentos não servem.

// Escreve o uso na saída de erros e devolve o código de saída do uso errado (2).
int MostraUso();
