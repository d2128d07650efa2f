// TTrad: o menu "&Serviços" e o menu "&Ajuda".
#include "Ajuda.h"
#include "Atalho.h"
#include "DialogoPreparacao.h"
#include "DialogoVolta.h"
#include "ErroGeral.h"
#include "EstadoFixo.h"
#include "FixaCfg.h"
#include "Trad_.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>

namespace {

QAction* Item(QMenu* menu, const QString& nome, const QString& texto) {
    QAction* item = menu->addAction(texto);
    item->setObjectName(nome);
    return item;
}

QMenu* Submenu(QMenu* menu, const QString& nome, const QString& texto) {
    QMenu* sub = menu->addMenu(texto);
    sub->setObjectName(nome);
    sub->menuAction()->setObjectName(nome);
    return sub;
}

} // namespace

void TTrad::MontaMenus() {
    QMenu* servicos = menuBar()->addMenu(QStringLiteral("&Serviços"));
    servicos->setObjectName(QStringLiteral("Servios1"));
    FixarBT = Item(servicos, QStringLiteral("FixarBT"), QStringLiteral("Fixar base de transformação"));
    FixarBT->setEnabled(false);
    QMenu* extras = Submenu(servicos, QStringLiteral("BasesExtras"), QStringLiteral("Base extras"));
    QMenu* municipios = Submenu(extras, QStringLiteral("Municpios1"), QStringLiteral("Municípios"));
    QAction* definir1 = Item(municipios, QStringLiteral("Definir1"), QStringLiteral("Definir"));
    MontaMenuDasDivisoes(municipios, BaseExtra::Municipios);
    municipios->addSeparator();
    base1 = Item(municipios, QStringLiteral("base1"), QStringLiteral("<vazio>"));
    QMenu* ufs = Submenu(extras, QStringLiteral("UFs1"), QStringLiteral("UFs"));
    QAction* definir2 = Item(ufs, QStringLiteral("Definir2"), QStringLiteral("Definir"));
    MontaMenuDasDivisoes(ufs, BaseExtra::Ufs);
    ufs->addSeparator();
    base2 = Item(ufs, QStringLiteral("base2"), QStringLiteral("<vazio>"));
    base1->setEnabled(false);
    base2->setEnabled(false);
    QAction* preparaBrasil =
        Item(servicos, QStringLiteral("PreparaBrasil"), QStringLiteral("Preparar base de tradução do Brasil..."));
    QAction* voltaBrasil =
        Item(servicos, QStringLiteral("VoltaBrasil"), QStringLiteral("Voltar a uma divisão anterior..."));
    QAction* areasBrasil = Item(servicos, QStringLiteral("AreasBrasil"), QStringLiteral("Áreas comparáveis..."));
    IgnoraEx = Item(servicos, QStringLiteral("IgnoraEx"), QStringLiteral("Ignorar exceções"));
    IgnoraEx->setCheckable(true);
    IgnoraEx->setChecked(true);
    servicos->addSeparator();
    QAction* sair = Item(servicos, QStringLiteral("Sair1"), QStringLiteral("Sair"));
    sair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    sair->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("&Ajuda"));
    ajuda->setObjectName(QStringLiteral("Ajuda1"));
    QAction* morvisan = Item(ajuda, QStringLiteral("Morvisan1"), QStringLiteral("Morvisan"));
    ajuda->addSeparator();
    QAction* sobre = Item(ajuda, QStringLiteral("Sobre1"), QStringLiteral("Sobre o sistema"));
    ajuda->addSeparator();
    QAction* atalho = Item(ajuda, QStringLiteral("mi_aju_atalho"), QStringLiteral("Criar atalho na área de trabalho"));

    connect(FixarBT, &QAction::triggered, this, &TTrad::FixarBTClick);
    connect(definir1, &QAction::triggered, this, &TTrad::Definir1Click);
    connect(definir2, &QAction::triggered, this, &TTrad::Definir2Click);
    connect(preparaBrasil, &QAction::triggered, this, &TTrad::PreparaBrasilClick);
    connect(voltaBrasil, &QAction::triggered, this, [this] { AbreCaixaBrasil<DialogoVolta>(); });
    connect(areasBrasil, &QAction::triggered, this, [this] { AbreCaixaBrasil<DialogoAreas>(); });
    connect(IgnoraEx, &QAction::triggered, this, &TTrad::IgnoraExClick);
    connect(sair, &QAction::triggered, this, &TTrad::Sair1Click);
    connect(morvisan, &QAction::triggered, this, &TTrad::Morvisan1Click);
    connect(sobre, &QAction::triggered, this, &TTrad::Sobre1Click);
    connect(atalho, &QAction::triggered, this, &TTrad::mi_aju_atalhoClick);
}

void TTrad::FixarBTClick() {
    ComCaixaDeErro(dialogos_, this, [this] { GravaFixa(ajustes_.DirUsuario, ajustes_.Arquivos[1]); });
}

// A tabela é lida antes de a caixa abrir: sem ela não há o que preparar.
void TTrad::PreparaBrasilClick() {
    ComCaixaDeErro(dialogos_, this, [this] {
        const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(ajustes_.DirSistema));
        const std::string original = BO->text() == QStringLiteral("OK") ? ajustes_.Arquivos[0] : std::string();
        DialogoPreparacao dialogo(
            tabela, ajustes_, original, dialogos_, [this](const std::string& saida) { SelecionaTraducao(saida); },
            this);
        dialogo.exec();
    });
}

// Como a preparação: a tabela é lida antes; a base do passo 1 vem escolhida.
template <typename Caixa>
void TTrad::AbreCaixaBrasil() {
    ComCaixaDeErro(dialogos_, this, [this] {
        const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(ajustes_.DirSistema));
        const std::string original = BO->text() == QStringLiteral("OK") ? ajustes_.Arquivos[0] : std::string();
        Caixa caixa(tabela, ajustes_, original, dialogos_, this);
        caixa.exec();
    });
}

void TTrad::SelecionaTraducao(const std::string& caminho) {
    ajustes_.Arquivos[1] = caminho;
    BT->setText(QStringLiteral("OK"));
    FixarBT->setEnabled(true);
    MostraDicas();
    // O arquivo novo aparece na lista (e marcado, no passo 2, se ela mostra a pasta dele).
    AtualizaListas();
    MarcaArquivoDoPasso();
}

// A marca já foi trocada pelo próprio item; os ajustes acompanham.
void TTrad::IgnoraExClick() {
    ajustes_.IgnoraEx = IgnoraEx->isChecked();
}

void TTrad::Sair1Click() {
    QCoreApplication::quit();
}

void TTrad::FecharClick() {
    Sair1Click();
}

// O botão de fechar da moldura (e o Alt+F4) é "Sair", não esconder a janela e deixar o programa
// rodando sem ela.
void TTrad::closeEvent(QCloseEvent* evento) {
    evento->accept();
    Sair1Click();
}

// Minimizada ela fica na barra de tarefas; maximizada ou em tela cheia, o formulário fixo ficaria num canto.
void TTrad::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    DesfazEstadoRecusado(this, evento, Qt::WindowMaximized | Qt::WindowFullScreen);
}

void TTrad::Sobre1Click() {
    if (sobre_ != nullptr)
        sobre_->exec();
}

void TTrad::Morvisan1Click() {
    ComCaixaDeErro(dialogos_, this, [this] { AbreAjuda(ajustes_.DirSistema, "Principal", this); });
}

void TTrad::mi_aju_atalhoClick() {
    ComCaixaDeErro(dialogos_, this, [this] {
        const std::string alvo = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
        // Instalado, o programa abre na pasta pessoal: a do programa é só leitura e a de dados, escondida,
        // não é lugar para os resultados.
        const std::string pasta = ajustes_.DirUsuario == ajustes_.DirSistema
                                      ? ajustes_.DirSistema
                                      : QFile::encodeName(QDir::homePath()).toStdString() + "/";
        CriaAtalho(alvo, "", pasta, "Olum (Morvisan)", "Desktop", ajustes_.DirSistema + "morvisan.svg", dialogos_,
                   this);
    });
}
