#include "DialogoPreparacao.h"

#include "Ajuda.h"
#include "BaseTraducaoBrasil.h"
#include "ErroGeral.h"
#include "Tela.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

namespace {

// Os caminhos vão como os bytes do sistema de arquivos.
std::string Caminho(const QString& caminho) {
    return QFile::encodeName(caminho).toStdString();
}

QSpinBox* Ano(QWidget* pai, const QString& nome, int ultimo, int valor) {
    auto* ano = new QSpinBox(pai);
    ano->setObjectName(nome);
    ano->setRange(PrimeiroAnoBrasil, ultimo);
    ano->setValue(valor);
    return ano;
}

} // namespace

DialogoPreparacao::DialogoPreparacao(const std::vector<MudancaBrasil>& tabela, const Ajustes& ajustes,
                                     const std::string& original, Dialogos& dialogos,
                                     std::function<void(const std::string&)> gravada, QWidget* pai)
    : QDialog(pai), tabela_(tabela), ajustes_(ajustes), dialogos_(dialogos), gravada_(std::move(gravada)) {
    setObjectName(QStringLiteral("PreparacaoBrasil"));
    setWindowTitle(QStringLiteral("Preparar base de tradução do Brasil"));
    const int ultimo = UltimoAnoBrasil(tabela);

    Original = new QLineEdit(QFile::decodeName(QByteArray::fromStdString(original)), this);
    Original->setObjectName(QStringLiteral("Original"));
    auto* escolhe = new QPushButton(QStringLiteral("..."), this);
    escolhe->setObjectName(QStringLiteral("EscolheOriginal"));
    escolhe->setFixedWidth(escolhe->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    auto* linhaOriginal = new QHBoxLayout;
    linhaOriginal->addWidget(Original);
    linhaOriginal->addWidget(escolhe);
    // 2010: o último censo na divisão anterior à de 2013, o caso mais comum.
    AnoDe = Ano(this, QStringLiteral("AnoDe"), UltimoAnoAceito(ultimo), std::min(2010, ultimo));
    AnoAte = Ano(this, QStringLiteral("AnoAte"), UltimoAnoAceito(ultimo), ultimo);
    Saida = new QLineEdit(this);
    Saida->setObjectName(QStringLiteral("Saida"));
    auto* preparar = new QPushButton(QStringLiteral("&Preparar"), this);
    preparar->setObjectName(QStringLiteral("Preparar"));
    auto* conferir = new QPushButton(QStringLiteral("&Conferir"), this);
    conferir->setObjectName(QStringLiteral("Conferir"));
    auto* acoes = new QHBoxLayout;
    acoes->addWidget(preparar);
    acoes->addWidget(conferir);
    Avisos = new QPlainTextEdit(this);
    Avisos->setObjectName(QStringLiteral("Avisos"));
    Avisos->setReadOnly(true);
    Avisos->setMinimumSize(640, 160);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* fechar = botoes->button(QDialogButtonBox::Close);
    fechar->setObjectName(QStringLiteral("Fechar"));
    fechar->setText(QStringLiteral("&Fechar"));

    auto* formulario = new QFormLayout(this);
    formulario->addRow(QStringLiteral("Base original:"), linhaOriginal);
    formulario->addRow(QStringLiteral("Divisão de 1º de janeiro de:"), AnoDe);
    formulario->addRow(QStringLiteral("Traduzir para a divisão de:"), AnoAte);
    formulario->addRow(QStringLiteral("Gravar a base de tradução em:"), Saida);
    formulario->addRow(acoes);
    formulario->addRow(Avisos);
    formulario->addRow(botoes);

    // Enter é "&Preparar", não o "..." que por acaso tem o foco; F1 abre a ajuda desta caixa.
    for (QPushButton* botao : {escolhe, fechar})
        botao->setAutoDefault(false);
    preparar->setDefault(true);
    auto* ajuda = new QShortcut(QKeySequence::HelpContents, this);
    connect(ajuda, &QShortcut::activated, this,
            [this] { ComCaixaDeErro(dialogos_, this, [this] { AbreAjuda(ajustes_.DirSistema, "Brasil", this); }); });
    connect(escolhe, &QPushButton::clicked, this, &DialogoPreparacao::EscolheOriginalClick);
    connect(preparar, &QPushButton::clicked, this, &DialogoPreparacao::PrepararClick);
    connect(conferir, &QPushButton::clicked, this, &DialogoPreparacao::ConferirClick);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Original, &QLineEdit::textChanged, this, &DialogoPreparacao::SugereSaida);
    connect(AnoDe, &QSpinBox::valueChanged, this, &DialogoPreparacao::SugereSaida);
    connect(AnoAte, &QSpinBox::valueChanged, this, &DialogoPreparacao::SugereSaida);
    connect(Saida, &QLineEdit::textEdited, this, [this] { saidaDoUsuario_ = true; });
    SugereSaida();
}

void DialogoPreparacao::SugereSaida() {
    if (saidaDoUsuario_ || Original->text().isEmpty())
        return;
    const QString nome = QStringLiteral("traducao-%1-%2.csv").arg(AnoDe->value()).arg(AnoAte->value());
    Saida->setText(QFileInfo(Original->text()).dir().filePath(nome));
}

void DialogoPreparacao::EscolheOriginalClick() {
    const QString arquivo = dialogos_.AbreArquivo(this, QStringLiteral("CSV (Texto separado por ;) (*.CSV *.csv)"));
    if (!arquivo.isEmpty())
        Original->setText(arquivo);
}

// Só a conferência da base com a divisão de "De", sem gravar nada.
void DialogoPreparacao::ConferirClick() {
    if (Original->text().isEmpty()) {
        dialogos_.Bipe();
        return;
    }
    dialogos_.CursorEspera();
    try {
        const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes_.DirSistema));
        const Conferencia conferencia =
            ConfereArquivo(divisoes, Caminho(Original->text()), ajustes_.regional.separadorDecimal, AnoDe->value());
        dialogos_.CursorNormal();
        Avisos->setPlainText(ParaTela(TextoConferencia(conferencia)));
    } catch (const std::exception& falha) {
        dialogos_.CursorNormal();
        MostraErroGeral(dialogos_, this, falha);
    }
}

void DialogoPreparacao::PrepararClick() {
    // Um campo vazio é dito e recebe o foco, em vez de só um bipe.
    for (const auto& [campo, falta] : {std::pair{Original, QStringLiteral("Informe a base original.")},
                                       std::pair{Saida, QStringLiteral("Informe onde gravar a base de tradução.")}})
        if (campo->text().trimmed().isEmpty()) {
            dialogos_.Mensagem(this, QStringLiteral("Erro!"), falta);
            campo->setFocus();
            return;
        }
    PedidoPreparacao pedido;
    pedido.dirSistema = ajustes_.DirSistema;
    pedido.original = Caminho(Original->text());
    pedido.de = AnoDe->value();
    pedido.ate = AnoAte->value();
    pedido.saida = Caminho(Saida->text());
    pedido.separadorDecimal = ajustes_.regional.separadorDecimal;
    if (const std::string problema = ProblemaDosAnos(pedido.de, pedido.ate, UltimoAnoBrasil(tabela_));
        !problema.empty()) {
        dialogos_.Mensagem(this, QStringLiteral("Erro!"), ParaTela(problema));
        return;
    }
    if (PreparacaoSobreEntrada(pedido)) {
        dialogos_.Mensagem(this, QStringLiteral("Erro!"),
                           QStringLiteral("Você especificou o mesmo nome mais de uma vez."));
        return;
    }
    dialogos_.CursorEspera();
    try {
        const Preparacao preparacao = PreparaBaseBrasil(pedido, tabela_);
        dialogos_.CursorNormal();
        std::string texto = ResumoPreparacao(pedido, preparacao);
        for (const ProblemaConferencia& problema : preparacao.conferencia.problemas)
            texto += problema.texto + "\n";
        for (const Aviso& aviso : preparacao.avisosLeitura)
            texto += ::Avisos::TextoDoAviso(aviso) + "\n";
        for (const AvisoPreparacao& aviso : preparacao.avisos)
            texto += TextoAviso(aviso) + "\n";
        Avisos->setPlainText(ParaTela(texto));
        gravada_(pedido.saida);
    } catch (const std::exception& falha) {
        dialogos_.CursorNormal();
        MostraErroGeral(dialogos_, this, falha);
    }
}
