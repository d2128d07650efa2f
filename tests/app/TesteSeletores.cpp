// As listas de unidade, pasta e arquivo da janela principal, usadas com mouse e teclado.
#include "SistemaTeste.h"

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

QTEST_MAIN(TesteSeletores)
#include "TesteSeletores.moc"
