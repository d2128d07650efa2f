#pragma once
// Janelas do programa abrem no centro da tela, não sobre a janela que as chamou.
#include <QScreen>
#include <QWidget>

inline void CentraNaTela(QWidget* janela) {
    const QScreen* tela = janela->screen();
    if (tela == nullptr)
        return;
    const QRect area = tela->availableGeometry();
    janela->move(area.center() - janela->rect().center());
}
