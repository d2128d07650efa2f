#include "SeletorUnidade.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

SeletorUnidade::SeletorUnidade(QWidget* pai) : QComboBox(pai) {
    ReleVolumes();
}

void SeletorUnidade::ReleVolumes() {
    const QSignalBlocker bloqueio(this);
    clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            addItem(volume.rootPath(), volume.rootPath());
    if (findData(QDir::rootPath()) < 0)
        insertItem(0, QDir::rootPath(), QDir::rootPath());
}

void SeletorUnidade::DefineUnidade(const QString& caminho) {
    const QSignalBlocker bloqueio(this);
    QString raiz = QStorageInfo(caminho).rootPath();
    if (raiz.isEmpty())
        raiz = QDir::rootPath();
    int indice = findData(raiz);
    if (indice < 0) {
        addItem(raiz, raiz);
        indice = count() - 1;
    }
    setCurrentIndex(indice);
}

QString SeletorUnidade::Unidade() const {
    return currentData().toString();
}
