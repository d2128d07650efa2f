#pragma once
// As regras da base de tradução (CD_UF;SIT_DOA;CD_MUND;SIT_REC;CD_MUNR;POP;DATA;EXCECAO): os campos no
// rascunho, a marca de exceção reduzida a "*" ou " ", a data de planilha como número e o conserto.
#include "Ajustes.h"
#include "LeituraDados.h"

RegrasCarga RegrasBaseTraducao(Rascunho& r);

// O conserto antes de incluir: códigos, população e data que não passam no teste de inteiro viram "0".
void ConsertaBaseTraducao(Rascunho& r);
