#include "ImpressoraLinhas.h"

#include "Falha.h"
#include "Tela.h"

#include <QFontMetricsF>
#include <QPrinter>

ImpressoraLinhas::ImpressoraLinhas(QPrinter& impressora) : impressora_(impressora) {}

ImpressoraLinhas::~ImpressoraLinhas() {
    if (pintor_.isActive())
        Abandona();
}

void ImpressoraLinhas::Inicia() {
    if (!pintor_.begin(&impressora_)) {
        const QString destino =
            impressora_.outputFileName().isEmpty() ? impressora_.printerName() : impressora_.outputFileName();
        throw Falha("N\xe3o foi poss\xedvel iniciar a impress\xe3o em \"" + DaTela(destino) + "\"");
    }
    const QRectF area = impressora_.pageLayout().paintRectPixels(impressora_.resolution());
    largura_ = area.width();
    altura_ = area.height();
    y_ = 0;
    paginaPedida_ = false;
    pendente_.clear();
    fonte_ = pintor_.font();
    alturaLinha_ = QFontMetricsF(fonte_, &impressora_).lineSpacing();
}

void ImpressoraLinhas::DefineFonte(const QString& nome, int pontos) {
    // A face de passo fixo é escolhida aqui, não pelo que o sistema faz do nome pedido: a Liberation
    // Mono (instalada com o programa, nas medidas da Courier New) vem antes, e o relatório sai igual
    // em qualquer máquina.
    fonte_ = QFont(QStringList{QStringLiteral("Liberation Mono"), nome}, pontos);
    // Sem nenhuma das duas, o fontconfig cai numa de passo fixo, não numa proporcional.
    fonte_.setStyleHint(QFont::TypeWriter);
    fonte_.setFixedPitch(true);
    pintor_.setFont(fonte_);
    alturaLinha_ = QFontMetricsF(fonte_, &impressora_).lineSpacing();
}

void ImpressoraLinhas::Escreve(const std::string& linha) {
    for (const char c : linha)
        Caractere(c);
    Caractere('\r');
    Caractere('\n');
}

void ImpressoraLinhas::Caractere(char c) {
    switch (c) {
    case '\r':
        break;
    case '\n':
        DesenhaPendente();
        y_ += alturaLinha_;
        break;
    case '\f':
        DesenhaPendente();
        paginaPedida_ = true;
        y_ = 0;
        break;
    default:
        pendente_ += c;
    }
}

void ImpressoraLinhas::DesenhaPendente() {
    if (pendente_.empty())
        return;
    QString resto = ParaTela(pendente_);
    pendente_.clear();
    const QFontMetricsF medida(fonte_, &impressora_);
    while (!resto.isEmpty()) {
        // O maior começo que cabe na largura; pelo menos um caractere, para sempre andar.
        qsizetype cabe = resto.size();
        while (cabe > 1 && medida.horizontalAdvance(resto.left(cabe)) > largura_)
            --cabe;
        GaranteLugar();
        pintor_.drawText(QPointF(0, y_ + medida.ascent()), resto.left(cabe));
        resto.remove(0, cabe);
        if (!resto.isEmpty())
            y_ += alturaLinha_;
    }
}

void ImpressoraLinhas::GaranteLugar() {
    // Depois de um salto, as linhas em branco que vieram antes do texto já contam na página nova.
    if (paginaPedida_) {
        NovaPagina();
        paginaPedida_ = false;
    }
    if (y_ > 0 && y_ + alturaLinha_ > altura_) {
        NovaPagina();
        y_ = 0;
    }
}

void ImpressoraLinhas::NovaPagina() {
    if (!impressora_.newPage())
        throw Falha("A impressora recusou uma p\xe1gina nova");
}

void ImpressoraLinhas::Termina() {
    DesenhaPendente();
    if (!pintor_.end())
        throw Falha("A impressora n\xe3o concluiu o trabalho");
}

void ImpressoraLinhas::Abandona() {
    impressora_.abort();
    if (pintor_.isActive())
        pintor_.end();
}
