#pragma once
// As cores fixas das janelas e o jeito de pintar um controle com elas.
#include <QColor>
#include <QPalette>
#include <QWidget>

inline const QColor corVioleta(64, 0, 128);
inline const QColor corCinzaPainel(163, 163, 163);
inline const QColor corPetroleo(0, 128, 128);
inline const QColor corPrata(192, 192, 192);
inline const QColor corAzul(0, 0, 255);
inline const QColor corVermelho(255, 0, 0);
inline const QColor corAmarelo(255, 255, 0);
inline const QColor corBranco(255, 255, 255);

// Fundo (papel Window e Base) e texto (WindowText e Text) do controle.
inline void Pinta(QWidget* controle, const QColor& fundo, const QColor& texto) {
    QPalette paleta = controle->palette();
    if (fundo.isValid()) {
        paleta.setColor(QPalette::Window, fundo);
        paleta.setColor(QPalette::Base, fundo);
        paleta.setColor(QPalette::Button, fundo);
        controle->setAutoFillBackground(true);
    }
    paleta.setColor(QPalette::WindowText, texto);
    paleta.setColor(QPalette::Text, texto);
    paleta.setColor(QPalette::ButtonText, texto);
    controle->setPalette(paleta);
}

// Só a cor do texto.
inline void PintaTexto(QWidget* controle, const QColor& texto) {
    Pinta(controle, QColor(), texto);
}
