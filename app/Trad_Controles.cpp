// TTrad: os controles da janela, cada um com o nome que os passos e os testes usam.
#include "Cores.h"
#include "Fonte.h"
#include "ListaArquivos.h"
#include "ListaPastas.h"
#include "SeletorUnidade.h"
#include "Trad_.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Controle>
Controle* Cria(QWidget* pai, const QString& nome, int x, int y, int largura, int altura) {
    auto* controle = new Controle(pai);
    controle->setObjectName(nome);
    controle->setGeometry(x, y, largura, altura);
    return controle;
}

QLabel* Legenda(QWidget* pai, const QString& texto, int x, int y, int largura, bool negrito = false) {
    auto* legenda = new QLabel(texto, pai);
    legenda->setGeometry(x, y, largura, 15);
    PintaTexto(legenda, corBranco);
    if (negrito) {
        QFont fonte = legenda->font();
        fonte.setBold(true);
        legenda->setFont(fonte);
    }
    return legenda;
}

QLabel* Situacao(QWidget* pai, const QString& nome, int y, const QString& legenda) {
    auto* rotulo = Cria<QLabel>(pai, nome, 8, y, 40, 15);
    rotulo->setText(QStringLiteral("Falta"));
    Pinta(rotulo, QColor(), corAmarelo);
    QFont fonte = rotulo->font();
    fonte.setBold(true);
    rotulo->setFont(fonte);
    Legenda(pai, legenda, 52, y, 260, true);
    return rotulo;
}

} // namespace

void TTrad::MontaControles() {
    auto* area = new QWidget(this);
    area->setFixedSize(324, 331);
    area->setFont(FonteDasJanelas());
    Pinta(area, corVioleta, corBranco);
    setCentralWidget(area);

    auto* painel = new QWidget(area);
    painel->setGeometry(0, 0, 324, 26);
    Pinta(painel, corCinzaPainel, Qt::black);
    Titulo = Cria<QLabel>(painel, QStringLiteral("Titulo"), 0, 0, 324, 26);
    Titulo->setAlignment(Qt::AlignCenter);
    QFont negrito = Titulo->font();
    negrito.setBold(true);
    Titulo->setFont(negrito);
    auto* barra = new QWidget(area);
    barra->setGeometry(0, 26, 324, 8);
    Pinta(barra, corPetroleo, corPetroleo);

    Legenda(area, QStringLiteral("Unidade"), 8, 37, 150);
    Unidade = Cria<SeletorUnidade>(area, QStringLiteral("Unidade"), 8, 52, 150, 22);
    Legenda(area, QStringLiteral("Tipo do arquivo"), 166, 37, 150);
    Tipo = Cria<QComboBox>(area, QStringLiteral("Tipo"), 166, 52, 150, 22);
    Tipo->addItem(QStringLiteral("CSV (Excel)"), QStringLiteral("*.csv"));
    Tipo->addItem(QStringLiteral("dBase"), QStringLiteral("*.dbf"));
    Tipo->setCurrentIndex(0);
    Tipo->setEnabled(false);
    Legenda(area, QStringLiteral("Pasta"), 8, 77, 150);
    Pasta = Cria<ListaPastas>(area, QStringLiteral("Pasta"), 8, 92, 150, 112);
    Legenda(area, QStringLiteral("Arquivo"), 166, 77, 150);
    Arquivo = Cria<ListaArquivos>(area, QStringLiteral("Arquivo"), 166, 92, 150, 112);
    for (QWidget* seletor : {static_cast<QWidget*>(Unidade), static_cast<QWidget*>(Tipo), static_cast<QWidget*>(Pasta),
                             static_cast<QWidget*>(Arquivo)})
        Pinta(seletor, corPrata, corAzul);
    // Com o foco, a lista ganha uma borda escura e larga: no fundo prata o traço fino do estilo some.
    for (QWidget* lista : {static_cast<QWidget*>(Pasta), static_cast<QWidget*>(Arquivo)})
        lista->setStyleSheet(QStringLiteral("QListWidget { border: 2px solid #808080; }"
                                            "QListWidget:focus { border: 2px solid #000080; }"));

    NA = Legenda(area, QStringLiteral("Novo arquivo:"), 8, 213, 80);
    NA->setObjectName(QStringLiteral("NA"));
    NovoArquivo = Cria<QLineEdit>(area, QStringLiteral("NovoArquivo"), 90, 210, 80, 21);
    NovoArquivo->setMaxLength(8);
    ate8 = Legenda(area, QStringLiteral("(até 8 caracteres)"), 176, 213, 130);
    ate8->setObjectName(QStringLiteral("ate8"));

    BO = Situacao(area, QStringLiteral("BO"), 237, QStringLiteral("Base original"));
    BT = Situacao(area, QStringLiteral("BT"), 253, QStringLiteral("Base de transformação"));
    BC = Situacao(area, QStringLiteral("BC"), 269, QStringLiteral("Base a ser construída"));

    Linhas = Cria<QLineEdit>(area, QStringLiteral("Linhas"), 8, 285, 26, 19);
    Linhas->setMaxLength(2);
    Linhas->setText(QStringLiteral("50"));
    Legenda(area, QStringLiteral("linhas de relatório"), 40, 287, 200, true);

    auto* botoes = new QWidget(area);
    botoes->setGeometry(0, 305, 324, 26);
    Pinta(botoes, corCinzaPainel, Qt::black);
    // "&Próximo" vem primeiro na ordem de tabulação da barra.
    Proximo = Cria<QPushButton>(botoes, QStringLiteral("Proximo"), 114, 2, 96, 22);
    Proximo->setText(QStringLiteral("&Próximo"));
    Anterior = Cria<QPushButton>(botoes, QStringLiteral("Anterior"), 8, 2, 96, 22);
    Anterior->setText(QStringLiteral("&Anterior"));
    Fechar = Cria<QPushButton>(botoes, QStringLiteral("Fechar"), 220, 2, 96, 22);
    Fechar->setText(QStringLiteral("&Fechar"));
    // As caixas de texto não herdam o violeta da janela.
    for (QWidget* caixa : {static_cast<QWidget*>(NovoArquivo), static_cast<QWidget*>(Linhas)})
        Pinta(caixa, corBranco, Qt::black);
    for (QPushButton* botao : {Proximo, Anterior, Fechar}) {
        botao->setAutoDefault(false);
        Pinta(botao, QColor(), Qt::black);
    }
}
