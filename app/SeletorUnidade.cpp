#include "SeletorUnidade.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

bool VolumeTecnico(const QString& raiz, const QByteArray& tipo) {
    static const QList<QByteArray> tipos = {
        "proc",        "sysfs",      "cgroup",     "cgroup2", "devtmpfs",  "devpts",  "mqueue",    "debugfs",
        "tracefs",     "securityfs", "pstore",     "bpf",     "configfs",  "fusectl", "hugetlbfs", "autofs",
        "binfmt_misc", "efivarfs",   "rpc_pipefs", "nsfs",    "selinuxfs", "squashfs"};
    if (tipos.contains(tipo))
        return true;
    const auto dentro = [&raiz](const QString& pasta) { return raiz == pasta || raiz.startsWith(pasta + u'/'); };
    // Em /run ficam os volumes removíveis de algumas distribuições (/run/media/usuário/...).
    if (dentro(QStringLiteral("/run")))
        return !dentro(QStringLiteral("/run/media"));
    for (const QString& pasta : {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
                                 QStringLiteral("/var/run"), QStringLiteral("/var/lock"), QStringLiteral("/snap")})
        if (dentro(pasta))
            return true;
    return false;
}

SeletorUnidade::SeletorUnidade(QWidget* pai) : QComboBox(pai) {
    ReleVolumes();
}

void SeletorUnidade::ReleVolumes() {
    const QSignalBlocker bloqueio(this);
    clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !VolumeTecnico(volume.rootPath(), volume.fileSystemType()))
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
