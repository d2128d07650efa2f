#include "ListaArquivos.h"

#include <QDir>
#include <QSignalBlocker>

ListaArquivos::ListaArquivos(QWidget* pai) : QListWidget(pai) {
    connect(this, &QListWidget::itemClicked, this, &ListaArquivos::AvisaEscolha);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListaArquivos::AvisaEscolha);
}

// Só uma seleção de verdade conta: o foco pode pôr um item corrente sem selecioná-lo.
void ListaArquivos::AvisaEscolha() {
    if (!Selecionado().isEmpty())
        emit Escolhido();
}

void ListaArquivos::DefinePasta(const QString& pasta) {
    pasta_ = pasta;
    Relista();
}

void ListaArquivos::Atualiza() {
    const QString escolhido = Selecionado();
    Relista();
    // A escolha continua marcada, sem avisar de novo: nada foi escolhido agora.
    Marca(escolhido);
}

void ListaArquivos::Marca(const QString& nome) {
    const QSignalBlocker bloqueio(this);
    const auto itens = findItems(nome, Qt::MatchExactly);
    if (!nome.isEmpty() && !itens.isEmpty()) {
        setCurrentItem(itens.first());
        scrollToItem(itens.first());
    } else {
        clearSelection();
        setCurrentItem(nullptr);
    }
}

void ListaArquivos::DefineMascara(const QString& mascara) {
    mascara_ = mascara;
    Relista();
}

QString ListaArquivos::Selecionado() const {
    const QListWidgetItem* item = currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

void ListaArquivos::Relista() {
    const QSignalBlocker bloqueio(this);
    clear();
    if (pasta_.isEmpty())
        return;
    // Sem QDir::CaseSensitive a máscara vale para "*.csv", "*.CSV" e "*.Csv".
    addItems(QDir(pasta_).entryList({mascara_}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase));
}
