// Uma tela de mais pontos por polegada (o "texto grande" do sistema) aumenta a fonte em pixels: as
// janelas de posições fixas crescem junto e nenhum rótulo ou botão sai cortado.
#include "SistemaTeste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

// Rótulos e botões cujo texto não cabe no controle, pelo nome ou pelo texto.
QStringList Cortados(const QWidget* janela) {
    QStringList cortados;
    for (const QLabel* rotulo : janela->findChildren<QLabel*>()) {
        if (rotulo->text().isEmpty() || rotulo->wordWrap())
            continue;
        const QSize dica = rotulo->sizeHint();
        if (dica.width() > rotulo->width() || dica.height() > rotulo->height())
            cortados << rotulo->text();
    }
    for (const QAbstractButton* botao : janela->findChildren<QAbstractButton*>()) {
        QString texto = botao->text();
        texto.remove(u'&');
        if (!texto.isEmpty() && botao->fontMetrics().horizontalAdvance(texto) > botao->width())
            cortados << texto;
    }
    return cortados;
}

} // namespace

class TesteFonteGrande : public QObject {
    Q_OBJECT
private slots:
    void nadaCortado_data();
    void nadaCortado();
};

void TesteFonteGrande::nadaCortado_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QSize>("desenho");
    QTest::newRow("principal") << QStringLiteral("principal") << QSize(324, 331);
    QTest::newRow("processamento") << QStringLiteral("processamento") << QSize(313, 343);
    QTest::newRow("sobre") << QStringLiteral("sobre") << QSize(372, 289);
}

void TesteFonteGrande::nadaCortado() {
    QFETCH(QString, janela);
    QFETCH(QSize, desenho);
    SistemaTeste s;
    QWidget* qual = janela == QStringLiteral("principal")       ? s.Trad().centralWidget()
                    : janela == QStringLiteral("processamento") ? static_cast<QWidget*>(&s.Proc())
                                                                : s.Trad().findChild<TSobre*>();
    QVERIFY(qual != nullptr);
    qual->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(qual->window()));
    QCOMPARE(Cortados(qual), QStringList());
    QVERIFY2(qual->width() >= desenho.width() && qual->height() > desenho.height(),
             qPrintable(QStringLiteral("%1x%2").arg(qual->width()).arg(qual->height())));
    qual->window()->hide();
}

// Uma tela de 144 pontos por polegada lógicos (uma vez e meia os 96 comuns), sem a escala do Qt:
// só a fonte cresce em pixels. Vale antes de a aplicação existir.
int main(int argc, char* argv[]) {
    QTemporaryDir pasta;
    QFile configuracao(pasta.filePath(QStringLiteral("tela.json")));
    if (!configuracao.open(QIODevice::WriteOnly))
        return 1;
    configuracao.write(R"({"screens": [{"name": "grande", "x": 0, "y": 0, "width": 1920, "height": 1080,
                           "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})");
    configuracao.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(configuracao.fileName()));
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication aplicacao(argc, argv);
    TesteFonteGrande teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "TesteFonteGrande.moc"
