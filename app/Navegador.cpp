#include "Navegador.h"

#include "Tabela.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace {

QToolButton* Botao(QWidget* pai, const QString& nome, QStyle::StandardPixmap figura, const QString& dica) {
    auto* botao = new QToolButton(pai);
    botao->setObjectName(nome);
    botao->setIcon(pai->style()->standardIcon(figura));
    botao->setToolTip(dica);
    botao->setFixedSize(24, 23);
    return botao;
}

} // namespace

Navegador::Navegador(Tabela& tabela, QWidget* pai)
    : QWidget(pai), tabela_(tabela), primeiro_(Botao(this, QStringLiteral("Primeiro"), QStyle::SP_MediaSkipBackward,
                                                     QStringLiteral("Primeiro registro"))),
      anterior_(
          Botao(this, QStringLiteral("Anterior"), QStyle::SP_MediaSeekBackward, QStringLiteral("Registro anterior"))),
      proximo_(Botao(this, QStringLiteral("Proximo"), QStyle::SP_MediaSeekForward, QStringLiteral("Próximo registro"))),
      ultimo_(Botao(this, QStringLiteral("Ultimo"), QStyle::SP_MediaSkipForward, QStringLiteral("Último registro"))) {
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(0);
    for (QToolButton* botao : {primeiro_, anterior_, proximo_, ultimo_})
        linha->addWidget(botao);
    connect(primeiro_, &QToolButton::clicked, this, [this] { Move(&Tabela::Primeiro); });
    connect(anterior_, &QToolButton::clicked, this, [this] { Move(&Tabela::Anterior); });
    connect(proximo_, &QToolButton::clicked, this, [this] { Move(&Tabela::Proximo); });
    connect(ultimo_, &QToolButton::clicked, this, [this] { Move(&Tabela::Ultimo); });
    Liga(false);
}

void Navegador::Liga(bool ligado) {
    ligado_ = ligado;
    Atualiza();
}

void Navegador::Atualiza() {
    const bool temRegistros = ligado_ && tabela_.Aberta() && tabela_.Registros() > 0;
    const bool noPrimeiro = !temRegistros || tabela_.RegistroAtual() <= 1;
    const bool noUltimo = !temRegistros || tabela_.RegistroAtual() >= tabela_.Registros();
    primeiro_->setEnabled(!noPrimeiro);
    anterior_->setEnabled(!noPrimeiro);
    proximo_->setEnabled(!noUltimo);
    ultimo_->setEnabled(!noUltimo);
}

void Navegador::Move(void (Tabela::*movimento)()) {
    (tabela_.*movimento)();
    Atualiza();
    emit Moveu();
}
