#include "Proc_.h"

#include "Ajuda.h"
#include "Centro.h"
#include "ErroGeral.h"
#include "EstadoFixo.h"
#include "Impressao.h"
#include "ModeloGrade.h"
#include "Navegador.h"
#include "TamanhoJanela.h"
#include "Tela.h"
#include "Texto.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace {

const QString nomeJanela = QStringLiteral("Processamento");
const std::string situacaoInicial = "Tradu\xe7\xe3o em andamento...";

} // namespace

TProc::TProc(Ajustes& ajustes, Dados& dados, Dialogos& dialogos, QWidget* principal)
    : QDialog(principal, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                             Qt::WindowMaximizeButtonHint),
      ajustes_(ajustes), dados_(dados), dialogos_(dialogos), principal_(principal),
      processamento_(ajustes, dados, *this) {
    setWindowTitle(QStringLiteral("Tradução"));
    setModal(true);
    MontaControles();
    DefineSituacao(situacaoInicial);
}

// Fechar o programa no meio de uma rodada: ela para no próximo lote, e uma caixa que ela espera
// sai sem aparecer.
TProc::~TProc() {
    if (rodada_ == nullptr)
        return;
    cancelar_ = true;
    encerrando_ = true;
    while (!rodada_->wait(20))
        QCoreApplication::sendPostedEvents(this);
}

int TProc::exec() {
    rodadaPendente_ = true;
    rodando_ = true;
    // Um "Cancelar" antes mesmo de a rodada partir vale: ela para no primeiro passo.
    cancelar_ = false;
    // Só uma rodada que chegou à situação final tem o que imprimir; fechar espera o fim da rodada.
    Imprime->setEnabled(false);
    Fechar->setEnabled(false);
    Cancelar->setEnabled(true);
    Cancelar->setFocus();
    // Uma falha antes do primeiro passo não pode citar a situação da rodada anterior.
    DefineSituacao(situacaoInicial);
    RestauraTamanho(this, ajustes_.DirUsuario, nomeJanela);
    CentraNaTela(this);
    return QDialog::exec();
}

// A rodada parte ao ativar, depois de a janela se pintar uma vez.
bool TProc::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate && rodadaPendente_) {
        rodadaPendente_ = false;
        QTimer::singleShot(0, this, &TProc::FormActivate);
    }
    return QDialog::event(evento);
}

void TProc::FormActivate() {
    gradePedida_ = false;
    falha_ = nullptr;
    {
        const std::lock_guard trava(estado_);
        ultimaMensagem_.clear();
    }
    rodada_.reset(QThread::create([this] {
        try {
            processamento_.FormActivate();
        } catch (...) {
            falha_ = std::current_exception();
        }
    }));
    // O aviso de fim passa pela fila da janela depois de tudo o que a rodada já enfileirou.
    connect(rodada_.get(), &QThread::finished, this, &TProc::FimDaRodada);
    rodada_->start();
}

void TProc::FimDaRodada() {
    rodada_->wait();
    rodada_.reset();
    rodando_ = false;
    // Um "Cancelar" tardio, já depois da última conferência, não deixa "Cancelando..." na barra.
    SitAtual->showMessage(ParaTela(Situacao()));
    Cancelar->setEnabled(false);
    Fechar->setEnabled(true);
    Fechar->setFocus();
    if (falha_ != nullptr) {
        try {
            std::rethrow_exception(falha_);
        } catch (const RodadaCancelada& cancelada) {
            DefineSituacao(cancelada.what());
            DefineCorSituacao(Cor::Vermelho);
            AcrescentaObs("Nenhum arquivo de sa\xed"
                          "da foi gravado.");
            dialogos_.CursorNormal();
        } catch (const std::exception& falha) {
            MostraParada(MensagemComPonto(falha.what()));
            MostraErroGeral(dialogos_, this, falha);
        }
        return;
    }
    if (processamento_.Parou()) {
        std::string mensagem;
        {
            const std::lock_guard trava(estado_);
            mensagem = ultimaMensagem_;
        }
        MostraParada(mensagem);
        return;
    }
    // A grade só lê a tabela final depois de a rodada a largar.
    if (gradePedida_)
        LigaGrade();
    Imprime->setEnabled(true);
    // O relatório se lê de cima: a primeira linha traz a contagem que as seguintes explicam.
    Obs->moveCursor(QTextCursor::Start);
    Obs->ensureCursorVisible();
}

void TProc::MostraParada(const std::string& mensagem) {
    std::string passo = Situacao();
    while (!passo.empty() && passo.back() == '.')
        passo.pop_back();
    DefineSituacao("Falhou: " + passo);
    DefineCorSituacao(Cor::Vermelho);
    LimpaObs();
    // Cada parágrafo da mensagem numa linha do memo, sem as linhas em branco da caixa.
    std::size_t inicio = 0;
    while (inicio <= mensagem.size()) {
        std::size_t fim = mensagem.find_first_of("\r\n", inicio);
        if (fim == std::string::npos)
            fim = mensagem.size();
        if (fim > inicio)
            AcrescentaObs(mensagem.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
    DefineCorObs(Cor::Vermelho);
    dialogos_.CursorNormal();
}

void TProc::CancelarClick() {
    if (!rodando_)
        return;
    cancelar_ = true;
    Cancelar->setEnabled(false);
    // Só na tela: a situação guardada segue sendo a do passo em que a rodada está.
    SitAtual->showMessage(QStringLiteral("Cancelando..."));
}

// O botão de fechar da moldura vale "&Fechar", sempre por Fechando; durante a rodada é recusado.
void TProc::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    if (!rodando_)
        FecharClick();
}

// Minimizada com a principal escondida, o programa ficaria sem janela nenhuma na tela: volta.
// Maximizar pode: a grade e o memo ficam com o espaço.
void TProc::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    DesfazEstadoRecusado(this, evento, Qt::WindowMinimized | Qt::WindowFullScreen);
}

// Esc: durante a rodada é "Cancelar", depois é "&Fechar".
void TProc::reject() {
    if (rodando_)
        CancelarClick();
    else
        FecharClick();
}

void TProc::FecharClick() {
    if (rodando_)
        return;
    GuardaTamanho(this, ajustes_.DirUsuario, nomeJanela);
    ComCaixaDeErro(dialogos_, this, [this] { processamento_.Fechando(); });
    done(QDialog::Accepted);
    dialogos_.CursorNormal();
    if (principal_ != nullptr)
        principal_->show();
}

void TProc::ImprimeClick() {
    if (rodando_ || !Imprime->isEnabled())
        return;
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
