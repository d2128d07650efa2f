#pragma once
// Ganchos de arquivo da shapelib com escrita acumulada na memória. A shapelib grava cada registro com
// fseek + fwrite (e o fim de arquivo 0x1A depois dele), e o fseek da biblioteca C esvazia o buffer a
// cada vez: quatro chamadas de sistema por registro. Aqui o fseek só move a posição; escritas
// seguidas (ou que regravam o trecho ainda na memória) se juntam e descem ao disco em blocos.
#include <shapefil.h>

// Os ganchos padrão da shapelib com abrir, ler, escrever, posicionar e fechar trocados.
SAHooks GanchosComBuffer();
