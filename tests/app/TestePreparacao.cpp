// "Serviços", "Preparar base de tradução do Brasil...": a caixa grava a base ao lado da original, mostra
// os avisos e a entrega ao passo 2; o que não serve é recusado sem gravar nada.
#include "DivisoesBrasil.h"
#include "MudancasBrasil.h"
#include "SistemaTeste.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <functional>

using Tipo = DialogosFalsos::Tipo;

namespace {

// Um programa com as tabelas do Brasil da compilação e a base escolhida no passo 1.
void ComBase(SistemaTeste& s, const std::string& base) {
    for (const std::string& caminho :
         {ArquivoMudancasBrasil(MORVISAN_DIR_SISTEMA), ArquivoDivisoesBrasil(MORVISAN_DIR_SISTEMA)}) {
        QFile tabela(QString::fromStdString(caminho));
        QVERIFY(tabela.open(QIODevice::ReadOnly));
        s.Escreve(QStringLiteral("sistema/dados/") + QFileInfo(tabela).fileName(), tabela.readAll().toStdString());
    }
    s.Escreve(QStringLiteral("dados/base.csv"), base);
}

// Abre a caixa pelo menu e, dentro dela, faz o que o teste pede antes de fechá-la.
void NaCaixa(SistemaTeste& s, const std::function<void(QDialog&)>& acao) {
    ClicaItem(Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo")), QStringLiteral("base.csv"));
    bool abriu = false;
    QuandoPronto([] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()) != nullptr; },
                 [&] {
                     auto* caixa = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                     abriu = caixa != nullptr && caixa->objectName() == QStringLiteral("PreparacaoBrasil");
                     if (abriu)
                         acao(*caixa);
                     if (caixa != nullptr)
                         caixa->reject();
                 });
    Acha<QAction>(&s.Trad(), QStringLiteral("PreparaBrasil"))->trigger();
    QVERIFY(abriu);
}

void Prepara(QDialog& caixa, int de, int ate, const QString& saida = QString()) {
    Acha<QSpinBox>(&caixa, QStringLiteral("AnoDe"))->setValue(de);
    Acha<QSpinBox>(&caixa, QStringLiteral("AnoAte"))->setValue(ate);
    if (!saida.isEmpty())
        Acha<QLineEdit>(&caixa, QStringLiteral("Saida"))->setText(saida);
    QTest::mouseClick(Acha<QPushButton>(&caixa, QStringLiteral("Preparar")), Qt::LeftButton);
}

} // namespace

class TestePreparacao : public QObject {
    Q_OBJECT
private slots:
    void gravaMostraEEntregaAoPasso2_data();
    void gravaMostraEEntregaAoPasso2();
    void recusaSemGravar_data();
    void recusaSemGravar();
    void semTabelaNaoAbre();
    void enterComCamposVazios_data();
    void enterComCamposVazios();
    void conferirMostraOsProblemasSemGravar_data();
    void conferirMostraOsProblemasSemGravar();
};

void TestePreparacao::gravaMostraEEntregaAoPasso2_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("de");
    QTest::addColumn<int>("ate");
    QTest::addColumn<QString>("linhas");
    QTest::addColumn<QString>("aviso");
    QTest::newRow("limpo") << QStringLiteral("22;1100;715360;715360\r\n") << 2008 << 2009
                           << QStringLiteral("22;1;1100;2;672;7352;20090101;\r\n")
                           << QStringLiteral("Nenhum par estimado ou deixado de fora.");
    QTest::newRow("com avisos") << QStringLiteral("42;940;51562;1\r\n") << 2010 << 2013
                                << QStringLiteral("42;1;940;2;1265;9307;20130101;\r\n")
                                << QStringLiteral("Laguna (940) -> Pescaria Brava (1265): população movida estimada");
}

void TestePreparacao::gravaMostraEEntregaAoPasso2() {
    QFETCH(QString, base);
    QFETCH(int, de);
    QFETCH(int, ate);
    QFETCH(QString, linhas);
    QFETCH(QString, aviso);
    SistemaTeste s([&](SistemaTeste& t) { ComBase(t, base.toStdString()); });
    const QString esperada = s.Caminho(QStringLiteral("dados/traducao-%1-%2.csv").arg(de).arg(ate));
    QString original, padrao, memo;
    NaCaixa(s, [&](QDialog& caixa) {
        original = Acha<QLineEdit>(&caixa, QStringLiteral("Original"))->text();
        padrao = QString::number(Acha<QSpinBox>(&caixa, QStringLiteral("AnoAte"))->value());
        Prepara(caixa, de, ate);
        memo = Acha<QPlainTextEdit>(&caixa, QStringLiteral("Avisos"))->toPlainText();
    });
    QCOMPARE(original, s.Caminho(QStringLiteral("dados/base.csv")));
    QCOMPARE(padrao, QStringLiteral("2025"));
    QVERIFY2(memo.contains(aviso), qPrintable(memo));
    QCOMPARE(QString::fromStdString(s.Le(QStringLiteral("dados/traducao-%1-%2.csv").arg(de).arg(ate))), linhas);
    QCOMPARE(Acha<QLabel>(&s.Trad(), QStringLiteral("BT"))->text(), QStringLiteral("OK"));
    QCOMPARE(QString::fromStdString(s.Trad().ajustes().Arquivos[1]), esperada);
    QVERIFY(!s.dialogos.emEspera);
    // A base nova já está na lista, e é ela a marcada no passo 2 (não a do passo 1).
    auto* lista = Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo"));
    QVERIFY(!lista->findItems(QFileInfo(esperada).fileName(), Qt::MatchExactly).isEmpty());
    QTest::mouseClick(Acha<QPushButton>(&s.Trad(), QStringLiteral("Proximo")), Qt::LeftButton);
    QVERIFY(lista->currentItem() != nullptr && lista->currentItem()->isSelected());
    QCOMPARE(lista->currentItem()->text(), QFileInfo(esperada).fileName());
}

void TestePreparacao::recusaSemGravar_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("de");
    QTest::addColumn<int>("ate");
    QTest::addColumn<QString>("saida");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::newRow("população que não é inteira")
        << QStringLiteral("15;680;5000 ;1\r\n") << 2010 << 2013 << QString() << int(Tipo::Erro)
        << QStringLiteral("base.csv, linha 1, campo POP1: '5000 ' n\u00e3o \u00e9 um n\u00famero inteiro v\u00e1lido.");
    QTest::newRow("anos invertidos") << QStringLiteral("15;680;1;1\r\n") << 2013 << 2010 << QString()
                                     << int(Tipo::Mensagem)
                                     << QStringLiteral(
                                            "O ano da divisão da base (2013) é posterior ao ano de destino (2010).");
    QTest::newRow("saída sobre a original")
        << QStringLiteral("15;680;1;1\r\n") << 2010 << 2013 << QStringLiteral("base.csv") << int(Tipo::Mensagem)
        << QStringLiteral("Você especificou o mesmo nome mais de uma vez.");
}

void TestePreparacao::recusaSemGravar() {
    QFETCH(QString, base);
    QFETCH(int, de);
    QFETCH(int, ate);
    QFETCH(QString, saida);
    QFETCH(int, tipo);
    QFETCH(QString, texto);
    SistemaTeste s([&](SistemaTeste& t) { ComBase(t, base.toStdString()); });
    NaCaixa(s, [&](QDialog& caixa) {
        Prepara(caixa, de, ate, saida.isEmpty() ? QString() : s.Caminho(QStringLiteral("dados/") + saida));
    });
    const QStringList caixas = s.dialogos.Textos(Tipo(tipo));
    QCOMPARE(caixas.size(), 1);
    QVERIFY2(caixas[0].contains(texto), qPrintable(caixas[0]));
    QCOMPARE(QString::fromStdString(s.Le(QStringLiteral("dados/base.csv"))), base);
    QVERIFY(!QFile::exists(s.Caminho(QStringLiteral("dados/traducao-%1-%2.csv").arg(de).arg(ate))));
    QCOMPARE(Acha<QLabel>(&s.Trad(), QStringLiteral("BT"))->text(), QStringLiteral("Falta"));
    QVERIFY(!s.dialogos.emEspera);
}

void TestePreparacao::semTabelaNaoAbre() {
    SistemaTeste s;
    Acha<QAction>(&s.Trad(), QStringLiteral("PreparaBrasil"))->trigger();
    const QStringList erros = s.dialogos.Textos(Tipo::Erro);
    QCOMPARE(erros.size(), 1);
    QVERIFY2(erros[0].contains(QStringLiteral("não foi encontrada")), qPrintable(erros[0]));
}

void TestePreparacao::enterComCamposVazios_data() {
    QTest::addColumn<QString>("vazio");
    QTest::addColumn<QString>("texto");
    QTest::newRow("sem base original") << QStringLiteral("Original") << QStringLiteral("Informe a base original.");
    QTest::newRow("sem saída") << QStringLiteral("Saida") << QStringLiteral("Informe onde gravar a base de tradução.");
}

// Enter com o foco no "..." é "&Preparar"; um campo vazio é dito numa caixa e recebe o foco.
void TestePreparacao::enterComCamposVazios() {
    QFETCH(QString, vazio);
    QFETCH(QString, texto);
    SistemaTeste s([&](SistemaTeste& t) { ComBase(t, "15;680;1;1\r\n"); });
    s.Trad().show();
    bool focoNoVazio = false;
    NaCaixa(s, [&](QDialog& caixa) {
        caixa.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&caixa));
        Acha<QLineEdit>(&caixa, vazio)->clear();
        auto* escolhe = Acha<QPushButton>(&caixa, QStringLiteral("EscolheOriginal"));
        escolhe->setFocus();
        QTest::keyClick(escolhe, Qt::Key_Return);
        focoNoVazio = QApplication::focusWidget() == Acha<QLineEdit>(&caixa, vazio);
    });
    QCOMPARE(s.dialogos.Textos(Tipo::Mensagem), QStringList{texto});
    QVERIFY(s.dialogos.ChamadasDo(Tipo::AbreArquivo).empty());
    QVERIFY(focoNoVazio);
}

void TestePreparacao::conferirMostraOsProblemasSemGravar_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("de");
    QTest::addColumn<QString>("linha");
    QTest::newRow("repetido") << QStringLiteral("11;1;5;5\r\n11;1;6;6\r\n") << 2010
                              << QStringLiteral("UF 11, Alta Floresta D'Oeste (1): repetido na base (2 linhas)\n");
    QTest::newRow("outra divisão") << QStringLiteral("15;475;1;1\r\n") << 2010
                                   << QStringLiteral("UF 15, Mojuí dos Campos (475): fora da divisão de 2010 (está na "
                                                     "de 2013)\n");
}

void TestePreparacao::conferirMostraOsProblemasSemGravar() {
    QFETCH(QString, base);
    QFETCH(int, de);
    QFETCH(QString, linha);
    SistemaTeste s([&](SistemaTeste& t) { ComBase(t, base.toStdString()); });
    QString memo;
    NaCaixa(s, [&](QDialog& caixa) {
        Acha<QSpinBox>(&caixa, QStringLiteral("AnoDe"))->setValue(de);
        QTest::mouseClick(Acha<QPushButton>(&caixa, QStringLiteral("Conferir")), Qt::LeftButton);
        memo = Acha<QPlainTextEdit>(&caixa, QStringLiteral("Avisos"))->toPlainText();
    });
    QVERIFY2(memo.contains(linha), qPrintable(memo));
    QVERIFY2(memo.contains(QStringLiteral("Conferência com a divisão de 1º de janeiro de %1").arg(de)),
             qPrintable(memo));
    QVERIFY(!QFile::exists(s.Caminho(QStringLiteral("dados/traducao-%1-2025.csv").arg(de))));
    QCOMPARE(Acha<QLabel>(&s.Trad(), QStringLiteral("BT"))->text(), QStringLiteral("Falta"));
    QVERIFY(!s.dialogos.emEspera);
}

QTEST_MAIN(TestePreparacao)
#include "TestePreparacao.moc"
