#pragma once
// As regras da base original (CD_UF;CD_MUN;POP1;POP2), as mesmas na carga da rodada e na preparação
// da base de tradução: os campos no rascunho, o corte de POP2 em 12 caracteres e o conserto.
#include "Ajustes.h"
#include "LeituraDados.h"

RegrasCarga RegrasBaseOriginal(Rascunho& r);

// O conserto antes de incluir: código que não passa no teste de inteiro e população que não passa no
// teste decimal (com o separador do usuário) viram "0".
void ConsertaBaseOriginal(Rascunho& r, char separadorDecimal);
