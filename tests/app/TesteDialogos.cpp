// Os diálogos de verdade: a pasta em que o diálogo de abrir começa.
#include "DialogosReais.h"
#include "SistemaTeste.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TesteDialogos : public QObject {
    Q_OBJECT
private slots:
    void abrirComecaNaUltimaPasta();
};

// O diálogo de abrir começa na pasta corrente e depois na do último arquivo escolhido; cancelar não
// muda a pasta lembrada.
void TesteDialogos::abrirComecaNaUltimaPasta() {
    QTemporaryDir pasta;
    QVERIFY(QDir().mkpath(pasta.filePath(QStringLiteral("bases"))));
    const QString arquivo = QDir(pasta.filePath(QStringLiteral("bases"))).absoluteFilePath(QStringLiteral("m.csv"));
    QFile(arquivo).open(QIODevice::WriteOnly);
    QDir::setCurrent(pasta.path());
    DialogosReais dialogos;
    QStringList inicios;
    const auto abre = [&](const QString& escolhe) {
        QuandoPronto([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
                     [&inicios, escolhe] {
                         auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                         inicios << dialogo->directory().absolutePath();
                         if (escolhe.isEmpty())
                             return dialogo->reject();
                         // Como o usuário: o nome na caixa do arquivo e Enter.
                         auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                         nome->setText(escolhe);
                         QTest::keyClick(nome, Qt::Key_Return);
                     });
        return dialogos.AbreArquivo(nullptr, QStringLiteral("CSV (*.csv)"));
    };
    QCOMPARE(abre(arquivo), arquivo);
    QCOMPARE(abre(QString()), QString());
    QCOMPARE(abre(QString()), QString());
    const QString bases = QFileInfo(arquivo).absolutePath();
    QCOMPARE(inicios, QStringList({QDir(pasta.path()).absolutePath(), bases, bases}));
}

QTEST_MAIN(TesteDialogos)
#include "TesteDialogos.moc"
