#pragma once
// Os títulos fixos do programa.
#include <QString>

// Título da aplicação e da caixa geral de erro.
inline QString TituloAplicacao() {
    return QStringLiteral("Módulo Morvisan 1.1");
}
