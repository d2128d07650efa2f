#include "SistemaTeste.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

SistemaTeste::SistemaTeste(const std::function<void(SistemaTeste&)>& preparo) {
    QDir().mkpath(Caminho(QStringLiteral("sistema/Bases0")));
    const QDir modelos(QStringLiteral(MORVISAN_DIR_SISTEMA "Bases0"));
    for (const QString& modelo : modelos.entryList(QDir::Files))
        QFile::copy(modelos.filePath(modelo), Caminho(QStringLiteral("sistema/Bases0/") + modelo));
    if (preparo)
        preparo(*this);
    CriaJanelas();
}

QString SistemaTeste::Caminho(const QString& relativo) const {
    return pasta_.path() + u'/' + relativo;
}

std::string SistemaTeste::DirSistema() const {
    return QFile::encodeName(Caminho(QStringLiteral("sistema/"))).toStdString();
}

std::string SistemaTeste::DirUsuario() const {
    return QFile::encodeName(Caminho(pastaUsuario)).toStdString();
}

void SistemaTeste::Escreve(const QString& relativo, const std::string& bytes) const {
    const QString caminho = Caminho(relativo);
    QDir().mkpath(QFileInfo(caminho).path());
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("não grava %s", qPrintable(caminho));
    arquivo.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string SistemaTeste::Le(const QString& relativo) const {
    QFile arquivo(Caminho(relativo));
    if (!arquivo.open(QIODevice::ReadOnly))
        return "<não existe>";
    return arquivo.readAll().toStdString();
}

void SistemaTeste::CopiaDado(const QString& nome, const QString& relativo) const {
    QFile origem(QStringLiteral(MORVISAN_DADOS_TESTE "/janelas/") + nome);
    if (!origem.open(QIODevice::ReadOnly))
        qFatal("falta o dado de teste %s", qPrintable(nome));
    Escreve(relativo, origem.readAll().toStdString());
}

void SistemaTeste::CriaJanelas() {
    programa_.reset();
    QDir().mkpath(Caminho(QStringLiteral("dados")));
    QDir::setCurrent(Caminho(QStringLiteral("dados")));
    programa_ = std::make_unique<Programa>(Pastas{DirSistema(), DirUsuario()}, dialogos);
}

void QuandoPronto(const std::function<bool()>& pronto, const std::function<void()>& acao, int limiteMs) {
    auto* relogio = new QTimer;
    auto* decorrido = new QElapsedTimer;
    decorrido->start();
    QObject::connect(relogio, &QTimer::timeout, [=] {
        if (!pronto() && decorrido->elapsed() < limiteMs)
            return;
        relogio->stop();
        relogio->deleteLater();
        delete decorrido;
        acao();
    });
    relogio->start(5);
}

void ClicaItem(QListWidget* lista, const QString& texto) {
    const auto itens = lista->findItems(texto, Qt::MatchExactly);
    if (itens.isEmpty())
        qFatal("item %s não está na lista", qPrintable(texto));
    lista->scrollToItem(itens.first());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(itens.first()).center());
}

// keyClicks aborta com caracteres fora do ASCII; sendKeyEvent leva o texto do jeito que vier.
void Digita(QWidget* controle, const QString& texto) {
    for (const QChar caractere : texto) {
        const QString um(caractere);
        const int tecla = caractere.unicode() < 256 ? caractere.toUpper().unicode() : 0;
        QTest::sendKeyEvent(QTest::Click, controle, Qt::Key(tecla), um, Qt::NoModifier);
    }
}
