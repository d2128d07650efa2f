#pragma once
// A fonte das janelas: as posições fixas foram medidas com uma sans de 8 pontos de métrica estreita.
#include <QFont>

inline QFont FonteDasJanelas() {
    QFont fonte(QStringLiteral("Liberation Sans"), 8);
    fonte.setStyleHint(QFont::SansSerif);
    return fonte;
}
