// A partida do programa de janelas: as opções da linha de comando, como ele se apresenta ao sistema
// (nome, ícone, entrada do menu) e a pasta do usuário longe da pasta do programa, como instalado.
#include "Identidade.h"
#include "SistemaTeste.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Tipo = DialogosFalsos::Tipo;

class TestePartida : public QObject {
    Q_OBJECT
private slots:
    void opcoes_data();
    void opcoes();
    void identidade();
    void pastaDoUsuarioSeparada();
    void pastaDoUsuarioSemGravacao();
};

void TestePartida::opcoes_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<bool>("semTela");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("inicioDaSaida");
    QTest::addColumn<QString>("erros");
    const QString uso = QStringLiteral("Uso: morvisan [-h | --help] [-V | --version]\n");
    const QString versao = QStringLiteral("morvisan 1.1\n");
    const auto errado = [](const QString& linha) {
        return QStringLiteral("morvisan: ") + linha + QStringLiteral("\nUse morvisan --help.\n");
    };
    QTest::addRow("ajuda curta") << QStringList{QStringLiteral("-h")} << false << 0 << uso << QString();
    QTest::addRow("versão") << QStringList{QStringLiteral("--version")} << false << 0 << versao << QString();
    // Num terminal sem tela gráfica nenhuma, a ajuda e a versão respondem assim mesmo.
    QTest::addRow("ajuda sem tela") << QStringList{QStringLiteral("--help")} << true << 0 << uso << QString();
    QTest::addRow("versão sem tela") << QStringList{QStringLiteral("-V")} << true << 0 << versao << QString();
    QTest::addRow("opção desconhecida") << QStringList{QStringLiteral("--foo")} << false << 2 << QString()
                                        << errado(QStringLiteral("opção desconhecida: --foo"));
    QTest::addRow("arquivo na linha de comando") << QStringList{QStringLiteral("base.csv")} << false << 2 << QString()
                                                 << errado(QStringLiteral("argumento a mais: base.csv"));
    QTest::addRow("opção do Qt é do Qt") << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                                        QStringLiteral("-x")}
                                         << false << 2 << QString() << errado(QStringLiteral("opção desconhecida: -x"));
    QTest::addRow("traço duplo encerra as opções")
        << QStringList{QStringLiteral("--"), QStringLiteral("--help")} << false << 2 << QString()
        << errado(QStringLiteral("argumento a mais: --help"));
}

void TestePartida::opcoes() {
    QFETCH(QStringList, argumentos);
    QFETCH(bool, semTela);
    QFETCH(int, codigo);
    QFETCH(QString, inicioDaSaida);
    QFETCH(QString, erros);
    QProcess programa;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Sem ela o Qt reclama na saída de erros, que o teste confere inteira.
    const QTemporaryDir execucao;
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao.path());
    if (semTela)
        for (const char* variavel : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            ambiente.remove(QString::fromLatin1(variavel));
    programa.setProcessEnvironment(ambiente);
    programa.start(QStringLiteral(MORVISAN_JANELAS), argumentos);
    QVERIFY(programa.waitForFinished(20000));
    const QString saida = QString::fromUtf8(programa.readAllStandardOutput());
    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programa.exitCode(), codigo);
    QVERIFY2(saida.startsWith(inicioDaSaida), qPrintable(saida));
    QVERIFY(!inicioDaSaida.isEmpty() || saida.isEmpty());
    QCOMPARE(QString::fromUtf8(programa.readAllStandardError()), erros);
}

// A classe da janela e o app_id são o nome da entrada do menu; as janelas levam o ícone do programa.
void TestePartida::identidade() {
    IdentificaAplicacao();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("morvisan"));
    QFile entrada(QStringLiteral(MORVISAN_INSTALACAO "/") + QGuiApplication::desktopFileName() +
                  QStringLiteral(".desktop"));
    QVERIFY(entrada.open(QIODevice::ReadOnly));
    const QByteArray texto = entrada.readAll();
    QVERIFY(texto.contains("\nStartupWMClass=" + QGuiApplication::applicationName().toUtf8() + "\n"));
    QVERIFY(texto.contains("\nExec=" + QGuiApplication::applicationName().toUtf8() + "\n"));
    SistemaTeste s;
    QVERIFY(!s.Trad().windowIcon().pixmap(48, 48).isNull());
    QVERIFY(!IconePrograma().pixmap(256, 256).isNull());
}

// Instalado: o que o programa grava (bases extras, Fixa.CFG) vai para a pasta do usuário e volta de
// lá na próxima partida; a pasta do programa fica como veio.
void TestePartida::pastaDoUsuarioSeparada() {
    SistemaTeste s([](SistemaTeste& t) {
        t.pastaUsuario = QStringLiteral("casa/.local/share/morvisan/");
        t.Escreve(QStringLiteral("dados/ufs.csv"), "35;SP\r\n");
    });
    const QStringList programa = QDir(s.Caminho(QStringLiteral("sistema"))).entryList(QDir::AllEntries);
    QVERIFY(QFileInfo(s.Caminho(s.pastaUsuario)).isDir());
    s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("dados/ufs.csv")));
    Acha<QAction>(&s.Trad(), QStringLiteral("Definir2"))->trigger();
    QTest::mouseClick(Acha<QPushButton>(&s.Trad(), QStringLiteral("Proximo")), Qt::LeftButton);
    ClicaItem(Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo")), QStringLiteral("ufs.csv"));
    Acha<QAction>(&s.Trad(), QStringLiteral("FixarBT"))->trigger();
    QVERIFY(QFile::exists(s.Caminho(s.pastaUsuario + QStringLiteral("Bases1/DEF_UF.dbf"))));
    QVERIFY(QFile::exists(s.Caminho(s.pastaUsuario + QStringLiteral("Fixa.CFG"))));
    QCOMPARE(QDir(s.Caminho(QStringLiteral("sistema"))).entryList(QDir::AllEntries), programa);

    s.CriaJanelas();
    QCOMPARE(Acha<QAction>(&s.Trad(), QStringLiteral("base2"))->text(), QStringLiteral("Ativo."));
    QCOMPARE(Acha<QLabel>(&s.Trad(), QStringLiteral("BT"))->text(), QStringLiteral("OK"));
}

// Uma pasta do usuário que não pode existir: uma caixa com a pasta e o motivo, e a janela abre.
void TestePartida::pastaDoUsuarioSemGravacao() {
    SistemaTeste s([](SistemaTeste& t) {
        t.Escreve(QStringLiteral("ocupado"), "guardado");
        t.pastaUsuario = QStringLiteral("ocupado/morvisan/");
    });
    const QStringList erros = s.dialogos.Textos(Tipo::Erro);
    QCOMPARE(erros, QStringList{QStringLiteral("Não foi possível gravar na pasta \"") + s.Caminho(s.pastaUsuario) +
                                QStringLiteral("\": o caminho passa por algo que não é uma pasta.")});
    s.Trad().show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.Trad()));
    QCOMPARE(s.Le(QStringLiteral("ocupado")), std::string("guardado"));
}

QTEST_MAIN(TestePartida)
#include "TestePartida.moc"
