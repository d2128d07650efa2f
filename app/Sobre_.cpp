#include "Sobre_.h"

#include "Ajuda.h"
#include "Escala.h"
#include "InfoSistema.h"
#include "Tela.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {

const QColor corPainel(204, 234, 227);
constexpr int colunaRotulo = 24;
constexpr int colunaValor = 180;
constexpr int larguraValor = 170;

void Pinta(QWidget* controle, QPalette::ColorRole papel, const QColor& cor) {
    QPalette paleta = controle->palette();
    paleta.setColor(papel, cor);
    controle->setPalette(paleta);
}

} // namespace

TSobre::TSobre(const Ajustes& ajustes, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint), ajustes_(ajustes) {
    setWindowTitle(QStringLiteral("Sobre"));
    setFixedSize(372, 289);
    QFont letra = font();
    letra.setPointSize(8);
    setFont(letra);

    auto* painel = new QFrame(this);
    painel->setGeometry(0, 0, 372, 289);
    painel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    painel->setLineWidth(5);
    painel->setAutoFillBackground(true);
    Pinta(painel, QPalette::Window, corPainel);
    painel_ = painel;

    QFont negrito = letra;
    negrito.setBold(true);
    for (const auto& [texto, topo] :
         {std::pair{QStringLiteral("Versões"), 12}, {QStringLiteral("Recursos de sistema"), 134}}) {
        QLabel* titulo = Rotulo(texto, 14, topo, 200);
        titulo->setFont(negrito);
        Pinta(titulo, QPalette::WindowText, Qt::blue);
    }
    const std::pair<QString, int> legendas[] = {
        {QStringLiteral("Sistema operacional"), 30},     {QStringLiteral("Módulo Morvisan"), 46},
        {QStringLiteral("Data da criação"), 62},         {QStringLiteral("Hora da criação"), 78},
        {QStringLiteral("Local de instalação"), 94},     {QStringLiteral("Memória livre"), 152},
        {QStringLiteral("Situação geral (livre)"), 168}, {QStringLiteral("Espaço de disco livre"), 184},
        {QStringLiteral("Resolução do vídeo"), 200},
    };
    for (const auto& [texto, topo] : legendas)
        Pinta(Rotulo(texto, colunaRotulo, topo, colunaValor - colunaRotulo - 4), QPalette::WindowText, Qt::red);

    VersaoWin = Valor("VersaoWin", QStringLiteral("VersaoWin"), 30);
    Valor("VersaoOlum", QStringLiteral("1.1"), 46);
    AData = Valor("AData", QStringLiteral("A data de criação"), 62);
    AHora = Valor("AHora", QStringLiteral("A hora da criação"), 78);
    OCaminho = Valor("OCaminho", QStringLiteral("Local de instalação"), 94);
    OCaminho->setFixedSize(158, 31);
    OCaminho->setWordWrap(true);
    OCaminho->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MemFisica = Valor("MemFisica", QStringLiteral("MemFisica"), 152);
    RecLivres = Valor("RecLivres", QStringLiteral("RecLivres"), 168);
    EspDisco = Valor("EspDisco", QStringLiteral("EspDisco"), 184);
    ResTela = Valor("ResTela", QStringLiteral("ResTela"), 200);
    ResOBS = Valor("ResOBS", QStringLiteral("Recomenda-se 800x600 ou mais"), 216);
    ResOBS->setAutoFillBackground(true);
    Pinta(ResOBS, QPalette::Window, Qt::yellow);
    ResOBS->adjustSize();
    ResOBS->hide();

    QLabel* credito = Rotulo(QStringLiteral("Desenvolvido para a Fundação Velmora"), 14, 250, 250);
    credito->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* fecha = new QPushButton(QStringLiteral("&Fechar"), painel);
    fecha->setObjectName(QStringLiteral("FechaSobre"));
    fecha->setGeometry(282, 246, 75, 25);
    connect(fecha, &QPushButton::clicked, this, &TSobre::FechaSobreClick);
    auto* ajuda = new QShortcut(QKeySequence::HelpContents, this);
    connect(ajuda, &QShortcut::activated, this, [this] { AbreAjuda(ajustes_.DirSistema, "Outros", this); });
    AjustaAoConteudo(this);
}

QLabel* TSobre::Rotulo(const QString& texto, int esquerda, int topo, int largura) {
    auto* rotulo = new QLabel(texto, painel_);
    rotulo->setGeometry(esquerda, topo, largura, 16);
    return rotulo;
}

QLabel* TSobre::Valor(const char* nome, const QString& texto, int topo) {
    QLabel* rotulo = Rotulo(texto, colunaValor, topo, larguraValor);
    rotulo->setObjectName(QString::fromLatin1(nome));
    return rotulo;
}

void TSobre::FormActivate() {
    if (const auto versao = ConsultaVersaoNucleo())
        VersaoWin->setText(ParaTela(TextoVersao(versao->nome, versao->lancamento)));

    // A data do arquivo guarda os segundos de dois em dois, como a data de arquivo que o mostrador
    // sempre exibiu.
    QDateTime criacao = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    criacao = criacao.addSecs(-(criacao.time().second() % 2)).addMSecs(-criacao.time().msec());
    AData->setText(criacao.date().toString(ParaTela(ajustes_.regional.formatoDataCurta)));
    AHora->setText(criacao.time().toString(ParaTela(ajustes_.regional.formatoHoraLonga)));

    // Onde está o executável (num programa instalado, o bin/), não a pasta dos modelos nem a de dados.
    OCaminho->setText(QCoreApplication::applicationDirPath() + u'/');

    // A resolução do vídeo é a dos pixels da tela, não a dos pixels lógicos de uma escala do Qt.
    const QScreen* tela = screen();
    const QSize tamanho = tela != nullptr ? (QSizeF(tela->size()) * tela->devicePixelRatio()).toSize() : QSize();
    ResTela->setText(ParaTela(TextoTela(tamanho.width(), tamanho.height())));
    ResOBS->setVisible(PedeAvisoTela(tamanho.width()));

    for (QLabel* rotulo : {MemFisica, RecLivres, EspDisco})
        rotulo->setText(QStringLiteral("Aguarde..."));

    const EstadoMemoria memoria = ConsultaMemoria();
    MemFisica->setText(ParaTela(TextoMemoria(memoria.totalBytes, ajustes_.regional.separadorMilhar)));
    RecLivres->setText(ParaTela(TextoCargaMemoria(memoria.cargaPorcento)));
    EspDisco->setText(ParaTela(TextoEspacoDisco(ConsultaEspacoLivre(), ajustes_.regional.separadorDecimal)));
}

void TSobre::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TSobre::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

void TSobre::FechaSobreClick() {
    accept();
}
