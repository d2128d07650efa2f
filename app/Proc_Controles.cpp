// TProc: os controles da janela de processamento, nas posições fixas da janela de 313 por 343.
#include "Cores.h"
#include "Fonte.h"
#include "ModeloGrade.h"
#include "Navegador.h"
#include "Proc_.h"

#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

namespace {

QLabel* Rotulo(QWidget* pai, const QString& texto, int x, int y, int largura) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setGeometry(x, y, largura, 15);
    return rotulo;
}

// Sem tema de ícones (comum fora do GNOME e do KDE) não há figura de impressora: desenha-se uma.
QIcon FiguraImpressora() {
    const QIcon tema = QIcon::fromTheme(QStringLiteral("document-print"));
    if (!tema.isNull())
        return tema;
    QPixmap figura(16, 16);
    figura.fill(Qt::transparent);
    QPainter pintor(&figura);
    pintor.setPen(QColor(40, 40, 40));
    pintor.setBrush(Qt::white);
    pintor.drawRect(4, 1, 7, 5);
    pintor.setBrush(QColor(150, 150, 150));
    pintor.drawRect(1, 5, 13, 6);
    pintor.setBrush(Qt::white);
    pintor.drawRect(4, 9, 7, 5);
    pintor.drawLine(6, 11, 9, 11);
    return QIcon(figura);
}

} // namespace

void TProc::MontaControles() {
    setFixedSize(313, 343);
    setFont(FonteDasJanelas());

    SitAtual = new QStatusBar(this);
    SitAtual->setObjectName(QStringLiteral("SitAtual"));
    SitAtual->setGeometry(0, 0, 313, 23);
    SitAtual->setSizeGripEnabled(false);
    SitAtual->setAutoFillBackground(true);
    SitAtual->showMessage(QStringLiteral("Tradução em andamento..."));
    situacao_ = "Tradução em andamento...";

    const char* nomes[3] = {"BO_desc", "BT_DESC", "BF_DESC"};
    const QString linhas[3] = {QStringLiteral("Base original"), QStringLiteral("Base de tradução"),
                               QStringLiteral("Base traduzida")};
    const int topos[3] = {30, 47, 64};
    const int toposContador[3] = {32, 48, 62};
    for (int i = 0; i < 3; ++i) {
        Rotulo(this, linhas[i], 6, topos[i], 125);
        Rotulo(this, QStringLiteral("Registros:"), 133, topos[i], 50);
        rotulosContador_[i] = Rotulo(this, QString(), 185, toposContador[i], 120);
        rotulosContador_[i]->setObjectName(QString::fromLatin1(nomes[i]));
        PintaTexto(rotulosContador_[i], corAzul);
    }

    Prog_BT = new QProgressBar(this);
    Prog_BT->setObjectName(QStringLiteral("Prog_BT"));
    Prog_BT->setGeometry(6, 82, 301, 11);
    Prog_BT->setRange(0, 100);
    Prog_BT->setValue(0);
    Prog_BT->setTextVisible(false);

    Resultado = new QTableView(this);
    Resultado->setObjectName(QStringLiteral("Resultado"));
    Resultado->setGeometry(6, 100, 301, 164);
    Resultado->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Resultado->setSelectionBehavior(QAbstractItemView::SelectRows);
    Resultado->setSelectionMode(QAbstractItemView::SingleSelection);
    Resultado->verticalHeader()->setDefaultSectionSize(18);
    // Sem números de linha: a largura é das seis colunas; o registro corrente é a linha destacada.
    Resultado->verticalHeader()->hide();
    QFont negrito = Resultado->horizontalHeader()->font();
    negrito.setBold(true);
    Resultado->horizontalHeader()->setFont(negrito);
    modelo_ = new ModeloGrade(dados_.T_BF_DESC, this);
    Resultado->setModel(modelo_);

    Ponteiro = new Navegador(dados_.T_BF_DESC, this);
    Ponteiro->setObjectName(QStringLiteral("Ponteiro"));
    Ponteiro->setGeometry(6, 271, 96, 23);

    Imprime = new QToolButton(this);
    Imprime->setObjectName(QStringLiteral("Imprime"));
    Imprime->setGeometry(106, 272, 23, 22);
    Imprime->setAutoRaise(true);
    Imprime->setIcon(FiguraImpressora());
    Imprime->setToolTip(QStringLiteral("Imprimir resultado"));
    Imprime->setEnabled(false);

    Fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    Fechar->setObjectName(QStringLiteral("Fechar"));
    Fechar->setGeometry(231, 272, 77, 22);
    Fechar->setFlat(true);
    Fechar->setAutoDefault(false);
    Fechar->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    QFont negritoBotao = Fechar->font();
    negritoBotao.setBold(true);
    Fechar->setFont(negritoBotao);

    Obs = new QPlainTextEdit(this);
    Obs->setObjectName(QStringLiteral("Obs"));
    Obs->setGeometry(4, 300, 305, 40);
    Obs->setReadOnly(true);
    PintaTexto(Obs, corVermelho);
    Obs->setPlainText(QStringLiteral("Obs"));
    obs_ = "Obs\r\n";

    connect(Fechar, &QPushButton::clicked, this, &TProc::FecharClick);
    connect(Imprime, &QToolButton::clicked, this, &TProc::ImprimeClick);
    connect(Ponteiro, &Navegador::Moveu, this, &TProc::MostraRegistroAtual);
    connect(Resultado->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                if (atual.isValid() && atual.row() + 1 != dados_.T_BF_DESC.RegistroAtual()) {
                    dados_.T_BF_DESC.VaiPara(atual.row() + 1);
                    Ponteiro->Atualiza();
                }
            });
}
