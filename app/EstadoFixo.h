#pragma once
// Janelas de tamanho fixo: um estado que o gerenciador de janelas impõe mesmo sem oferecê-lo (tela
// cheia, maximizada, minimizada) e que a janela recusa é desfeito logo depois de aplicado.
#include <QEvent>
#include <QTimer>
#include <QWidget>

inline void DesfazEstadoRecusado(QWidget* janela, const QEvent* evento, Qt::WindowStates recusados) {
    if (evento->type() != QEvent::WindowStateChange || !(janela->windowState() & recusados))
        return;
    QTimer::singleShot(0, janela, [janela, recusados] { janela->setWindowState(janela->windowState() & ~recusados); });
}
