#include "Trad_.h"

#include "Ajuda.h"
#include "AreaTrabalho.h"
#include "Centro.h"
#include "ErroGeral.h"
#include "Escala.h"
#include "FixaCfg.h"
#include "ListaArquivos.h"
#include "ListaPastas.h"
#include "SeletorUnidade.h"
#include "Tela.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcutEvent>

TTrad::TTrad(const Pastas& pastas, Dialogos& dialogos, QWidget* pai)
    : QMainWindow(pai, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogos_(dialogos) {
    setWindowTitle(QStringLiteral("Morvisan 1.1"));
    MontaControles();
    MontaMenus();
    // Colar pelo teclado ou pelo botão do meio passa pelos filtros; sem menu de contexto nem soltar
    // texto arrastado, que não passariam.
    for (QLineEdit* caixa : {NovoArquivo, Linhas}) {
        caixa->installEventFilter(this);
        caixa->setContextMenuPolicy(Qt::NoContextMenu);
        caixa->setAcceptDrops(false);
        // Um acento composto (tecla morta) chegaria pelo método de entrada, por fora do filtro.
        caixa->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    // Alt+A é de "&Anterior" e de "&Ajuda": o botão ganha (o menu abre com o mouse ou por Alt+S e a seta).
    Anterior->installEventFilter(this);
    menuBar()->installEventFilter(this);
    auto* atualiza = new QAction(this);
    atualiza->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(atualiza);
    connect(atualiza, &QAction::triggered, this, &TTrad::AtualizaListas);
    // Enter é "&Próximo" em toda a janela, também numa caixa de texto ou numa lista.
    auto* proximo = new QAction(this);
    proximo->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    addAction(proximo);
    connect(proximo, &QAction::triggered, this, [this] { Proximo->click(); });
    auto* ajuda = new QAction(this);
    ajuda->setShortcut(QKeySequence::HelpContents);
    addAction(ajuda);
    connect(ajuda, &QAction::triggered, this, [this] {
        ComCaixaDeErro(dialogos_, this, [this] { AbreAjuda(ajustes_.DirSistema, "Assistente", this); });
    });
    connect(Proximo, &QPushButton::clicked, this, &TTrad::ProximoClick);
    connect(Anterior, &QPushButton::clicked, this, &TTrad::AnteriorClick);
    connect(Fechar, &QPushButton::clicked, this, &TTrad::FecharClick);
    connect(Arquivo, &ListaArquivos::Escolhido, this, &TTrad::ArquivoClick);
    connect(Unidade, &QComboBox::activated, this, &TTrad::UnidadeChange);
    connect(Pasta, &ListaPastas::PastaMudou, this, &TTrad::PastaChange);
    connect(Tipo, &QComboBox::currentIndexChanged, this, &TTrad::TipoChange);
    connect(NovoArquivo, &QLineEdit::textChanged, this, &TTrad::NovoArquivoChange);
    connect(Linhas, &QLineEdit::textChanged, this, [this] { ajustes_.Linhas = DaTela(Linhas->text()); });
    Pasta->DefinePasta(QDir::currentPath());
    Unidade->DefineUnidade(Pasta->Pasta());
    PastaChange();
    FormCreate(pastas);
    AjustaAoConteudo(centralWidget());
    // Janela comum (na barra de tarefas e no Alt+Tab), de tamanho fixo: nada a maximizar nem esticar.
    setFixedSize(sizeHint());
    CentraNaTela(this);
}

TTrad::~TTrad() = default;

void TTrad::LigaJanelas(QDialog& proc, QDialog& sobre) {
    proc_ = &proc;
    sobre_ = &sobre;
}

void TTrad::FormCreate(const Pastas& pastas) {
    Passo_ = 1;
    ajustes_.DefinePastas(pastas);
    ajustes_.Arquivos = {"a definir", "a definir", "a definir"};
    // Uma pasta do usuário sem gravação é avisada já, com o motivo; o que já está nela ainda vale.
    ComCaixaDeErro(dialogos_, this, [this] { PreparaPastaGravavel(ajustes_.DirUsuario); });
    AreaTrabalho::LimpaTemporarios(ajustes_.DirUsuario);
    // Uma cópia ou um Fixa.CFG ilegível interrompe só a leitura dos arquivos; a janela fica inteira.
    ComCaixaDeErro(dialogos_, this, [this] {
        MostraBaseExtra(BaseExtra::Municipios, AreaTrabalho::BaseExtraAtiva(ajustes_.DirUsuario, AreaTrabalho::DefMun));
        MostraBaseExtra(BaseExtra::Ufs, AreaTrabalho::BaseExtraAtiva(ajustes_.DirUsuario, AreaTrabalho::DefUf));
        const std::string fixada = LeFixa(ajustes_.DirUsuario);
        if (!fixada.empty()) {
            ajustes_.Arquivos[1] = fixada;
            BT->setText(QStringLiteral("OK"));
        }
    });
    MostraDicas();
    BC->setToolTip(ParaTela(ajustes_.Arquivos[2]));
    TipoChange();
    MostraPasso(1);
}

void TTrad::MostraDicas() {
    BO->setToolTip(ParaTela(ajustes_.Arquivos[0]));
    BT->setToolTip(ParaTela(ajustes_.Arquivos[1]));
}

bool TTrad::eventFilter(QObject* objeto, QEvent* evento) {
    // O Qt entrega um atalho repetido ora a um dono, ora ao outro, e ao botão só como foco.
    if (evento->type() == QEvent::Shortcut && (objeto == Anterior || objeto == menuBar()) &&
        static_cast<QShortcutEvent*>(evento)->key() == QKeySequence(Qt::ALT | Qt::Key_A)) {
        Anterior->animateClick();
        return true;
    }
    if (objeto != NovoArquivo && objeto != Linhas)
        return QMainWindow::eventFilter(objeto, evento);
    auto* caixa = static_cast<QLineEdit*>(objeto);
    // O botão do meio cola a seleção do X.
    if (evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::MiddleButton) {
        Cola(caixa, QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    // Só eventos de tecla daqui em diante: o molde vem depois de conferido o tipo.
    if (evento->type() != QEvent::ShortcutOverride && evento->type() != QEvent::KeyPress)
        return false;
    auto* tecla = static_cast<QKeyEvent*>(evento);
    // Ctrl+X é "Sair" também com o foco numa caixa de texto (lá seria "recortar").
    if (evento->type() == QEvent::ShortcutOverride) {
        if (tecla->keyCombination() != QKeyCombination(Qt::CTRL, Qt::Key_X))
            return false;
        evento->ignore();
        return true;
    }
    if (tecla->matches(QKeySequence::Paste)) {
        Cola(caixa, QGuiApplication::clipboard()->text());
        return true;
    }
    if (tecla->text().isEmpty())
        return false;
    // Alt com uma letra é comando, não digitação: sem atalho, não faz nada (a caixa a digitaria).
    if (tecla->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return true;
    // Ctrl+A, Ctrl+C, Ctrl+Z e os outros atalhos de edição ficam com a caixa: não digitam caractere.
    if (tecla->modifiers() & Qt::ControlModifier)
        return false;
    return objeto == NovoArquivo ? NovoArquivoKeyPress(tecla) : LinhasKeyPress(tecla);
}
