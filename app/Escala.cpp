#include "Escala.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// O quanto o controle precisa crescer para mostrar o texto inteiro. Rótulos: a dica de tamanho (um
// rótulo que quebra linhas se ajeita na largura). Botões: só a largura do texto e da figura, que a
// dica do estilo inclui folgas que o desenho não tem.
double Falta(const QWidget* controle) {
    const QSize tem = controle->size();
    if (tem.width() <= 0 || tem.height() <= 0)
        return 1.0;
    if (const auto* rotulo = qobject_cast<const QLabel*>(controle)) {
        if (rotulo->text().isEmpty())
            return 1.0;
        const QSize dica = rotulo->sizeHint();
        const double altura = static_cast<double>(dica.height()) / tem.height();
        return rotulo->wordWrap() ? altura : std::max(altura, static_cast<double>(dica.width()) / tem.width());
    }
    if (const auto* botao = qobject_cast<const QAbstractButton*>(controle)) {
        QString texto = botao->text();
        texto.remove(u'&');
        if (texto.isEmpty())
            return 1.0;
        int largura = botao->fontMetrics().horizontalAdvance(texto) + 8;
        if (!botao->icon().isNull())
            largura += botao->iconSize().width() + 4;
        return static_cast<double>(largura) / tem.width();
    }
    return 1.0;
}

} // namespace

double AjustaAoConteudo(QWidget* janela) {
    // Só os controles de posição fixa: os que estão num leiaute já se medem sozinhos.
    QList<QWidget*> fixos;
    for (QWidget* controle : janela->findChildren<QWidget*>()) {
        const QWidget* pai = controle->parentWidget();
        if (!controle->isWindow() && pai != nullptr && pai->layout() == nullptr &&
            controle->testAttribute(Qt::WA_Resized))
            fixos << controle;
    }
    double fator = 1.0;
    for (const QWidget* controle : fixos)
        fator = std::max(fator, Falta(controle));
    if (fator <= 1.0)
        return 1.0;
    const auto escala = [fator](int valor) { return static_cast<int>(std::ceil(valor * fator)); };
    for (QWidget* controle : fixos) {
        const QRect r = controle->geometry();
        const QSize minimo = controle->minimumSize();
        const QSize maximo = controle->maximumSize();
        // Um tamanho fixo (setFixedSize) cresce junto.
        if (minimo == maximo)
            controle->setFixedSize(escala(r.width()), escala(r.height()));
        controle->setGeometry(escala(r.x()), escala(r.y()), escala(r.width()), escala(r.height()));
    }
    if (janela->minimumSize() == janela->maximumSize())
        janela->setFixedSize(escala(janela->width()), escala(janela->height()));
    return fator;
}
