// TProc como PainelProc: o que os passos da rodada escrevem e leem na janela. Da linha da rodada, o
// texto fica guardado aqui (os passos o releem) e o controle muda pela fila da janela.
#include "ColunasGrade.h"
#include "Cores.h"
#include "ModeloGrade.h"
#include "Navegador.h"
#include "Proc_.h"
#include "Tela.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QThread>

namespace {

QColor CorDe(Cor cor) {
    switch (cor) {
    case Cor::Vermelho:
        return corVermelho;
    case Cor::Azul:
        return corAzul;
    case Cor::FaceBotao:
        break;
    }
    return QApplication::palette().color(QPalette::Button);
}

// O memo mostra cada linha sem os "\r" que ela carrega; o texto guardado fica exato.
QString LinhaDeMemo(const std::string& linha) {
    QString tela = ParaTela(linha);
    tela.remove(u'\r');
    return tela;
}

} // namespace

void TProc::NaTela(std::function<void()> acao) {
    if (QThread::currentThread() == thread())
        acao();
    else
        QMetaObject::invokeMethod(this, std::move(acao), Qt::QueuedConnection);
}

void TProc::AgendaContadores() {
    if (QThread::currentThread() == thread())
        MostraContadores();
    else if (!contadoresPendentes_.exchange(true))
        QMetaObject::invokeMethod(this, &TProc::MostraContadores, Qt::QueuedConnection);
}

void TProc::MostraContadores() {
    contadoresPendentes_ = false;
    std::array<std::string, 3> contadores;
    int minimo = 0;
    int maximo = 0;
    int posicao = 0;
    {
        const std::lock_guard trava(estado_);
        contadores = contadores_;
        minimo = progressoMinimo_;
        maximo = progressoMaximo_;
        posicao = progresso_;
    }
    for (std::size_t i = 0; i < contadores.size(); ++i)
        rotulosContador_[i]->setText(ParaTela(contadores[i]));
    Prog_BT->setRange(minimo, maximo);
    Prog_BT->setValue(posicao);
}

void TProc::DefineSituacao(const std::string& texto) {
    {
        const std::lock_guard trava(estado_);
        situacao_ = texto;
    }
    NaTela([this, tela = ParaTela(texto)] { SitAtual->showMessage(tela); });
}

std::string TProc::Situacao() const {
    const std::lock_guard trava(estado_);
    return situacao_;
}

void TProc::DefineCorSituacao(Cor cor) {
    NaTela([this, cor] {
        QPalette paleta = SitAtual->palette();
        paleta.setColor(QPalette::Window, CorDe(cor));
        SitAtual->setPalette(paleta);
    });
}

void TProc::DefineContador(Contador contador, const std::string& texto) {
    {
        const std::lock_guard trava(estado_);
        contadores_[static_cast<std::size_t>(contador)] = texto;
    }
    AgendaContadores();
}

std::string TProc::TextoContador(Contador contador) const {
    const std::lock_guard trava(estado_);
    return contadores_[static_cast<std::size_t>(contador)];
}

void TProc::DefineFaixaProgresso(int minimo, int maximo) {
    {
        const std::lock_guard trava(estado_);
        progressoMinimo_ = minimo;
        progressoMaximo_ = maximo;
    }
    AgendaContadores();
}

void TProc::DefinePosicaoProgresso(int posicao) {
    {
        const std::lock_guard trava(estado_);
        progresso_ = posicao;
    }
    AgendaContadores();
}

void TProc::LimpaObs() {
    {
        const std::lock_guard trava(estado_);
        obs_.clear();
    }
    NaTela([this] { Obs->clear(); });
}

void TProc::AcrescentaObs(const std::string& linha) {
    {
        const std::lock_guard trava(estado_);
        obs_ += linha + "\r\n";
    }
    NaTela([this, tela = LinhaDeMemo(linha)] { Obs->appendPlainText(tela); });
}

std::string TProc::TextoObs() const {
    const std::lock_guard trava(estado_);
    return obs_;
}

void TProc::DefineCorObs(Cor cor) {
    NaTela([this, cor] { PintaTexto(Obs, CorDe(cor)); });
}

// Da rodada, só marca o pedido: a grade liga quando ela termina e a tabela final fica parada.
void TProc::LigaGrade() {
    if (QThread::currentThread() != thread()) {
        gradePedida_ = true;
        return;
    }
    modelo_->Liga();
    // Numa fonte maior as colunas pedem mais que a largura do desenho: a janela cresce, até a tela.
    const int falta = AjustaColunas(Resultado, *modelo_) - Resultado->viewport()->width();
    if (falta > 0 && !isMaximized() && screen() != nullptr)
        resize(std::min(width() + falta, screen()->availableGeometry().width()), height());
    Ponteiro->Liga(true);
    if (dados_.T_BF_DESC.Aberta() && dados_.T_BF_DESC.Registros() > 0)
        dados_.T_BF_DESC.Primeiro();
    MostraRegistroAtual();
}

void TProc::DesligaGrade() {
    NaTela([this] {
        modelo_->Desliga();
        Ponteiro->Liga(false);
    });
}

// A rodada espera o usuário fechar a caixa; o texto fica para o memo de uma rodada que parou.
void TProc::Mensagem(const std::string& texto, const std::string& titulo) {
    {
        const std::lock_guard trava(estado_);
        ultimaMensagem_ = texto;
    }
    auto mostra = [this, titulo = ParaCaixa(titulo), texto = ParaCaixa(texto)] {
        if (!encerrando_)
            dialogos_.Mensagem(this, titulo, texto);
    };
    if (QThread::currentThread() == thread())
        mostra();
    else
        QMetaObject::invokeMethod(this, mostra, Qt::BlockingQueuedConnection);
}

void TProc::CursorEspera() {
    NaTela([this] { dialogos_.CursorEspera(); });
}

void TProc::CursorNormal() {
    NaTela([this] { dialogos_.CursorNormal(); });
}

void TProc::EscondePrincipal() {
    NaTela([this] {
        if (principal_ != nullptr)
            principal_->hide();
    });
}
