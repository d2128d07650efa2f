#include "TamanhoJanela.h"

#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

QString ArquivoAjustes(const std::string& dirUsuario) {
    return QFile::decodeName(QByteArray::fromStdString(dirUsuario)) + QStringLiteral("Janelas.ini");
}

} // namespace

void RestauraTamanho(QWidget* janela, const std::string& dirUsuario, const QString& nome) {
    const QSettings ajustes(ArquivoAjustes(dirUsuario), QSettings::IniFormat);
    QSize tamanho = ajustes.value(nome + QStringLiteral("/tamanho")).toSize();
    if (!tamanho.isValid())
        tamanho = janela->size();
    tamanho = tamanho.expandedTo(janela->minimumSize());
    if (const QScreen* tela = janela->screen())
        tamanho = tamanho.boundedTo(tela->availableGeometry().size()).expandedTo(janela->minimumSize());
    janela->resize(tamanho);
    const bool maximizada = ajustes.value(nome + QStringLiteral("/maximizada"), false).toBool();
    janela->setWindowState(maximizada ? (janela->windowState() | Qt::WindowMaximized)
                                      : (janela->windowState() & ~Qt::WindowMaximized));
}

void GuardaTamanho(const QWidget* janela, const std::string& dirUsuario, const QString& nome) {
    QSettings ajustes(ArquivoAjustes(dirUsuario), QSettings::IniFormat);
    const bool maximizada = janela->isMaximized();
    if (!maximizada)
        ajustes.setValue(nome + QStringLiteral("/tamanho"), janela->size());
    ajustes.setValue(nome + QStringLiteral("/maximizada"), maximizada);
}
