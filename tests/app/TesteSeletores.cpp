// As listas de unidade, pasta e arquivo da janela principal, usadas com mouse e teclado.
#include "SistemaTeste.h"

#include "ListaArquivos.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QListWidget* Lista(SistemaTeste& s, const char* nome) {
    return Acha<QListWidget>(&s.Trad(), QString::fromLatin1(nome));
}

QStringList Itens(QListWidget* lista) {
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->item(i)->text().trimmed();
    return textos;
}

void Abre(QListWidget* lista, const QString& texto) {
    for (int i = 0; i < lista->count(); ++i) {
        if (lista->item(i)->text().trimmed() != texto)
            continue;
        const QPoint ponto = lista->visualItemRect(lista->item(i)).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, ponto);
        return;
    }
    qFatal("pasta %s não está na lista", qPrintable(texto));
}

SistemaTeste ComPastas() {
    return SistemaTeste([](SistemaTeste& t) {
        t.Escreve(QStringLiteral("dados/a.csv"), "1;1;1;1\r\n");
        t.Escreve(QStringLiteral("dados/B.CSV"), "1;1;1;1\r\n");
        t.Escreve(QStringLiteral("dados/tabela.dbf"), "");
        t.Escreve(QStringLiteral("dados/sub/dentro.Csv"), "1;1;1;1\r\n");
        QDir().mkpath(t.Caminho(QStringLiteral("dados/vazia")));
    });
}

} // namespace

class TesteSeletores : public QObject {
    Q_OBJECT
private slots:
    void listasNaPartida();
    void abrirPastaMudaOsArquivos();
    void unidadeIlegivelVoltaSemAviso();
    void digitarAchaAPasta_data();
    void digitarAchaAPasta();
    void F5Relista();
    void importacaoMostraBases1();
};

void TesteSeletores::listasNaPartida() {
    SistemaTeste s = ComPastas();
    QCOMPARE(Itens(Lista(s, "Arquivo")), QStringList({QStringLiteral("a.csv"), QStringLiteral("B.CSV")}));
    const QStringList pastas = Itens(Lista(s, "Pasta"));
    QCOMPARE(pastas.first(), QStringLiteral("/"));
    QCOMPARE(pastas.mid(pastas.size() - 3),
             QStringList({QStringLiteral("dados"), QStringLiteral("sub"), QStringLiteral("vazia")}));
    QCOMPARE(Lista(s, "Pasta")->currentItem()->text().trimmed(), QStringLiteral("dados"));
}

void TesteSeletores::abrirPastaMudaOsArquivos() {
    SistemaTeste s = ComPastas();
    s.Trad().show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.Trad()));
    Abre(Lista(s, "Pasta"), QStringLiteral("sub"));
    QCOMPARE(Itens(Lista(s, "Arquivo")), QStringList{QStringLiteral("dentro.Csv")});
    QCOMPARE(Itens(Lista(s, "Pasta")).last(), QStringLiteral("sub"));

    // O resultado vai para a pasta corrente, e a dica de BC mostra isso.
    QTest::mouseClick(Acha<QPushButton>(&s.Trad(), QStringLiteral("Proximo")), Qt::LeftButton);
    QTest::mouseClick(Acha<QPushButton>(&s.Trad(), QStringLiteral("Proximo")), Qt::LeftButton);
    Digita(Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo")), QStringLiteral("R"));
    QCOMPARE(Acha<QLabel>(&s.Trad(), QStringLiteral("BC"))->toolTip(), s.Caminho(QStringLiteral("dados/sub/R.CSV")));
    Abre(Lista(s, "Pasta"), QStringLiteral("dados"));
    QCOMPARE(Itens(Lista(s, "Arquivo")), QStringList({QStringLiteral("a.csv"), QStringLiteral("B.CSV")}));
    QCOMPARE(Acha<QLabel>(&s.Trad(), QStringLiteral("BC"))->toolTip(), s.Caminho(QStringLiteral("dados/R.CSV")));
}

void TesteSeletores::unidadeIlegivelVoltaSemAviso() {
    SistemaTeste s = ComPastas();
    s.Trad().show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.Trad()));
    auto* unidade = Acha<QComboBox>(&s.Trad(), QStringLiteral("Unidade"));
    const QString antes = unidade->currentText();
    // Um volume que sumiu depois de listado.
    unidade->addItem(QStringLiteral("/volume-que-sumiu"), QStringLiteral("/volume-que-sumiu"));
    unidade->setFocus();
    QTest::keyClick(unidade, Qt::Key_End);
    QCOMPARE(unidade->currentText(), antes);
    QCOMPARE(Itens(Lista(s, "Arquivo")), QStringList({QStringLiteral("a.csv"), QStringLiteral("B.CSV")}));
    QVERIFY(s.dialogos.Chamadas().empty());
}

void TesteSeletores::digitarAchaAPasta_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("pasta");
    QTest::newRow("subpasta") << QStringLiteral("va") << QStringLiteral("vazia");
    QTest::newRow("maiúscula acha minúscula") << QStringLiteral("SU") << QStringLiteral("sub");
    QTest::newRow("pasta do caminho") << QStringLiteral("da") << QStringLiteral("dados");
}

// Digitar o começo do nome leva à pasta, como na lista de arquivos; abrir continua sendo Enter.
void TesteSeletores::digitarAchaAPasta() {
    QFETCH(QString, digitado);
    QFETCH(QString, pasta);
    SistemaTeste s = ComPastas();
    s.Trad().show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.Trad()));
    QListWidget* lista = Lista(s, "Pasta");
    lista->setFocus();
    QTest::keyClicks(lista, digitado);
    QCOMPARE(lista->currentItem()->text(), pasta);
    QCOMPARE(Itens(Lista(s, "Arquivo")), QStringList({QStringLiteral("a.csv"), QStringLiteral("B.CSV")}));
}

// F5 relê pastas e arquivos; o arquivo escolhido continua marcado.
void TesteSeletores::F5Relista() {
    SistemaTeste s = ComPastas();
    s.Trad().show();
    s.Trad().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.Trad()));
    ClicaItem(Lista(s, "Arquivo"), QStringLiteral("a.csv"));
    s.Escreve(QStringLiteral("dados/novo.csv"), "1;1;1;1\r\n");
    QVERIFY(QDir().mkpath(s.Caminho(QStringLiteral("dados/nova"))));
    QVERIFY(QDir().rmdir(s.Caminho(QStringLiteral("dados/vazia"))));
    QCOMPARE(Itens(Lista(s, "Arquivo")).size(), 2);
    QTest::keyClick(&s.Trad(), Qt::Key_F5);
    QCOMPARE(Itens(Lista(s, "Arquivo")),
             QStringList({QStringLiteral("a.csv"), QStringLiteral("B.CSV"), QStringLiteral("novo.csv")}));
    QCOMPARE(Itens(Lista(s, "Pasta")).mid(Itens(Lista(s, "Pasta")).size() - 3),
             QStringList({QStringLiteral("dados"), QStringLiteral("nova"), QStringLiteral("sub")}));
    QCOMPARE(Acha<ListaArquivos>(&s.Trad(), QStringLiteral("Arquivo"))->Selecionado(), QStringLiteral("a.csv"));
    QVERIFY(s.dialogos.Chamadas().empty());
}

// Importar cria Bases1 ao lado do programa: a lista de pastas a mostra sem F5.
void TesteSeletores::importacaoMostraBases1() {
    SistemaTeste s([](SistemaTeste& t) { t.Escreve(QStringLiteral("ufs.csv"), "35;SP\r\n"); });
    s.Trad().show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.Trad()));
    Abre(Lista(s, "Pasta"), QFileInfo(s.Caminho(QStringLiteral("sistema"))).dir().dirName());
    Abre(Lista(s, "Pasta"), QStringLiteral("sistema"));
    QVERIFY(!Itens(Lista(s, "Pasta")).contains(QStringLiteral("Bases1")));
    s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("ufs.csv")));
    Acha<QAction>(&s.Trad(), QStringLiteral("Definir2"))->trigger();
    QVERIFY(Itens(Lista(s, "Pasta")).contains(QStringLiteral("Bases1")));
}

QTEST_MAIN(TesteSeletores)
#include "TesteSeletores.moc"
