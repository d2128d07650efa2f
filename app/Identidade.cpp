#include "Identidade.h"

#include "Titulos.h"

#include <QGuiApplication>

QIcon IconePrograma() {
    // O recurso mora numa biblioteca estática: sem este registro o ligador o deixaria de fora.
    Q_INIT_RESOURCE(recursos);
    return QIcon(QStringLiteral(":/morvisan.svg"));
}

void IdentificaAplicacao() {
    // O título "Módulo Morvisan 1.1" vai nas caixas; o nome é o da entrada do menu, para o painel juntar
    // a janela aberta ao lançador.
    QGuiApplication::setApplicationName(NomeAplicacao());
    QGuiApplication::setApplicationVersion(QStringLiteral(MORVISAN_VERSAO));
    QGuiApplication::setDesktopFileName(NomeAplicacao());
    QGuiApplication::setWindowIcon(IconePrograma());
}
