#include "ListaPastas.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>

namespace {
constexpr int papelCaminho = Qt::UserRole;

// Cada nível da árvore entra dois espaços.
QString Recuo(int nivel) {
    return QString(2 * nivel, QLatin1Char(' '));
}
} // namespace

ListaPastas::ListaPastas(QWidget* pai) : QListWidget(pai) {
    connect(this, &QListWidget::itemActivated, this, &ListaPastas::Abre);
}

bool ListaPastas::DefinePasta(const QString& pasta) {
    const QFileInfo info(pasta);
    if (!info.isDir() || !info.isReadable())
        return false;
    pasta_ = QDir::cleanPath(info.absoluteFilePath());
    clear();
    const QString raiz = QDir::cleanPath(QStorageInfo(pasta_).rootPath());
    QStringList ancestrais;
    for (QDir dir(pasta_);; dir.cdUp()) {
        ancestrais.prepend(dir.absolutePath());
        if (dir.absolutePath() == raiz || dir.isRoot())
            break;
    }
    const QIcon aberta = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon fechada = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int nivel = 0;
    for (const QString& caminho : ancestrais) {
        const QString nome = nivel == 0 ? caminho : QFileInfo(caminho).fileName();
        auto* item = new QListWidgetItem(aberta, Recuo(nivel) + nome, this);
        item->setData(papelCaminho, caminho);
        ++nivel;
    }
    setCurrentRow(count() - 1);
    const auto subpastas = QDir(pasta_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& sub : subpastas) {
        auto* item = new QListWidgetItem(fechada, Recuo(nivel) + sub.fileName(), this);
        item->setData(papelCaminho, sub.absoluteFilePath());
    }
    return true;
}

bool ListaPastas::DefineUnidade(const QString& raiz) {
    if (QDir::cleanPath(QStorageInfo(pasta_).rootPath()) == QDir::cleanPath(raiz))
        return true;
    return DefinePasta(raiz);
}

void ListaPastas::Abre(QListWidgetItem* item) {
    if (DefinePasta(item->data(papelCaminho).toString()))
        emit PastaMudou();
}
