#include "CaixaBrasil.h"

#include "Ajuda.h"
#include "ErroGeral.h"
#include "PreparacaoBrasil.h"
#include "Tela.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSpinBox>

CaixaBrasil::CaixaBrasil(const QString& nome, const QString& titulo, const std::string& ajuda, const Ajustes& ajustes,
                         Dialogos& dialogos, QWidget* pai)
    : QDialog(pai), ajustes_(ajustes), dialogos_(dialogos), formulario_(new QFormLayout(this)) {
    setObjectName(nome);
    setWindowTitle(titulo);
    auto* atalho = new QShortcut(QKeySequence::HelpContents, this);
    connect(atalho, &QShortcut::activated, this, [this, ajuda] {
        ComCaixaDeErro(dialogos_, this, [this, &ajuda] { AbreAjuda(ajustes_.DirSistema, ajuda, this); });
    });
}

std::string CaixaBrasil::Caminho(const QString& caminho) {
    // Os caminhos vão como os bytes do sistema de arquivos.
    return QFile::encodeName(caminho).toStdString();
}

QLineEdit* CaixaBrasil::Arquivo(const QString& rotulo, const QString& nome, const QString& valor) {
    QLineEdit* campo = Texto(QString(), nome, valor);
    auto* escolhe = new QPushButton(QStringLiteral("..."), this);
    escolhe->setObjectName(QStringLiteral("Escolhe") + nome);
    escolhe->setFixedWidth(escolhe->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    escolhe->setAutoDefault(false);
    auto* linha = new QHBoxLayout;
    linha->addWidget(campo);
    linha->addWidget(escolhe);
    formulario_->addRow(rotulo, linha);
    connect(escolhe, &QPushButton::clicked, this, [this, campo] {
        const QString arquivo = dialogos_.AbreArquivo(this, QStringLiteral("CSV (Texto separado por ;) (*.CSV *.csv)"));
        if (!arquivo.isEmpty())
            campo->setText(arquivo);
    });
    return campo;
}

QLineEdit* CaixaBrasil::Texto(const QString& rotulo, const QString& nome, const QString& valor) {
    auto* campo = new QLineEdit(valor, this);
    campo->setObjectName(nome);
    if (!rotulo.isEmpty())
        formulario_->addRow(rotulo, campo);
    return campo;
}

QLineEdit* CaixaBrasil::NomeResultado(const QString& rotulo, const QString& valor) {
    QLineEdit* campo = Texto(rotulo, QStringLiteral("Nome"), valor);
    campo->setMaxLength(8);
    campo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^/\\\\]*")), campo));
    return campo;
}

std::string CaixaBrasil::LinhasDaBase(const Conferencia& conferencia, const std::vector<Aviso>& leitura) {
    std::string texto;
    for (const ProblemaConferencia& problema : conferencia.problemas)
        texto += problema.texto + "\n";
    for (const Aviso& aviso : leitura)
        texto += Avisos::TextoDoAviso(aviso) + "\n";
    return texto;
}

QSpinBox* CaixaBrasil::Ano(const QString& rotulo, const QString& nome, int ultimo, int valor) {
    auto* ano = new QSpinBox(this);
    ano->setObjectName(nome);
    ano->setRange(PrimeiroAnoBrasil, ultimo);
    ano->setValue(valor);
    formulario_->addRow(rotulo, ano);
    return ano;
}

void CaixaBrasil::Acoes(std::initializer_list<Acao> acoes) {
    auto* linha = new QHBoxLayout;
    bool primeiro = true;
    for (const Acao& acao : acoes) {
        auto* botao = new QPushButton(acao.texto, this);
        botao->setObjectName(acao.nome);
        botao->setDefault(primeiro);
        primeiro = false;
        connect(botao, &QPushButton::clicked, this, acao.faz);
        linha->addWidget(botao);
    }
    formulario_->addRow(linha);
    avisos_ = new QPlainTextEdit(this);
    avisos_->setObjectName(QStringLiteral("Avisos"));
    avisos_->setReadOnly(true);
    avisos_->setMinimumSize(640, 160);
    formulario_->addRow(avisos_);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* fechar = botoes->button(QDialogButtonBox::Close);
    fechar->setObjectName(QStringLiteral("Fechar"));
    fechar->setText(QStringLiteral("&Fechar"));
    fechar->setAutoDefault(false);
    formulario_->addRow(botoes);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool CaixaBrasil::Preenchidos(std::initializer_list<std::pair<QLineEdit*, QString>> campos) {
    for (const auto& [campo, falta] : campos)
        if (campo->text().trimmed().isEmpty()) {
            dialogos_.Mensagem(this, QStringLiteral("Erro!"), falta);
            campo->setFocus();
            return false;
        }
    return true;
}

void CaixaBrasil::Recusa(const std::string& texto) {
    dialogos_.Mensagem(this, QStringLiteral("Erro!"), ParaTela(texto));
}

void CaixaBrasil::Trabalha(const std::function<std::string()>& trabalho) {
    dialogos_.CursorEspera();
    try {
        const std::string texto = trabalho();
        dialogos_.CursorNormal();
        avisos_->setPlainText(ParaTela(texto));
    } catch (const std::exception& falha) {
        dialogos_.CursorNormal();
        MostraErroGeral(dialogos_, this, falha);
    }
}
