#include "ColunasGrade.h"

#include "ModeloGrade.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

int AjustaColunas(QTableView* grade, const ModeloGrade& modelo) {
    int pedida = 0;
    QHeaderView* titulos = grade->horizontalHeader();
    // O Qt mediria só uma amostra das linhas: o valor mais longo vem da tabela inteira.
    const std::vector<int> maisLongas = modelo.LinhasMaisLargas(grade->fontMetrics());
    for (int coluna = 0; coluna < modelo.columnCount(); ++coluna) {
        int largura = titulos->sectionSizeHint(coluna);
        const int linha = maisLongas[static_cast<std::size_t>(coluna)];
        if (linha >= 0)
            largura = std::max(largura, grade->sizeHintForIndex(modelo.index(linha, coluna)).width());
        // O nome fica com a sobra da largura, mas pede a do nome mais longo: a janela cresce até ele
        // caber inteiro (até a tela), em vez de abrir com "Alta ..." em todas as linhas.
        const bool nome = modelo.headerData(coluna, Qt::Horizontal).toString() == QStringLiteral("MUN");
        titulos->setSectionResizeMode(coluna, nome ? QHeaderView::Stretch : QHeaderView::Interactive);
        if (!nome)
            titulos->resizeSection(coluna, largura);
        pedida += largura;
    }
    return pedida;
}
