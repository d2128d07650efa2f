// Os diálogos de verdade: a largura das caixas curtas e a pasta em que o diálogo de abrir começa.
#include "DialogosReais.h"
#include "SistemaTeste.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Espera a caixa modal aparecer, guarda-a em vista e a fecha (aceita ou não).
template <typename Caixa>
void QuandoAbrir(const std::function<void(Caixa*)>& olha) {
    QuandoPronto([] { return qobject_cast<Caixa*>(QApplication::activeModalWidget()) != nullptr; },
                 [olha] {
                     auto* caixa = qobject_cast<Caixa*>(QApplication::activeModalWidget());
                     if (caixa != nullptr)
                         olha(caixa);
                 });
}

} // namespace

class TesteDialogos : public QObject {
    Q_OBJECT
private slots:
    void caixaCurtaMostraOTituloInteiro_data();
    void caixaCurtaMostraOTituloInteiro();
    void abrirComecaNaUltimaPasta();
};

void TesteDialogos::caixaCurtaMostraOTituloInteiro_data() {
    QTest::addColumn<int>("caixa");
    QTest::addColumn<QString>("titulo");
    QTest::newRow("Erro!") << 0 << QStringLiteral("Erro!");
    QTest::newRow("Morvisan") << 0 << QStringLiteral("Morvisan");
    QTest::newRow("caixa geral de erro") << 1 << QStringLiteral("Módulo Morvisan 1.1");
    QTest::newRow("pergunta") << 2 << QStringLiteral("Morvisan");
    QTest::newRow("aviso") << 3 << QStringLiteral("Aviso");
}

// A caixa de texto curto é larga o bastante para o título, o ícone e os botões da moldura.
void TesteDialogos::caixaCurtaMostraOTituloInteiro() {
    QFETCH(int, caixa);
    QFETCH(QString, titulo);
    DialogosReais dialogos;
    QFont fonte = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    fonte.setBold(true);
    const int minimo = QFontMetrics(fonte).horizontalAdvance(titulo) + 100;
    int largura = 0;
    QString visto;
    QuandoAbrir<QMessageBox>([&](QMessageBox* aberta) {
        largura = aberta->width();
        visto = aberta->windowTitle();
        aberta->buttons().first()->click();
    });
    switch (caixa) {
    case 0:
        dialogos.Mensagem(nullptr, titulo, QStringLiteral("Falha ao copiar."));
        break;
    case 1:
        dialogos.Erro(nullptr, QStringLiteral("Division."));
        break;
    case 2:
        dialogos.Pergunta(nullptr, titulo, QStringLiteral("Continuar?"));
        break;
    default:
        dialogos.Aviso(nullptr, titulo, QStringLiteral("Problema."));
    }
    QCOMPARE(visto, titulo);
    QVERIFY2(largura >= minimo, qPrintable(QStringLiteral("%1 < %2").arg(largura).arg(minimo)));
}

// O diálogo de abrir começa na pasta corrente e depois na do último arquivo escolhido; cancelar não
// muda a pasta lembrada.
void TesteDialogos::abrirComecaNaUltimaPasta() {
    QTemporaryDir pasta;
    QVERIFY(QDir().mkpath(pasta.filePath(QStringLiteral("bases"))));
    QFile arquivo(pasta.filePath(QStringLiteral("bases/municipios.csv")));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.close();
    QDir::setCurrent(pasta.path());
    DialogosReais dialogos;
    QStringList inicios;
    const auto abre = [&](const QString& escolhe) {
        QuandoAbrir<QFileDialog>([&inicios, escolhe](QFileDialog* dialogo) {
            inicios << QDir(dialogo->directory()).absolutePath();
            if (escolhe.isEmpty()) {
                dialogo->reject();
                return;
            }
            // Como o usuário: o nome na caixa do arquivo e Enter.
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            nome->setText(escolhe);
            QTest::keyClick(nome, Qt::Key_Return);
        });
        return dialogos.AbreArquivo(nullptr, QStringLiteral("CSV (*.csv)"));
    };
    QCOMPARE(abre(pasta.filePath(QStringLiteral("bases/municipios.csv"))),
             pasta.filePath(QStringLiteral("bases/municipios.csv")));
    QCOMPARE(abre(QString()), QString());
    QCOMPARE(abre(QString()), QString());
    const QString bases = QDir(pasta.filePath(QStringLiteral("bases"))).absolutePath();
    QCOMPARE(inicios, QStringList({QDir(pasta.path()).absolutePath(), bases, bases}));
}

QTEST_MAIN(TesteDialogos)
#include "TesteDialogos.moc"
