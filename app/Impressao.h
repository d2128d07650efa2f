#pragma once
// ImprimeClick: o relatório paginado da base final na impressora escolhida.
#include "Ajustes.h"
#include "Dialogos.h"
#include "Tabela.h"

#include <QDate>

class QWidget;

void ImprimeResultado(QWidget* pai, Dialogos& dialogos, Tabela& T_BF_DESC, const Ajustes& ajustes, const QDate& hoje);
