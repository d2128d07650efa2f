// O visualizador da ajuda: o arquivo que vai com o programa, o tópico "Principal" e as faltas.
#include "Ajuda.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWidget>

namespace {

QStringList Ancoras(const QTextDocument& documento) {
    QStringList nomes;
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next())
        for (auto trecho = bloco.begin(); !trecho.atEnd(); ++trecho)
            nomes << trecho.fragment().charFormat().anchorNames();
    return nomes;
}

} // namespace

class TesteAjuda : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> dona;

    QTextBrowser* Texto() const { return dona->findChild<QTextBrowser*>(QStringLiteral("TextoAjuda")); }
    QLabel* Aviso() const { return dona->findChild<QLabel*>(QStringLiteral("AvisoAjuda")); }

private slots:
    void init() { dona = std::make_unique<QWidget>(); }
    void cleanup() { dona.reset(); }

    void AbreOArquivoDoProgramaNoPrincipal() {
        AbreAjuda(MORVISAN_DIR_SISTEMA, "Principal", dona.get());
        QTextBrowser* texto = Texto();
        QVERIFY(texto != nullptr);
        QVERIFY(texto->window()->isVisible());
        QVERIFY(texto->source().toLocalFile().endsWith(QStringLiteral("/morvisan.hlp")));
        QVERIFY(!Aviso()->isVisible());
        // O sumário vem antes; a janela abre já rolada até o tópico.
        QVERIFY(texto->toPlainText().startsWith(QStringLiteral("Ajuda do Módulo Morvisan 1.1")));
        QTRY_VERIFY(texto->verticalScrollBar()->value() > 0);
        QCOMPARE(texto->cursorForPosition(QPoint(4, 4)).block().text(), QStringLiteral("O que o Morvisan faz"));
    }

    // Todo link interno da ajuda leva a um tópico que existe.
    void LinksDoSumarioTemDestino() {
        QFile arquivo(QStringLiteral(MORVISAN_DIR_SISTEMA "morvisan.hlp"));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(arquivo.readAll());
        AbreAjuda(MORVISAN_DIR_SISTEMA, "Principal", dona.get());
        const QStringList ancoras = Ancoras(*Texto()->document());
        const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (const QRegularExpressionMatch& achado : link.globalMatch(html)) {
            ++links;
            QVERIFY2(ancoras.contains(achado.captured(1)), qPrintable(achado.captured(1)));
        }
        QVERIFY(links >= 10);
    }

    void PedirDeNovoReaproveitaAJanela() {
        AbreAjuda(MORVISAN_DIR_SISTEMA, "Principal", dona.get());
        AbreAjuda(MORVISAN_DIR_SISTEMA, "Impressao", dona.get());
        QCOMPARE(dona->findChildren<QTextBrowser*>().size(), 1);
        QVERIFY(!Aviso()->isVisible());
    }

    void ArquivoQueFaltaMostraAMensagemDoVisualizador() {
        QTemporaryDir vazia;
        AbreAjuda(vazia.path().toStdString() + "/", "Principal", dona.get());
        QVERIFY2(Texto()->toPlainText().contains(QStringLiteral("Arquivo de ajuda não encontrado")),
                 qPrintable(Texto()->toPlainText()));
        QVERIFY(Texto()->toPlainText().contains(vazia.path()));
    }

    void TopicoQueFaltaMostraOAviso() {
        AbreAjuda(MORVISAN_DIR_SISTEMA, "Inexistente", dona.get());
        QVERIFY(Aviso()->isVisible());
        QCOMPARE(Aviso()->text(), QStringLiteral("Tópico \"Inexistente\" não encontrado no arquivo de ajuda."));
        QVERIFY(Texto()->toPlainText().startsWith(QStringLiteral("Ajuda do Módulo")));
    }

    void NomeDoArquivoValeEmQualquerCaixaENosDocumentos_data() {
        QTest::addColumn<QString>("arquivo");
        QTest::addRow("caixa alta") << QStringLiteral("share/morvisan/MORVISAN.HLP");
        QTest::addRow("entre os documentos") << QStringLiteral("share/doc/morvisan/morvisan.hlp");
    }

    void NomeDoArquivoValeEmQualquerCaixaENosDocumentos() {
        QFETCH(QString, arquivo);
        QTemporaryDir pasta;
        QVERIFY(QDir(pasta.path()).mkpath(QStringLiteral("share/morvisan")));
        QVERIFY(QDir(pasta.path()).mkpath(QFileInfo(arquivo).path()));
        QVERIFY(QFile::copy(QStringLiteral(MORVISAN_DIR_SISTEMA "morvisan.hlp"), pasta.filePath(arquivo)));
        AbreAjuda(pasta.path().toStdString() + "/share/morvisan/", "Principal", dona.get());
        QVERIFY(!Aviso()->isVisible());
        QVERIFY(Texto()->toPlainText().contains(QStringLiteral("O que o Morvisan faz")));
    }
};

QTEST_MAIN(TesteAjuda)
#include "TesteAjuda.moc"
