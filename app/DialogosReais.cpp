#include "DialogosReais.h"

#include "Titulos.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

void DialogosReais::Mensagem(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, pai);
    caixa.exec();
}

void DialogosReais::Erro(QWidget* pai, const QString& texto) {
    QMessageBox caixa(QMessageBox::Critical, TituloAplicacao(), texto, QMessageBox::Ok, pai);
    caixa.exec();
}

void DialogosReais::Aviso(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox::warning(pai, titulo, texto);
}

bool DialogosReais::Pergunta(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::NoIcon, titulo, texto, QMessageBox::Yes | QMessageBox::No, pai);
    // Sem as traduções do Qt instaladas os botões sairiam em inglês.
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    return caixa.exec() == QMessageBox::Yes;
}

QString DialogosReais::AbreArquivo(QWidget* pai, const QString& filtro) {
    return QFileDialog::getOpenFileName(pai, QString(), QString(), filtro);
}

bool DialogosReais::EscolheImpressora(QWidget* pai, QPrinter& impressora) {
    QPrintDialog dialogo(&impressora, pai);
    return dialogo.exec() == QDialog::Accepted;
}

void DialogosReais::Bipe() {
    QApplication::beep();
}

// O cursor de espera empilha no Qt; a rodada pede espera uma vez e normal uma vez, então a pilha
// é esvaziada para que uma rodada interrompida não deixe a ampulheta presa.
void DialogosReais::CursorEspera() {
    if (QApplication::overrideCursor() == nullptr)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void DialogosReais::CursorNormal() {
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}
