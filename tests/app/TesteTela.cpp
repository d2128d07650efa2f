// Os textos na beira da tela: bytes do sistema para a tela e de volta, e a mensagem da caixa geral.
#include "ErroGeral.h"
#include "Tela.h"
#include "Texto.h"
#include "TraducaoQt.h"

#include <QTest>

class TesteTela : public QObject {
    Q_OBJECT
private slots:
    void paraTela_data();
    void paraTela();
    void daTela();
    void mensagemComPonto_data();
    void mensagemComPonto();
    void dialogosDoQtEmPortugues();
};

void TesteTela::paraTela_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("tela");
    QTest::newRow("ASCII") << QByteArray("Vila Nova") << QStringLiteral("Vila Nova");
    QTest::newRow("UTF-8 de arquivo do Linux") << QByteArray("S\xc3\xa3o Jos\xc3\xa9") << QStringLiteral("São José");
    QTest::newRow("Latin-1 de arquivo do Windows") << QByteArray("S\xe3o Jos\xe9") << QStringLiteral("São José");
    QTest::newRow("faixa própria do Windows-1252")
        << QByteArray("\x80 \x93x\x94 \x96") << QStringLiteral("\u20ac \u201cx\u201d \u2013");
    QTest::newRow("UTF-8 cortado no meio vale como Latin-1") << QByteArray("a\xc3") << QStringLiteral("a\u00c3");
    QTest::newRow("mensagem Latin-1 com caminho UTF-8")
        << QByteArray("N\xe3o foi poss\xedvel abrir o arquivo /home/maria/Proje\xc3\xa7\xc3\xb5"
                      "es/base.csv")
        << QStringLiteral("Não foi possível abrir o arquivo /home/maria/Projeções/base.csv");
    QTest::newRow("UTF-8 de três e quatro bytes")
        << QByteArray("\xe2\x82\xac \xf0\x9f\x98\x80 \xe9") << QStringLiteral("\u20ac \U0001F600 \u00e9");
    QTest::newRow("forma longa e metade de par não são UTF-8")
        << QByteArray("\xc0\xaf \xed\xa0\x80") << QStringLiteral("\u00c0\u00af \u00ed\u00a0\u20ac");
    QTest::newRow("vazio") << QByteArray() << QString();
}

void TesteTela::paraTela() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, tela);
    QCOMPARE(ParaTela(bytes.toStdString()), tela);
}

void TesteTela::daTela() {
    QCOMPARE(DaTela(QStringLiteral("São José")), std::string("S\xe3o Jos\xe9"));
    QCOMPARE(DaTela(QStringLiteral("\u20ac")), std::string("?"));
    QCOMPARE(ParaCaixa("Processo conclu\xed"
                       "do.\r\rLinhas lidas: 1\r"),
             QStringLiteral("Processo concluído.\n\nLinhas lidas: 1\n"));
}

void TesteTela::mensagemComPonto_data() {
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("caixa");
    QTest::newRow("letra ganha ponto") << QStringLiteral("arquivo ausente") << QStringLiteral("arquivo ausente.");
    QTest::newRow("dígito ganha ponto") << QStringLiteral("erro 5") << QStringLiteral("erro 5.");
    QTest::newRow("ponto fica") << QStringLiteral("Falha ao copiar.") << QStringLiteral("Falha ao copiar.");
    QTest::newRow("aspa não ganha") << QStringLiteral("'x' is not a valid integer value'")
                                    << QStringLiteral("'x' is not a valid integer value'");
    QTest::newRow("vazia fica vazia") << QString() << QString();
}

void TesteTela::mensagemComPonto() {
    QFETCH(QString, mensagem);
    QFETCH(QString, caixa);
    QCOMPARE(QString::fromStdString(MensagemComPonto(mensagem.toStdString())), caixa);
}

void TesteTela::dialogosDoQtEmPortugues() {
    QVERIFY(InstalaTraducaoDoQt());
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Abrir"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
}

QTEST_MAIN(TesteTela)
#include "TesteTela.moc"
