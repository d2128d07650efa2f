// TTrad: os três passos do assistente, as listas de unidade, pasta e arquivo e a partida da rodada.
#include "AreaTrabalho.h"
#include "Arquivos.h"
#include "ListaArquivos.h"
#include "ListaPastas.h"
#include "Relatorio.h"
#include "SeletorUnidade.h"
#include "Tela.h"
#include "Trad_.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString titulos[3] = {
    QStringLiteral("Informe a base a ser traduzida"),
    QStringLiteral("Informe a base que informa as mudanças."),
    QStringLiteral("Informe a base resultante do processo."),
};

// Caminhos vão como os bytes do sistema de arquivos.
std::string Caminho(const QString& caminho) {
    return QFile::encodeName(caminho).toStdString();
}

} // namespace

void TTrad::MostraPasso(int passo) {
    Passo_ = passo;
    Titulo->setText(titulos[passo - 1]);
    NovoArq();
    MarcaArquivoDoPasso();
}

void TTrad::MarcaArquivoDoPasso() {
    QString nome;
    if (Passo_ < 3) {
        const QFileInfo escolhido(QFile::decodeName(QByteArray::fromStdString(ajustes_.Arquivos[Passo_ - 1])));
        if (escolhido.absolutePath() == QDir(Arquivo->Pasta()).absolutePath())
            nome = escolhido.fileName();
    }
    Arquivo->Marca(nome);
}

void TTrad::NovoArq() {
    const bool passo3 = Passo_ == 3;
    NA->setVisible(passo3);
    NovoArquivo->setVisible(passo3);
    ate8->setVisible(passo3);
}

void TTrad::AnteriorClick() {
    MostraPasso(Passo_ > 1 ? Passo_ - 1 : 1);
}

void TTrad::ProximoClick() {
    if (Passo_ < 3) {
        MostraPasso(Passo_ + 1);
        return;
    }
    const QString ok = QStringLiteral("OK");
    if (BO->text() != ok || BT->text() != ok || BC->text() != ok) {
        dialogos_.Bipe();
        return;
    }
    const auto& arquivos = ajustes_.Arquivos;
    // Além dos nomes repetidos, a rodada não pode gravar por cima de uma das bases que lê.
    if (arquivos[0] == arquivos[1] || arquivos[0] == arquivos[2] || arquivos[1] == arquivos[2] ||
        AreaTrabalho::SaidaSobreEntrada(Caminho(Pasta->Pasta()), Caminho(NovoArquivo->text()), arquivos[0],
                                        arquivos[1])) {
        dialogos_.Mensagem(this, QStringLiteral("Erro!"),
                           QStringLiteral("Você especificou o mesmo nome mais de uma vez."));
        return;
    }
    if (!LinhasValidas() || !ConfirmaRodada())
        return;
    ajustes_.Pasta = Caminho(Pasta->Pasta());
    ajustes_.NovoArquivo = Caminho(NovoArquivo->text());
    ajustes_.IgnoraEx = IgnoraEx->isChecked();
    if (proc_ != nullptr)
        proc_->exec();
    // A rodada gravou o resultado, comp.CSV e o log na pasta que a lista mostra.
    AtualizaListas();
}

bool TTrad::LinhasValidas() {
    try {
        RegistrosPorPagina(ajustes_.Linhas);
        return true;
    } catch (const std::exception& falha) {
        dialogos_.Mensagem(this, QStringLiteral("Erro!"), ParaCaixa(falha.what()));
        Linhas->setFocus();
        Linhas->selectAll();
        return false;
    }
}

// O resultado troca um arquivo de mesmo nome em qualquer caixa ("res.csv" também).
bool TTrad::ConfirmaRodada() {
    const QString resultado = NovoArquivo->text().trimmed() + QStringLiteral(".CSV");
    const QStringList existentes = QDir(Pasta->Pasta()).entryList({resultado}, QDir::Files);
    QString pergunta = QStringLiteral("Continuar com a tradução?");
    if (!existentes.isEmpty())
        pergunta = QStringLiteral("O arquivo \"%1\" já existe nesta pasta e será substituído pelo resultado.\n\n")
                       .arg(existentes.first()) +
                   pergunta;
    return dialogos_.Pergunta(this, QStringLiteral("Morvisan"), pergunta);
}

void TTrad::ArquivoClick() {
    const QString nome = Arquivo->Selecionado();
    if (Passo_ == 3) {
        const QString semExtensao = nome.left(nome.indexOf(QLatin1Char('.'))).left(8);
        NovoArquivo->setText(semExtensao);
        ajustes_.Arquivos[2] = Caminho(semExtensao);
    } else {
        ajustes_.Arquivos[Passo_ - 1] = nome.isEmpty() ? std::string() : Caminho(Arquivo->Pasta() + u'/' + nome);
        if (Passo_ == 1) {
            BO->setText(QStringLiteral("OK"));
        } else {
            BT->setText(QStringLiteral("OK"));
            FixarBT->setEnabled(true);
        }
    }
    MostraDicas();
}

// Uma unidade que não se deixa ler volta, sem aviso, para a da lista de pastas.
void TTrad::UnidadeChange() {
    if (!Pasta->DefineUnidade(Unidade->Unidade()))
        Unidade->DefineUnidade(Pasta->Pasta());
    Arquivo->DefinePasta(Pasta->Pasta());
    NovoArquivoChange();
}

// A dica de BC mostra a pasta em que o resultado vai ser gravado, então segue a pasta também.
void TTrad::PastaChange() {
    Arquivo->DefinePasta(Pasta->Pasta());
    Unidade->DefineUnidade(Pasta->Pasta());
    NovoArquivoChange();
}

void TTrad::AtualizaListas() {
    Unidade->ReleVolumes();
    const QString antes = Pasta->Pasta();
    Pasta->Atualiza();
    if (Pasta->Pasta() != antes)
        PastaChange();
    else
        Unidade->DefineUnidade(Pasta->Pasta());
    Arquivo->Atualiza();
}

void TTrad::TipoChange() {
    if (Tipo->currentIndex() < 0)
        Tipo->setCurrentIndex(Tipo->count() - 1);
    Arquivo->DefineMascara(Tipo->currentData().toString());
}
