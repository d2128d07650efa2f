#include "DialogosReais.h"

#include "Titulos.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

// Uma caixa de texto curto ficava tão estreita que o gerenciador de janelas cortava o título ("E… !"):
// ela fica larga o bastante para o título inteiro, o ícone da janela e os botões da moldura.
int Exibe(QMessageBox& caixa) {
    QFont fonte = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    fonte.setBold(true);
    // O texto com folga para uma fonte de título maior, mais o ícone e três botões da moldura.
    const int largura = QFontMetrics(fonte).horizontalAdvance(caixa.windowTitle()) * 5 / 4 + 140;
    if (auto* grade = qobject_cast<QGridLayout*>(caixa.layout()))
        grade->addItem(new QSpacerItem(largura, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grade->rowCount(), 0, 1,
                       grade->columnCount());
    return caixa.exec();
}

} // namespace

void DialogosReais::Mensagem(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, pai);
    Exibe(caixa);
}

void DialogosReais::Erro(QWidget* pai, const QString& texto) {
    QMessageBox caixa(QMessageBox::Critical, TituloAplicacao(), texto, QMessageBox::Ok, pai);
    Exibe(caixa);
}

void DialogosReais::Aviso(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::Warning, titulo, texto, QMessageBox::Ok, pai);
    Exibe(caixa);
}

bool DialogosReais::Pergunta(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::NoIcon, titulo, texto, QMessageBox::Yes | QMessageBox::No, pai);
    // Sem as traduções do Qt instaladas os botões sairiam em inglês.
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    return Exibe(caixa) == QMessageBox::Yes;
}

// Começa na pasta do último arquivo escolhido nesta sessão (na primeira vez, na pasta corrente).
QString DialogosReais::AbreArquivo(QWidget* pai, const QString& filtro) {
    const QString arquivo = QFileDialog::getOpenFileName(pai, QString(), ultimaPasta_, filtro);
    if (!arquivo.isEmpty())
        ultimaPasta_ = QFileInfo(arquivo).absolutePath();
    return arquivo;
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
