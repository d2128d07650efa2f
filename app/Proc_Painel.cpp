// TProc como PainelProc: o que os passos da rodada escrevem e leem na janela.
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
#include <QStatusBar>
#include <QTableView>

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

// A rodada segura a linha da interface: só um repinte explícito põe os textos na tela.
void TProc::Repinta(bool agora) {
    if (!agora && ultimoRepinte_.elapsed() < 16)
        return;
    repaint();
    ultimoRepinte_.restart();
}

void TProc::DefineSituacao(const std::string& texto) {
    situacao_ = texto;
    SitAtual->showMessage(ParaTela(texto));
    Repinta(true);
}

void TProc::DefineCorSituacao(Cor cor) {
    QPalette paleta = SitAtual->palette();
    paleta.setColor(QPalette::Window, CorDe(cor));
    SitAtual->setPalette(paleta);
    Repinta(true);
}

void TProc::DefineContador(Contador contador, const std::string& texto) {
    const auto indice = static_cast<std::size_t>(contador);
    contadores_[indice] = texto;
    rotulosContador_[indice]->setText(ParaTela(texto));
    Repinta(false);
}

std::string TProc::TextoContador(Contador contador) const {
    return contadores_[static_cast<std::size_t>(contador)];
}

void TProc::DefineFaixaProgresso(int minimo, int maximo) {
    Prog_BT->setRange(minimo, maximo);
}

void TProc::DefinePosicaoProgresso(int posicao) {
    Prog_BT->setValue(posicao);
    Repinta(false);
}

void TProc::LimpaObs() {
    obs_.clear();
    Obs->clear();
}

void TProc::AcrescentaObs(const std::string& linha) {
    obs_ += linha + "\r\n";
    Obs->appendPlainText(LinhaDeMemo(linha));
}

void TProc::DefineCorObs(Cor cor) {
    PintaTexto(Obs, CorDe(cor));
    Repinta(true);
}

void TProc::LigaGrade() {
    modelo_->Liga();
    AjustaColunas(Resultado, *modelo_);
    Ponteiro->Liga(true);
    if (dados_.T_BF_DESC.Aberta() && dados_.T_BF_DESC.Registros() > 0)
        dados_.T_BF_DESC.Primeiro();
    MostraRegistroAtual();
    Repinta(true);
}

void TProc::DesligaGrade() {
    modelo_->Desliga();
    Ponteiro->Liga(false);
}

void TProc::Mensagem(const std::string& texto, const std::string& titulo) {
    dialogos_.Mensagem(this, ParaCaixa(titulo), ParaCaixa(texto));
}

void TProc::CursorEspera() {
    dialogos_.CursorEspera();
}

void TProc::CursorNormal() {
    dialogos_.CursorNormal();
}

void TProc::EscondePrincipal() {
    if (principal_ != nullptr)
        principal_->hide();
}
