#pragma once
// Os títulos fixos do programa.
#include <QString>

// Título da aplicação e da caixa geral de erro.
inline QString TituloAplicacao() {
    return QStringLiteral("Módulo Morvisan 1.1");
}

// Nome do programa para o sistema: o da entrada do menu (morvisan.desktop), a classe das janelas e o
// de --version.
inline QString NomeAplicacao() {
    return QStringLiteral("morvisan");
}
