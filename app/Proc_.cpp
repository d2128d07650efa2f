#include "Proc_.h"

#include "Centro.h"
#include "ErroGeral.h"
#include "Impressao.h"
#include "ModeloGrade.h"
#include "Navegador.h"

#include <QCloseEvent>
#include <QDate>
#include <QTableView>
#include <QTimer>

TProc::TProc(Ajustes& ajustes, Dados& dados, Dialogos& dialogos, QWidget* principal)
    : QDialog(principal, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ajustes_(ajustes), dados_(dados),
      dialogos_(dialogos), principal_(principal), processamento_(ajustes, dados, *this) {
    setWindowTitle(QStringLiteral("Tradução"));
    setModal(true);
    MontaControles();
    ultimoRepinte_.start();
}

TProc::~TProc() = default;

int TProc::exec() {
    rodadaPendente_ = true;
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
    ComCaixaDeErro(dialogos_, this, [this] { processamento_.FormActivate(); });
}

// Sem botões na moldura: só "&Fechar" encerra, e sempre por Fechando.
void TProc::closeEvent(QCloseEvent* evento) {
    evento->ignore();
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
