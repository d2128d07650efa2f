// "Serviços", "Voltar a uma divisão anterior..." e "Áreas comparáveis...": as caixas gravam pela mesma
// biblioteca do comando em lote, mostram o resumo e recusam o que não serve sem gravar nada.
#include "DivisoesBrasil.h"
#include "MudancasBrasil.h"
#include "SistemaTeste.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using Tipo = DialogosFalsos::Tipo;

class TesteVolta : public QObject {
    Q_OBJECT
private slots:
    void caixaGravaOuRecusa_data();
    void caixaGravaOuRecusa();
};

void TesteVolta::caixaGravaOuRecusa_data() {
    QTest::addColumn<QString>("item"); // o item de "Serviços" e o nome da caixa
    QTest::addColumn<QString>("base"); // dados/base.csv, a do passo 1
    QTest::addColumn<int>("de");
    QTest::addColumn<int>("ate");
    QTest::addColumn<QStringList>("botoes");
    QTest::addColumn<QString>("arquivo"); // o gravado em dados/, vazio quando nada pode ser gravado
    QTest::addColumn<QString>("linha");   // no arquivo gravado, ou na caixa de mensagem ou de erro
    QTest::newRow("volta de 2013 a 2010")
        << QStringLiteral("VoltaBrasil") << QStringLiteral("15;680;279805;280000\r\n15;475;14775;15000\r\n") << 2013
        << 2010 << QStringList{QStringLiteral("Voltar")} << QStringLiteral("VOLTA.CSV")
        << QStringLiteral("15;PA;680;Santarém;294580;295000\r\n");
    QTest::newRow("áreas e soma") << QStringLiteral("AreasBrasil") << QStringLiteral("15;680;294580;1\r\n") << 2010
                                  << 2013 << QStringList{QStringLiteral("GravarAreas"), QStringLiteral("Somar")}
                                  << QStringLiteral("SOMA.CSV") << QStringLiteral("1504752;Santarém;294580;1\r\n");
    QTest::newRow("anos invertidos") << QStringLiteral("VoltaBrasil") << QStringLiteral("15;680;1;1\r\n") << 2010
                                     << 2013 << QStringList{QStringLiteral("Voltar")} << QString()
                                     << QStringLiteral("O ano de destino (2013) não é anterior");
    QTest::newRow("base fora da divisão")
        << QStringLiteral("VoltaBrasil") << QStringLiteral("15;475;1;1\r\n") << 2010 << 2000
        << QStringList{QStringLiteral("Voltar")} << QString() << QStringLiteral("Nada foi gravado");
    QTest::newRow("soma sem áreas") << QStringLiteral("AreasBrasil") << QStringLiteral("15;680;1;1\r\n") << 2010 << 2013
                                    << QStringList{QStringLiteral("Somar")} << QString()
                                    << QStringLiteral("não foi encontrada");
}

void TesteVolta::caixaGravaOuRecusa() {
    QFETCH(QString, item);
    QFETCH(QString, base);
    QFETCH(int, de);
    QFETCH(int, ate);
    QFETCH(QStringList, botoes);
    QFETCH(QString, arquivo);
    QFETCH(QString, linha);
    SistemaTeste s([&](SistemaTeste& t) {
        for (const std::string& caminho :
             {ArquivoMudancasBrasil(MORVISAN_DIR_SISTEMA), ArquivoDivisoesBrasil(MORVISAN_DIR_SISTEMA)}) {
            QFile tabela(QString::fromStdString(caminho));
            QVERIFY(tabela.open(QIODevice::ReadOnly));
            t.Escreve(QStringLiteral("sistema/dados/") + QFileInfo(tabela).fileName(), tabela.readAll().toStdString());
        }
        t.Escreve(QStringLiteral("dados/base.csv"), base.toStdString());
    });
    ClicaItem(Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo")), QStringLiteral("base.csv"));
    bool abriu = false;
    QString memo, nomeDigitado;
    QuandoPronto([] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()) != nullptr; },
                 [&] {
                     auto* caixa = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                     abriu = caixa->objectName() == item;
                     if (abriu) {
                         Acha<QSpinBox>(caixa, QStringLiteral("AnoDe"))->setValue(de);
                         Acha<QSpinBox>(caixa, QStringLiteral("AnoAte"))->setValue(ate);
                         for (const QString& botao : botoes)
                             QTest::mouseClick(Acha<QPushButton>(caixa, botao), Qt::LeftButton);
                         memo = Acha<QPlainTextEdit>(caixa, QStringLiteral("Avisos"))->toPlainText();
                         // O nome do resultado segue a regra do passo 3: até 8 caracteres, sem pasta.
                         auto* nome = Acha<QLineEdit>(caixa, QStringLiteral("Nome"));
                         nome->clear();
                         QTest::keyClicks(nome, QStringLiteral("a/b\\cdefghijk"));
                         nomeDigitado = nome->text();
                     }
                     caixa->reject();
                 });
    Acha<QAction>(&s.Trad(), item)->trigger();
    QVERIFY(abriu);
    QCOMPARE(nomeDigitado, QStringLiteral("abcdefgh"));
    QVERIFY(!s.dialogos.emEspera);
    QCOMPARE(QString::fromStdString(s.Le(QStringLiteral("dados/base.csv"))), base);
    if (arquivo.isEmpty()) {
        const QStringList caixas = s.dialogos.Textos(Tipo::Mensagem) + s.dialogos.Textos(Tipo::Erro);
        QCOMPARE(caixas.size(), 1);
        QVERIFY2(caixas[0].contains(linha), qPrintable(caixas[0]));
        QVERIFY(!QFile::exists(s.Caminho(QStringLiteral("dados/Morvisan.Avisos"))));
        return;
    }
    QVERIFY2(memo.contains(QStringLiteral(" antes, ")), qPrintable(memo));
    const QString gravado = QString::fromLatin1(s.Le(QStringLiteral("dados/") + arquivo).c_str());
    QVERIFY2(gravado.contains(linha), qPrintable(gravado.left(300)));
}

QTEST_MAIN(TesteVolta)
#include "TesteVolta.moc"
