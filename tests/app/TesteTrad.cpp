// A janela principal guiada como um usuário: assistente, caixas de texto, Fixa.CFG, menus.
#include "ListaPastas.h"
#include "SistemaTeste.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using Tipo = DialogosFalsos::Tipo;

namespace {

const QString ok = QStringLiteral("OK");
const QString falta = QStringLiteral("Falta");

QLabel* Rotulo(SistemaTeste& s, const char* nome) {
    return Acha<QLabel>(&s.Trad(), QString::fromLatin1(nome));
}

void Clica(SistemaTeste& s, const char* botao) {
    QTest::mouseClick(Acha<QPushButton>(&s.Trad(), QString::fromLatin1(botao)), Qt::LeftButton);
}

void Aciona(SistemaTeste& s, const char* item) {
    Acha<QAction>(&s.Trad(), QString::fromLatin1(item))->trigger();
}

void Mostra(SistemaTeste& s) {
    s.Trad().show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.Trad()));
}

// Do passo 1 ao 3 pelo "&Próximo"; devolve a caixa do nome do resultado.
QLineEdit* AoPasso3(SistemaTeste& s) {
    Clica(s, "Proximo");
    Clica(s, "Proximo");
    return Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"));
}

// Escolhe o arquivo da pasta corrente no passo em que o assistente está.
void Escolhe(SistemaTeste& s, const QString& nome) {
    auto* lista = Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo"));
    ClicaItem(lista, nome);
}

// As duas bases escolhidas, o nome "R" e "&Próximo" no passo 3, com Não para a pergunta.
void NaoNoPasso3(SistemaTeste& s) {
    Escolhe(s, QStringLiteral("original.csv"));
    Clica(s, "Proximo");
    Escolhe(s, QStringLiteral("traducao.csv"));
    Clica(s, "Proximo");
    Digita(Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo")), QStringLiteral("R"));
    s.dialogos.ProximaResposta(false);
    Clica(s, "Proximo");
}

} // namespace

class TesteTrad : public QObject {
    Q_OBJECT
private slots:
    void janelaAbreNoPasso1ComTudoEmFalta();
    void filtroDoNomeDoResultado();
    void tabSaiDasCaixas();
    void atalhosDeEdicao_data();
    void atalhosDeEdicao();
    void BCSegueONome();
    void filtroDasLinhas();
    void passosDoAssistente();
    void passo3IncompletoSoBipa();
    void mesmoArquivoDuasVezes();
    void respostaNaoNaoMudaNada();
    void saidaPorCimaDaEntrada_data();
    void saidaPorCimaDaEntrada();
    void nomeEscolhidoNoPasso3_data();
    void nomeEscolhidoNoPasso3();
    void fixaPresente();
    void fixaVencido();
    void fixarGravaFixa();
    void fixarSemPoderGravar();
    void baseExtraNaPartida_data();
    void baseExtraNaPartida();
    void copiaIlegivelNaPartida();
    void ignorarExcecoes();
    void sairPeloAtalho();
    void altAVoltaUmPasso();
    void fecharPelaMolduraEncerra();
    void menuAjuda();
    void antesDaPergunta_data();
    void antesDaPergunta();
    void teclado();
};

void TesteTrad::janelaAbreNoPasso1ComTudoEmFalta() {
    SistemaTeste s;
    Mostra(s);
    QCOMPARE(s.Trad().windowTitle(), QStringLiteral("Morvisan 1.1"));
    QCOMPARE(s.Trad().centralWidget()->size(), QSize(324, 331));
    QCOMPARE(s.Trad().Passo(), 1);
    QCOMPARE(Rotulo(s, "Titulo")->text(), QStringLiteral("Informe a base a ser traduzida"));
    for (const char* nome : {"BO", "BT", "BC"}) {
        QCOMPARE(Rotulo(s, nome)->text(), falta);
        QCOMPARE(Rotulo(s, nome)->toolTip(), QStringLiteral("a definir"));
    }
    QVERIFY(!Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"))->isVisible());
    QCOMPARE(Acha<QLineEdit>(&s.Trad(), QStringLiteral("Linhas"))->text(), QStringLiteral("50"));
    auto* tipo = Acha<QComboBox>(&s.Trad(), QStringLiteral("Tipo"));
    QVERIFY(!tipo->isEnabled());
    QCOMPARE(tipo->count(), 2);
    QCOMPARE(tipo->currentText(), QStringLiteral("CSV (Excel)"));
    QVERIFY(!Acha<QAction>(&s.Trad(), QStringLiteral("FixarBT"))->isEnabled());
    QVERIFY(Acha<QAction>(&s.Trad(), QStringLiteral("IgnoraEx"))->isChecked());
    for (const char* base : {"base1", "base2"}) {
        auto* item = Acha<QAction>(&s.Trad(), QString::fromLatin1(base));
        QCOMPARE(item->text(), QStringLiteral("<vazio>"));
        QVERIFY(!item->isEnabled());
    }
    QCOMPARE(Acha<QAction>(&s.Trad(), QStringLiteral("Sair1"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    QVERIFY(s.dialogos.Chamadas().empty());
}

void TesteTrad::filtroDoNomeDoResultado() {
    SistemaTeste s;
    Mostra(s);
    auto* nome = AoPasso3(s);
    QVERIFY(nome->isVisible());
    Digita(nome, QStringLiteral("abc-1é"));
    QCOMPARE(nome->text(), QStringLiteral("ABC1"));
    // Alt com letra é comando: não digita nada.
    QTest::keyClick(nome, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(nome->text(), QStringLiteral("ABC1"));
    Digita(nome, QStringLiteral("x y.z9012"));
    QCOMPARE(nome->text(), QStringLiteral("ABC1XYZ9"));
    QCOMPARE(s.Trad().ajustes().Arquivos[2], std::string("a definir"));
}

// Tab e Shift+Tab não são caracteres do nome nem das linhas: levam o foco adiante e de volta.
void TesteTrad::tabSaiDasCaixas() {
    SistemaTeste s;
    Mostra(s);
    s.Trad().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.Trad()));
    auto* nome = AoPasso3(s);
    auto* linhas = Acha<QLineEdit>(&s.Trad(), QStringLiteral("Linhas"));
    nome->setFocus();
    QTest::keyClick(nome, Qt::Key_Tab);
    QTRY_VERIFY(!nome->hasFocus());
    linhas->setFocus();
    QTest::keyClick(linhas, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(!linhas->hasFocus());
    QCOMPARE(nome->text(), QString());
    QCOMPARE(linhas->text(), QStringLiteral("50"));
}

void TesteTrad::atalhosDeEdicao_data() {
    QTest::addColumn<QString>("caixa");
    QTest::addColumn<QString>("inicial");
    QTest::addColumn<QString>("colado");
    // Passos separados por "|": "^A" Ctrl+A, "^C" Ctrl+C, "^V" Ctrl+V, "^I" Shift+Insert, "^Z" Ctrl+Z,
    // "<" Backspace; outro texto é digitado.
    QTest::addColumn<QString>("passos");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("areaDeTransferencia");
    const auto linha = [](const char* nome, const char* caixa, const char* inicial, const char* colado,
                          const char* passos, const char* texto, const char* area) {
        QTest::newRow(nome) << QString::fromUtf8(caixa) << QString::fromUtf8(inicial) << QString::fromUtf8(colado)
                            << QString::fromUtf8(passos) << QString::fromUtf8(texto) << QString::fromUtf8(area);
    };
    linha("nome: Ctrl+A e Backspace trocam o nome inteiro", "NovoArquivo", "RES2013", "", "^A|<|orig", "ORIG", "");
    linha("nome: colar passa pelo filtro", "NovoArquivo", "R", "../x-1 é", "^V", "RX1", "../x-1 é");
    linha("nome: Shift+Insert também, até 8 caracteres", "NovoArquivo", "RES", "abcdefghij", "^I", "RESABCDE",
          "abcdefghij");
    linha("nome: colar só o que o filtro descarta não apaga a seleção", "NovoArquivo", "RES", "-./", "^A|^V", "RES",
          "-./");
    linha("nome: Ctrl+C copia", "NovoArquivo", "RES", "", "^A|^C", "RES", "RES");
    linha("nome: Ctrl+Z desfaz", "NovoArquivo", "", "", "ab|^A|c|^Z", "AB", "");
    linha("linhas: colar fica com os dígitos", "Linhas", "50", "1a2b3", "^A|^V", "12", "1a2b3");
}

// Os atalhos de edição valem nas duas caixas; o que se cola passa pelo mesmo filtro da digitação.
void TesteTrad::atalhosDeEdicao() {
    QFETCH(QString, caixa);
    QFETCH(QString, inicial);
    QFETCH(QString, colado);
    QFETCH(QString, passos);
    QFETCH(QString, texto);
    QFETCH(QString, areaDeTransferencia);
    SistemaTeste s;
    Mostra(s);
    AoPasso3(s);
    auto* campo = Acha<QLineEdit>(&s.Trad(), caixa);
    campo->setText(inicial);
    QGuiApplication::clipboard()->setText(colado);
    for (const QString& passo : passos.split(u'|')) {
        if (passo == QStringLiteral("^A"))
            QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
        else if (passo == QStringLiteral("^C"))
            QTest::keyClick(campo, Qt::Key_C, Qt::ControlModifier);
        else if (passo == QStringLiteral("^V"))
            QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
        else if (passo == QStringLiteral("^I"))
            QTest::keyClick(campo, Qt::Key_Insert, Qt::ShiftModifier);
        else if (passo == QStringLiteral("^Z"))
            QTest::keyClick(campo, Qt::Key_Z, Qt::ControlModifier);
        else if (passo == QStringLiteral("<"))
            QTest::keyClick(campo, Qt::Key_Backspace);
        else
            Digita(campo, passo);
    }
    QCOMPARE(campo->text(), texto);
    QCOMPARE(QGuiApplication::clipboard()->text(), areaDeTransferencia);
}

void TesteTrad::BCSegueONome() {
    SistemaTeste s;
    Mostra(s);
    auto* nome = AoPasso3(s);
    Digita(nome, QStringLiteral("r"));
    QCOMPARE(Rotulo(s, "BC")->text(), ok);
    QCOMPARE(Rotulo(s, "BC")->toolTip(), s.Caminho(QStringLiteral("dados/R.CSV")));
    QTest::keyClick(nome, Qt::Key_Backspace);
    QCOMPARE(nome->text(), QString());
    QCOMPARE(Rotulo(s, "BC")->text(), falta);
    QCOMPARE(Rotulo(s, "BC")->toolTip(), QStringLiteral("a definir"));
}

void TesteTrad::filtroDasLinhas() {
    SistemaTeste s;
    Mostra(s);
    auto* linhas = Acha<QLineEdit>(&s.Trad(), QStringLiteral("Linhas"));
    linhas->clear();
    QTest::keyClick(linhas, Qt::Key_5, Qt::AltModifier);
    Digita(linhas, QStringLiteral("a7-é 123"));
    QCOMPARE(linhas->text(), QStringLiteral("71"));
    QCOMPARE(s.Trad().ajustes().Linhas, std::string("71"));
}

void TesteTrad::passosDoAssistente() {
    SistemaTeste s;
    Mostra(s);
    auto* titulo = Rotulo(s, "Titulo");
    auto* nome = Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"));
    Clica(s, "Anterior");
    QCOMPARE(s.Trad().Passo(), 1);
    Clica(s, "Proximo");
    QCOMPARE(titulo->text(), QStringLiteral("Informe a base que informa as mudanças."));
    QVERIFY(!nome->isVisible());
    Clica(s, "Proximo");
    QCOMPARE(titulo->text(), QStringLiteral("Informe a base resultante do processo."));
    QVERIFY(nome->isVisible());
    Digita(nome, QStringLiteral("X"));
    Clica(s, "Anterior");
    QCOMPARE(s.Trad().Passo(), 2);
    QVERIFY(!nome->isVisible());
    Clica(s, "Proximo");
    QCOMPARE(nome->text(), QStringLiteral("X"));
    QCOMPARE(Rotulo(s, "BC")->text(), ok);
}

void TesteTrad::passo3IncompletoSoBipa() {
    SistemaTeste s(
        [](SistemaTeste& t) { t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/original.csv")); });
    Mostra(s);
    Escolhe(s, QStringLiteral("original.csv"));
    Digita(AoPasso3(s), QStringLiteral("R"));
    Clica(s, "Proximo");
    QCOMPARE(s.dialogos.bipes, 1);
    QVERIFY(s.dialogos.Chamadas().empty());
    QCOMPARE(s.Trad().Passo(), 3);
}

void TesteTrad::mesmoArquivoDuasVezes() {
    SistemaTeste s(
        [](SistemaTeste& t) { t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/original.csv")); });
    Mostra(s);
    Escolhe(s, QStringLiteral("original.csv"));
    QCOMPARE(Rotulo(s, "BO")->text(), ok);
    QCOMPARE(Rotulo(s, "BO")->toolTip(), s.Caminho(QStringLiteral("dados/original.csv")));
    Clica(s, "Proximo");
    Escolhe(s, QStringLiteral("original.csv"));
    QCOMPARE(Rotulo(s, "BT")->text(), ok);
    QVERIFY(Acha<QAction>(&s.Trad(), QStringLiteral("FixarBT"))->isEnabled());
    Clica(s, "Proximo");
    Digita(Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo")), QStringLiteral("R"));
    Clica(s, "Proximo");
    QCOMPARE(s.dialogos.bipes, 0);
    const auto caixas = s.dialogos.ChamadasDo(Tipo::Mensagem);
    QCOMPARE(caixas.size(), std::size_t(1));
    QCOMPARE(caixas[0].titulo, QStringLiteral("Erro!"));
    QCOMPARE(caixas[0].texto, QStringLiteral("Você especificou o mesmo nome mais de uma vez."));
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Pergunta).empty());
}

void TesteTrad::respostaNaoNaoMudaNada() {
    SistemaTeste s([](SistemaTeste& t) {
        t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/original.csv"));
        t.CopiaDado(QStringLiteral("traducao.csv"), QStringLiteral("dados/traducao.csv"));
    });
    Mostra(s);
    NaoNoPasso3(s);
    const auto perguntas = s.dialogos.ChamadasDo(Tipo::Pergunta);
    QCOMPARE(perguntas.size(), std::size_t(1));
    QCOMPARE(perguntas[0].titulo, QStringLiteral("Morvisan"));
    QCOMPARE(perguntas[0].texto, QStringLiteral("Continuar com a tradução?"));
    QVERIFY(!s.Proc().isVisible());
    QCOMPARE(s.Trad().Passo(), 3);
    QVERIFY(s.Trad().isVisible());
    QVERIFY(!QFile::exists(s.Caminho(QStringLiteral("sistema/Trabalho"))));
}

void TesteTrad::saidaPorCimaDaEntrada_data() {
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("traducao");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("recusa");
    QTest::newRow("resultado com o nome da original, outra caixa")
        << QStringLiteral("base.csv") << QStringLiteral("mudancas.csv") << QStringLiteral("BASE") << true;
    QTest::newRow("extrato comp.CSV por cima da tradução")
        << QStringLiteral("base.csv") << QStringLiteral("Comp.csv") << QStringLiteral("RES") << true;
    QTest::newRow("nomes distintos") << QStringLiteral("base.csv") << QStringLiteral("mudancas.csv")
                                     << QStringLiteral("RES") << false;
}

// A rodada gravaria o resultado, comp.CSV ou o log sobre uma base de entrada: é o mesmo nome duas vezes.
void TesteTrad::saidaPorCimaDaEntrada() {
    QFETCH(QString, original);
    QFETCH(QString, traducao);
    QFETCH(QString, nome);
    QFETCH(bool, recusa);
    SistemaTeste s([&](SistemaTeste& t) {
        t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/") + original);
        t.CopiaDado(QStringLiteral("traducao.csv"), QStringLiteral("dados/") + traducao);
    });
    Mostra(s);
    Escolhe(s, original);
    Clica(s, "Proximo");
    Escolhe(s, traducao);
    Clica(s, "Proximo");
    Digita(Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo")), nome);
    s.dialogos.ProximaResposta(false);
    Clica(s, "Proximo");
    QCOMPARE(s.dialogos.Textos(Tipo::Mensagem).size(), recusa ? 1 : 0);
    if (recusa)
        QCOMPARE(s.dialogos.Textos(Tipo::Mensagem).first(),
                 QStringLiteral("Você especificou o mesmo nome mais de uma vez."));
    QCOMPARE(s.dialogos.ChamadasDo(Tipo::Pergunta).size(), std::size_t(recusa ? 0 : 1));
}

void TesteTrad::nomeEscolhidoNoPasso3_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QString>("nome");
    QTest::newRow("corta no primeiro ponto") << QStringLiteral("dados.2000.csv") << QStringLiteral("dados");
    QTest::newRow("no máximo 8, minúsculas mantidas") << QStringLiteral("abcdefghij.csv") << QStringLiteral("abcdefgh");
    QTest::newRow("máscara sem olhar a caixa") << QStringLiteral("Resumo.CSV") << QStringLiteral("Resumo");
}

void TesteTrad::nomeEscolhidoNoPasso3() {
    QFETCH(QString, arquivo);
    QFETCH(QString, nome);
    SistemaTeste s([&](SistemaTeste& t) {
        t.Escreve(QStringLiteral("dados/") + arquivo, "1;2;3;4\r\n");
        t.Escreve(QStringLiteral("dados/fora.txt"), "x");
    });
    Mostra(s);
    auto* lista = Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo"));
    QCOMPARE(lista->count(), 1);
    AoPasso3(s);
    Escolhe(s, arquivo);
    QCOMPARE(Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"))->text(), nome);
    QCOMPARE(QString::fromStdString(s.Trad().ajustes().Arquivos[2]), nome);
    QCOMPARE(Rotulo(s, "BC")->text(), ok);
    QCOMPARE(Rotulo(s, "BO")->text(), falta);
}

void TesteTrad::fixaPresente() {
    SistemaTeste s([](SistemaTeste& t) {
        t.CopiaDado(QStringLiteral("traducao.csv"), QStringLiteral("fixa/traducao.csv"));
        t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/original.csv"));
        t.Escreve(QStringLiteral("sistema/Fixa.CFG"),
                  QFile::encodeName(t.Caminho(QStringLiteral("fixa/traducao.csv"))).toStdString() +
                      "\r\nlinha ignorada\r\n");
    });
    Mostra(s);
    QCOMPARE(Rotulo(s, "BT")->text(), ok);
    QCOMPARE(Rotulo(s, "BT")->toolTip(), s.Caminho(QStringLiteral("fixa/traducao.csv")));
    // Só a base original é escolhida: o passo 3 chega à pergunta.
    Escolhe(s, QStringLiteral("original.csv"));
    Digita(AoPasso3(s), QStringLiteral("R"));
    s.dialogos.ProximaResposta(false);
    Clica(s, "Proximo");
    QCOMPARE(s.dialogos.ChamadasDo(Tipo::Pergunta).size(), std::size_t(1));
}

void TesteTrad::fixaVencido() {
    SistemaTeste s([](SistemaTeste& t) { t.Escreve(QStringLiteral("sistema/Fixa.CFG"), "/nao/existe/mais.csv\r\n"); });
    QCOMPARE(Rotulo(s, "BT")->text(), falta);
    QCOMPARE(Rotulo(s, "BT")->toolTip(), QStringLiteral("a definir"));
    QVERIFY(!QFile::exists(s.Caminho(QStringLiteral("sistema/Fixa.CFG"))));
    QVERIFY(s.dialogos.Chamadas().empty());
}

void TesteTrad::fixarGravaFixa() {
    SistemaTeste s(
        [](SistemaTeste& t) { t.CopiaDado(QStringLiteral("traducao.csv"), QStringLiteral("dados/traducao.csv")); });
    Mostra(s);
    Clica(s, "Proximo");
    Escolhe(s, QStringLiteral("traducao.csv"));
    Aciona(s, "FixarBT");
    const std::string caminho = QFile::encodeName(s.Caminho(QStringLiteral("dados/traducao.csv"))).toStdString();
    QCOMPARE(s.Le(QStringLiteral("sistema/Fixa.CFG")), caminho + "\r\n");
    s.CriaJanelas();
    QCOMPARE(Rotulo(s, "BT")->text(), ok);
    QCOMPARE(s.Trad().ajustes().Arquivos[1], caminho);
}

// Fixa.CFG não pode ser gravado (no lugar dele há uma pasta): caixa geral de erro, com o nome.
void TesteTrad::fixarSemPoderGravar() {
    SistemaTeste s(
        [](SistemaTeste& t) { t.CopiaDado(QStringLiteral("traducao.csv"), QStringLiteral("dados/traducao.csv")); });
    Mostra(s);
    Clica(s, "Proximo");
    Escolhe(s, QStringLiteral("traducao.csv"));
    QVERIFY(QDir().mkpath(s.Caminho(QStringLiteral("sistema/Fixa.CFG"))));
    Aciona(s, "FixarBT");
    const QStringList erros = s.dialogos.Textos(Tipo::Erro);
    QCOMPARE(erros.size(), 1);
    QVERIFY2(erros[0].contains(QStringLiteral("Fixa.CFG")), qPrintable(erros[0]));
    QVERIFY(erros[0].endsWith(u'.'));
    QCOMPARE(s.Trad().Passo(), 2);
}

void TesteTrad::baseExtraNaPartida_data() {
    QTest::addColumn<bool>("comRegistro");
    QTest::addColumn<QString>("texto");
    QTest::newRow("cópia sem registro") << false << QStringLiteral("<vazio>");
    QTest::newRow("cópia com registro") << true << QStringLiteral("Ativo.");
}

void TesteTrad::baseExtraNaPartida() {
    QFETCH(bool, comRegistro);
    QFETCH(QString, texto);
    SistemaTeste s([&](SistemaTeste& t) {
        QDir().mkpath(t.Caminho(QStringLiteral("sistema/Bases1")));
        QFile::copy(t.Caminho(QStringLiteral("sistema/Bases0/DEF_MUN.DBF")),
                    t.Caminho(QStringLiteral("sistema/Bases1/DEF_MUN.dbf")));
        if (comRegistro) {
            t.CopiaDado(QStringLiteral("municipios.csv"), QStringLiteral("municipios.csv"));
        }
    });
    if (comRegistro) {
        s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("municipios.csv")));
        Aciona(s, "Definir1");
        s.CriaJanelas();
    }
    auto* base1 = Acha<QAction>(&s.Trad(), QStringLiteral("base1"));
    QCOMPARE(base1->text(), texto);
    QCOMPARE(base1->isEnabled(), comRegistro);
    QCOMPARE(s.Trad().ajustes().base1, comRegistro);
    QCOMPARE(Acha<QAction>(&s.Trad(), QStringLiteral("base2"))->text(), QStringLiteral("<vazio>"));
}

void TesteTrad::copiaIlegivelNaPartida() {
    SistemaTeste s(
        [](SistemaTeste& t) { t.Escreve(QStringLiteral("sistema/Bases1/DEF_MUN.dbf"), "isto não é dBase"); });
    const auto erros = s.dialogos.ChamadasDo(Tipo::Erro);
    QCOMPARE(erros.size(), std::size_t(1));
    QVERIFY(erros[0].texto.endsWith(u'.'));
    Mostra(s);
    QCOMPARE(Acha<QAction>(&s.Trad(), QStringLiteral("base1"))->text(), QStringLiteral("<vazio>"));
    QVERIFY(!Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"))->isVisible());
    QCOMPARE(Rotulo(s, "BO")->toolTip(), QStringLiteral("a definir"));
}

void TesteTrad::ignorarExcecoes() {
    SistemaTeste s;
    Aciona(s, "IgnoraEx");
    QVERIFY(!Acha<QAction>(&s.Trad(), QStringLiteral("IgnoraEx"))->isChecked());
    QVERIFY(!s.Trad().ajustes().IgnoraEx);
    Aciona(s, "IgnoraEx");
    QVERIFY(s.Trad().ajustes().IgnoraEx);
}

// Ctrl+X encerra o laço de eventos, também com o foco na caixa do nome (onde seria "recortar").
void TesteTrad::sairPeloAtalho() {
    SistemaTeste s;
    Mostra(s);
    auto* nome = AoPasso3(s);
    // Atalhos só valem na janela ativa (sob Xvfb sem gerenciador de janelas, só se pedida).
    s.Trad().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.Trad()));
    nome->setFocus();
    Digita(nome, QStringLiteral("AB"));
    nome->selectAll();
    bool parouSozinho = true;
    QTimer::singleShot(0, [&] { QTest::keyClick(nome, Qt::Key_X, Qt::ControlModifier); });
    QTimer::singleShot(10000, [&] {
        parouSozinho = false;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(parouSozinho);
    QCOMPARE(nome->text(), QStringLiteral("AB"));
}

// Fechar a janela pelo gerenciador de janelas (Alt+F4) encerra o programa, como "Sair".
void TesteTrad::fecharPelaMolduraEncerra() {
    SistemaTeste s;
    Mostra(s);
    // Como na partida: esconder a última janela não encerra.
    QApplication::setQuitOnLastWindowClosed(false);
    bool parouSozinho = true;
    QTimer::singleShot(0, [&] { s.Trad().close(); });
    QTimer::singleShot(10000, [&] {
        parouSozinho = false;
        QCoreApplication::exit(1);
    });
    const int saida = QCoreApplication::exec();
    QApplication::setQuitOnLastWindowClosed(true);
    QCOMPARE(saida, 0);
    QVERIFY(parouSozinho);
}

// Alt+A é de "&Anterior" e do menu "&Ajuda": cada toque volta um passo e nenhum abre o menu, que
// continua ao alcance do teclado por Alt+S e a seta.
void TesteTrad::altAVoltaUmPasso() {
    SistemaTeste s;
    Mostra(s);
    s.Trad().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.Trad()));
    auto* nome = AoPasso3(s);
    // Com o foco na caixa do nome, Alt+A também é o botão, e nada é digitado.
    nome->setFocus();
    QTest::keyClick(nome, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(s.Trad().Passo(), 2);
    QCOMPARE(nome->text(), QString());
    for (const int passo : {1, 1}) {
        QTest::keyClick(&s.Trad(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(s.Trad().Passo(), passo);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }
    QTest::keyClick(&s.Trad(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("Servios1"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
    QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("Ajuda1"));
    while (QApplication::activePopupWidget() != nullptr)
        QApplication::activePopupWidget()->close();
}

// "Sobre o sistema" abre a caixa criada na partida, modal; o atalho vai para a área de trabalho do
// usuário (aqui, uma pasta pessoal de teste) apontando para o executável, na pasta do programa.
void TesteTrad::menuAjuda() {
    SistemaTeste s;
    Mostra(s);
    bool modal = false;
    QuandoPronto([] { return QApplication::activeModalWidget() != nullptr; },
                 [&] {
                     modal = QApplication::activeModalWidget() != nullptr;
                     if (auto* caixa = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                         caixa->reject();
                 });
    Aciona(s, "Sobre1");
    QVERIFY(modal);

    const QByteArray casa = qgetenv("HOME");
    const bool tinhaConfiguracao = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray configuracao = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(s.Caminho(QStringLiteral("casa"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(s.Caminho(QStringLiteral("casa/.config"))));
    Aciona(s, "mi_aju_atalho");
    qputenv("HOME", casa);
    if (tinhaConfiguracao)
        qputenv("XDG_CONFIG_HOME", configuracao);
    else
        qunsetenv("XDG_CONFIG_HOME");
    const std::string atalho = s.Le(QStringLiteral("casa/Desktop/Olum (Morvisan).desktop"));
    QVERIFY2(atalho.find("Path=" + s.DirSistema()) != std::string::npos, atalho.c_str());
    QVERIFY(atalho.find(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()) != std::string::npos);
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Aviso).empty());
}

void TesteTrad::antesDaPergunta_data() {
    QTest::addColumn<QString>("linhas");
    QTest::addColumn<QString>("existente");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("pergunta");
    const QString continuar = QStringLiteral("Continuar com a tradução?");
    const QString linhas = QStringLiteral("Informe de 1 a 99 linhas de relatório.");
    QTest::newRow("linhas vazias") << QString() << QString() << linhas << QString();
    QTest::newRow("zero linhas") << QStringLiteral("0") << QString() << linhas << QString();
    QTest::newRow("resultado novo") << QStringLiteral("05") << QString() << QString() << continuar;
    // O resultado troca o arquivo de mesmo nome em qualquer caixa: a pergunta diz qual.
    QTest::newRow("resultado já existe")
        << QStringLiteral("50") << QStringLiteral("r.csv") << QString()
        << QStringLiteral("O arquivo \"r.csv\" já existe nesta pasta e será substituído pelo resultado.\n\n") +
               continuar;
}

// O tamanho da página é conferido antes da rodada, quando ainda dá para corrigir; a pergunta avisa o
// resultado que vai ser substituído.
void TesteTrad::antesDaPergunta() {
    QFETCH(QString, linhas);
    QFETCH(QString, existente);
    QFETCH(QString, mensagem);
    QFETCH(QString, pergunta);
    SistemaTeste s([&](SistemaTeste& t) {
        t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/original.csv"));
        t.CopiaDado(QStringLiteral("traducao.csv"), QStringLiteral("dados/traducao.csv"));
        if (!existente.isEmpty())
            t.Escreve(QStringLiteral("dados/") + existente, "anterior\r\n");
    });
    Mostra(s);
    auto* caixaLinhas = Acha<QLineEdit>(&s.Trad(), QStringLiteral("Linhas"));
    caixaLinhas->setText(linhas);
    NaoNoPasso3(s);
    QCOMPARE(s.dialogos.Textos(Tipo::Mensagem), mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
    QCOMPARE(s.dialogos.Textos(Tipo::Pergunta), pergunta.isEmpty() ? QStringList() : QStringList{pergunta});
    if (!mensagem.isEmpty())
        QCOMPARE(QApplication::focusWidget(), caixaLinhas);
    QVERIFY(!s.Proc().isVisible());
    QCOMPARE(s.Trad().Passo(), 3);
}

// Enter é "&Próximo" de qualquer controle; F1 abre a ajuda, que Esc fecha; a lista do passo 2 não
// marca o arquivo do passo 1.
void TesteTrad::teclado() {
    SistemaTeste s(
        [](SistemaTeste& t) { t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/original.csv")); });
    Mostra(s);
    s.Trad().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.Trad()));
    auto* lista = Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo"));
    Escolhe(s, QStringLiteral("original.csv"));
    QTest::keyClick(lista, Qt::Key_Return);
    QCOMPARE(s.Trad().Passo(), 2);
    QVERIFY(lista->selectedItems().isEmpty());
    // Na lista de pastas, Enter abre a pasta marcada (a de cima) e não anda o assistente.
    auto* pastas = Acha<ListaPastas>(&s.Trad(), QStringLiteral("Pasta"));
    pastas->setFocus();
    pastas->setCurrentRow(0);
    QTest::keyClick(pastas, Qt::Key_Return);
    QCOMPARE(s.Trad().Passo(), 2);
    QCOMPARE(pastas->Pasta(), QStringLiteral("/"));
    QTest::keyClick(Acha<QLineEdit>(&s.Trad(), QStringLiteral("Linhas")), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s.Trad().Passo(), 3);
    QTest::keyClick(&s.Trad(), Qt::Key_F1);
    const QPointer<QWidget> ajuda = s.Trad().findChild<QWidget*>(QStringLiteral("JanelaAjuda"));
    QVERIFY(ajuda != nullptr);
    ajuda->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), ajuda.data());
    QTest::keyClick(ajuda->findChild<QWidget*>(QStringLiteral("TextoAjuda")), Qt::Key_Escape);
    QTRY_VERIFY(ajuda == nullptr || !ajuda->isVisible());
}

QTEST_MAIN(TesteTrad)
#include "TesteTrad.moc"
