// TProc: os controles da janela de processamento em leiautes: 313 por 343 no mínimo (ou o que a fonte
// pedir), com a grade e o memo ficando com o espaço a mais de uma janela maior.
#include "Ajuda.h"
#include "Cores.h"
#include "Fonte.h"
#include "ModeloGrade.h"
#include "Navegador.h"
#include "Proc_.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

namespace {

// Altura do memo para três linhas inteiras na fonte dele.
int AlturaDeTresLinhas(const QPlainTextEdit* memo) {
    const double margem = memo->document()->documentMargin();
    return qCeil(3 * memo->fontMetrics().lineSpacing() + 2 * margem) + 2 * memo->frameWidth();
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
    setFont(FonteDasJanelas());

    SitAtual = new QStatusBar(this);
    SitAtual->setObjectName(QStringLiteral("SitAtual"));
    SitAtual->setSizeGripEnabled(false);
    SitAtual->setAutoFillBackground(true);
    SitAtual->setMinimumHeight(23);

    auto* contadores = new QGridLayout;
    contadores->setHorizontalSpacing(4);
    contadores->setVerticalSpacing(1);
    const char* nomes[3] = {"BO_desc", "BT_DESC", "BF_DESC"};
    const QString linhas[3] = {QStringLiteral("Base original"), QStringLiteral("Base de tradução"),
                               QStringLiteral("Base traduzida")};
    for (int i = 0; i < 3; ++i) {
        contadores->addWidget(new QLabel(linhas[i], this), i, 0);
        contadores->addWidget(new QLabel(QStringLiteral("Registros:"), this), i, 1);
        rotulosContador_[i] = new QLabel(this);
        rotulosContador_[i]->setObjectName(QString::fromLatin1(nomes[i]));
        PintaTexto(rotulosContador_[i], corAzul);
        contadores->addWidget(rotulosContador_[i], i, 2);
    }
    contadores->setColumnStretch(2, 1);

    Prog_BT = new QProgressBar(this);
    Prog_BT->setObjectName(QStringLiteral("Prog_BT"));
    Prog_BT->setFixedHeight(11);
    Prog_BT->setRange(0, 100);
    Prog_BT->setValue(0);
    Prog_BT->setTextVisible(false);

    Resultado = new QTableView(this);
    Resultado->setObjectName(QStringLiteral("Resultado"));
    Resultado->setMinimumSize(301, 164);
    Resultado->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Resultado->setSelectionBehavior(QAbstractItemView::SelectRows);
    Resultado->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab sai da grade para os botões; as setas andam entre as células.
    Resultado->setTabKeyNavigation(false);
    Resultado->verticalHeader()->setDefaultSectionSize(Resultado->fontMetrics().height() + 4);
    // Sem números de linha: a largura é das seis colunas; o registro corrente é a linha destacada.
    Resultado->verticalHeader()->hide();
    QFont negrito = Resultado->horizontalHeader()->font();
    negrito.setBold(true);
    Resultado->horizontalHeader()->setFont(negrito);
    modelo_ = new ModeloGrade(dados_.T_BF_DESC, this);
    Resultado->setModel(modelo_);

    Ponteiro = new Navegador(dados_.T_BF_DESC, this);
    Ponteiro->setObjectName(QStringLiteral("Ponteiro"));

    Imprime = new QToolButton(this);
    Imprime->setObjectName(QStringLiteral("Imprime"));
    Imprime->setFixedSize(23, 22);
    Imprime->setAutoRaise(true);
    Imprime->setIcon(FiguraImpressora());
    Imprime->setToolTip(QStringLiteral("Imprimir resultado"));
    Imprime->setShortcut(QKeySequence::Print);
    Imprime->setFocusPolicy(Qt::StrongFocus);
    Imprime->setEnabled(false);

    Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    Cancelar->setObjectName(QStringLiteral("Cancelar"));
    Cancelar->setAutoDefault(false);
    Cancelar->setEnabled(false);

    Fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    Fechar->setObjectName(QStringLiteral("Fechar"));
    Fechar->setFlat(true);
    Fechar->setAutoDefault(false);
    Fechar->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    QFont negritoBotao = Fechar->font();
    negritoBotao.setBold(true);
    Fechar->setFont(negritoBotao);
    Fechar->setMinimumWidth(77);

    Obs = new QPlainTextEdit(this);
    Obs->setObjectName(QStringLiteral("Obs"));
    Obs->setReadOnly(true);
    Obs->setTabChangesFocus(true);
    Obs->setMinimumHeight(AlturaDeTresLinhas(Obs));
    PintaTexto(Obs, corVermelho);
    Obs->setPlainText(QStringLiteral("Obs"));
    obs_ = "Obs\r\n";

    auto* botoes = new QHBoxLayout;
    botoes->setSpacing(4);
    botoes->addWidget(Ponteiro);
    botoes->addWidget(Imprime);
    botoes->addStretch(1);
    botoes->addWidget(Cancelar);
    botoes->addWidget(Fechar);

    auto* corpo = new QVBoxLayout;
    corpo->setContentsMargins(6, 4, 6, 4);
    corpo->setSpacing(4);
    corpo->addLayout(contadores);
    corpo->addWidget(Prog_BT);
    corpo->addWidget(Resultado, 4);
    corpo->addLayout(botoes);
    corpo->addWidget(Obs, 1);

    auto* janela = new QVBoxLayout(this);
    janela->setContentsMargins(0, 0, 0, 0);
    janela->setSpacing(0);
    janela->addWidget(SitAtual);
    janela->addLayout(corpo, 1);
    // O tamanho do desenho é o mínimo; uma fonte maior pede mais, e a janela cresce em vez de cortar.
    setMinimumSize(minimumSizeHint().expandedTo(QSize(313, 343)));
    resize(minimumSize());

    auto* ajuda = new QShortcut(QKeySequence::HelpContents, this);
    connect(ajuda, &QShortcut::activated, this, [this] { AbreAjuda(ajustes_.DirSistema, "Processamento", this); });
    connect(Cancelar, &QPushButton::clicked, this, &TProc::CancelarClick);
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
