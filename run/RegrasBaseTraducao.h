#pragma once
// As regras da base de tradução (CD_UF;SIT_DOA;CD_MUND;SIT_REC;CD_MUNR;POP;DATA;EXCECAO): os campos no
// rascunho, a marca de exceção reduzida a "*" ou " ", a data de planilha como número e o conserto
// (T_BT_DESCBeforeInsert).
#include "Ajustes.h"
#include "LeituraDados.h"

RegrasCarga RegrasBaseTraducao(Rascunho& r);

// O conserto da linha da base de tradução antes de ela virar registro: códigos, população e data que
// não passam no teste de inteiro viram "0".
void T_BT_DESCBeforeInsert(Rascunho& r);
