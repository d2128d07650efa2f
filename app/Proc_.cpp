#include "Proc_.h"

#include "Centro.h"
#include "ErroGeral.h"
#include "EstadoFixo.h"
#include "Impressao.h"
#include "ModeloGrade.h"
#include "Navegador.h"

#include <QCloseEvent>
#include <QDate>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

TProc::TProc(Ajustes& ajustes, Dados& dados, Dialogos& dialogos, QWidget* principal)
    : QDialog(principal, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ajustes_(ajustes), dados_(dados), dialogos_(dialogos), principal_(principal),
      processamento_(ajustes, dados, *this) {
    setWindowTitle(QStringLiteral("Tradução"));
    setModal(true);
    MontaControles();
    ultimoRepinte_.start();
}

TProc::~TProc() = default;

int TProc::exec() {
    rodadaPendente_ = true;
    rodando_ = true;
    // Só uma rodada que chegou à situação final tem o que imprimir.
    Imprime->setEnabled(false);
    CentraNaTela(this);
    return QDialog::exec();
}

// A rodada vai para a fila ao ativar, para a janela se pintar uma vez antes de a linha ficar presa.
bool TProc::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate && rodadaPendente_) {
        rodadaPendente_ = false;
        QTimer::singleShot(0, this, &TProc::FormActivate);
    }
    return QDialog::event(evento);
}

void TProc::FormActivate() {
    bool terminou = false;
    ComCaixaDeErro(dialogos_, this, [this, &terminou] {
        processamento_.FormActivate();
        terminou = true;
    });
    rodando_ = false;
    Imprime->setEnabled(terminou);
    // O relatório se lê de cima: a primeira linha traz a contagem que as seguintes explicam.
    Obs->moveCursor(QTextCursor::Start);
    Obs->ensureCursorVisible();
}

// O botão de fechar da moldura vale "&Fechar", sempre por Fechando; durante a rodada é recusado.
void TProc::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    if (!rodando_)
        FecharClick();
}

// Minimizada com a principal escondida, o programa ficaria sem janela nenhuma na tela: volta.
void TProc::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    DesfazEstadoRecusado(this, evento, Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
}

void TProc::reject() {}

void TProc::FecharClick() {
    ComCaixaDeErro(dialogos_, this, [this] { processamento_.Fechando(); });
    done(QDialog::Accepted);
    dialogos_.CursorNormal();
    if (principal_ != nullptr)
        principal_->show();
}

void TProc::ImprimeClick() {
    ComCaixaDeErro(dialogos_, this, [this] {
        ImprimeResultado(this, dialogos_, ImprimeDB, dados_.T_BF_DESC, ajustes_, QDate::currentDate());
    });
    // O relatório percorre a tabela e a deixa no último registro: a grade e o navegador o seguem.
    Ponteiro->Atualiza();
    MostraRegistroAtual();
}

// A grade segue o cursor da tabela, que o navegador e a própria grade movem.
void TProc::MostraRegistroAtual() {
    if (!modelo_->Ligado() || dados_.T_BF_DESC.RegistroAtual() < 1)
        return;
    const QModelIndex atual = Resultado->currentIndex();
    const int coluna = atual.isValid() ? atual.column() : 0;
    Resultado->setCurrentIndex(modelo_->index(dados_.T_BF_DESC.RegistroAtual() - 1, coluna));
}
