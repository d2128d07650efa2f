#include "ListaPastas.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {
constexpr int papelCaminho = Qt::UserRole;
constexpr int papelNivel = Qt::UserRole + 1;

// O recuo de cada nível é desenhado, não posto no texto: o item traz só o nome, e digitar o começo do
// nome acha a pasta.
class RecuoDoNivel : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
        QStyleOptionViewItem recuada(opcao);
        recuada.rect.adjust(Recuo(opcao, indice), 0, 0, 0);
        QStyledItemDelegate::paint(pintor, recuada, indice);
    }

    QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
        return QStyledItemDelegate::sizeHint(opcao, indice) + QSize(Recuo(opcao, indice), 0);
    }

private:
    // Dois espaços por nível.
    static int Recuo(const QStyleOptionViewItem& opcao, const QModelIndex& indice) {
        return indice.data(papelNivel).toInt() * 2 * opcao.fontMetrics.horizontalAdvance(QLatin1Char(' '));
    }
};
} // namespace

ListaPastas::ListaPastas(QWidget* pai) : QListWidget(pai) {
    setItemDelegate(new RecuoDoNivel(this));
    connect(this, &QListWidget::itemActivated, this, &ListaPastas::Abre);
}

bool ListaPastas::DefinePasta(const QString& pasta) {
    const QFileInfo info(pasta);
    if (!info.isDir() || !info.isReadable())
        return false;
    pasta_ = QDir::cleanPath(info.absoluteFilePath());
    clear();
    // Desde "/", qualquer que seja o volume: de uma pasta noutro sistema de arquivos montado também se
    // sobe pela lista.
    QStringList ancestrais;
    for (QDir dir(pasta_);; dir.cdUp()) {
        ancestrais.prepend(dir.absolutePath());
        if (dir.isRoot())
            break;
    }
    const QIcon aberta = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon fechada = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int nivel = 0;
    const auto inclui = [this](const QIcon& icone, const QString& nome, const QString& caminho, int nivelItem) {
        auto* item = new QListWidgetItem(icone, nome, this);
        item->setData(papelCaminho, caminho);
        item->setData(papelNivel, nivelItem);
    };
    for (const QString& caminho : ancestrais) {
        inclui(aberta, nivel == 0 ? caminho : QFileInfo(caminho).fileName(), caminho, nivel);
        ++nivel;
    }
    setCurrentRow(count() - 1);
    const auto subpastas = QDir(pasta_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& sub : subpastas)
        inclui(fechada, sub.fileName(), sub.absoluteFilePath(), nivel);
    return true;
}

bool ListaPastas::DefineUnidade(const QString& raiz) {
    if (QDir::cleanPath(QStorageInfo(pasta_).rootPath()) == QDir::cleanPath(raiz))
        return true;
    return DefinePasta(raiz);
}

void ListaPastas::Atualiza() {
    for (QDir dir(pasta_);; dir.cdUp())
        if (DefinePasta(dir.absolutePath()) || dir.isRoot())
            return;
}

void ListaPastas::Abre(QListWidgetItem* item) {
    if (DefinePasta(item->data(papelCaminho).toString()))
        emit PastaMudou();
}

bool ListaPastas::event(QEvent* evento) {
    if (evento->type() == QEvent::ShortcutOverride) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            evento->accept();
            return true;
        }
    }
    return QListWidget::event(evento);
}
