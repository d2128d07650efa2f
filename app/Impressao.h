#pragma once
// ImprimeClick: o relatório paginado da base final na impressora escolhida.
#include "Ajustes.h"
#include "Dialogos.h"
#include "Tabela.h"

#include <QDate>

class QPrinter;
class QWidget;

// ImprimeDB é a impressora da sessão: o diálogo parte do que o usuário escolheu da última vez.
// Linhas fora de 1 a 99 vai para a caixa geral de erro antes do diálogo. Cancelar o diálogo não muda
// nada. Uma falha depois dele (impressora que recusa o trabalho) para a impressão e vai para a caixa
// geral de erro, com o cursor já normal.
void ImprimeResultado(QWidget* pai, Dialogos& dialogos, QPrinter& ImprimeDB, Tabela& T_BF_DESC, const Ajustes& ajustes,
                      const QDate& hoje);
