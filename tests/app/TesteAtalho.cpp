// O atalho na área de trabalho: onde fica, o que contém, a troca silenciosa e a falha no aviso; ele e
// a entrada do menu passam no validador de lançadores.
#include "Atalho.h"
#include "DialogosFalsos.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TesteAtalho : public QObject {
    Q_OBJECT

private:
    QTemporaryDir casa;
    DialogosFalsos dialogos;

    QString Casa() const { return casa.path(); }

    static QByteArray Le(const QString& caminho) {
        QFile arquivo(caminho);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("<não abre>");
    }

    bool Cria(const std::string& alvo = "/opt/Morvisan/morvisan", const std::string& pasta = "/opt/Morvisan/") {
        return CriaAtalho(alvo, "", pasta, "Olum (Morvisan)", "Desktop", "/opt/Morvisan/morvisan.svg", dialogos,
                          nullptr);
    }

    void EscreveUserDirs(const QByteArray& conteudo) {
        QDir().mkpath(Casa() + QStringLiteral("/.config"));
        QFile arquivo(Casa() + QStringLiteral("/.config/user-dirs.dirs"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(conteudo);
    }

private slots:
    void init() {
        QVERIFY(casa.isValid());
        QDir(Casa()).removeRecursively();
        QDir().mkpath(Casa());
        qputenv("HOME", Casa().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        dialogos = DialogosFalsos{};
    }

    void SemUserDirsVaiParaDesktop() {
        QVERIFY(Cria());
        const QString atalho = Casa() + QStringLiteral("/Desktop/Olum (Morvisan).desktop");
        QCOMPARE(Le(atalho), QByteArray("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Version=1.0\n"
                                        "Name=Olum (Morvisan)\n"
                                        "Comment=Traduz uma base de popula\xc3\xa7\xc3\xa3o municipal para uma "
                                        "divis\xc3\xa3o municipal mais nova\n"
                                        "Icon=/opt/Morvisan/morvisan.svg\n"
                                        "Exec=\"/opt/Morvisan/morvisan\"\n"
                                        "Path=/opt/Morvisan/\n"
                                        "Terminal=false\n"
                                        "Categories=Science;Geography;\n"
                                        "StartupWMClass=morvisan\n"));
        QVERIFY(QFile::permissions(atalho).testFlag(QFile::ExeOwner));
        QVERIFY(dialogos.Chamadas().empty());
    }

    void PastaDoUserDirsComHomeExpandido() {
        EscreveUserDirs("# pastas do usuário\nXDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n"
                        "XDG_DESKTOP_DIR=\"$HOME/Área de Trabalho\"\n");
        QVERIFY(Cria());
        QVERIFY(QFile::exists(Casa() + QStringLiteral("/Área de Trabalho/Olum (Morvisan).desktop")));
        QVERIFY(!QFile::exists(Casa() + QStringLiteral("/Desktop")));
    }

    void XdgConfigHomeManda() {
        const QString configuracao = Casa() + QStringLiteral("/outra-config");
        QDir().mkpath(configuracao);
        QFile arquivo(configuracao + QStringLiteral("/user-dirs.dirs"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(QByteArray("XDG_DESKTOP_DIR=\"") + Casa().toUtf8() + "/Mesa\"\n");
        arquivo.close();
        qputenv("XDG_CONFIG_HOME", configuracao.toLocal8Bit());
        QVERIFY(Cria());
        QVERIFY(QFile::exists(Casa() + QStringLiteral("/Mesa/Olum (Morvisan).desktop")));
    }

    void CriarDuasVezesTrocaSemAviso() {
        QVERIFY(Cria("/opt/antigo/morvisan", "/opt/antigo/"));
        QVERIFY(Cria());
        const QByteArray conteudo = Le(Casa() + QStringLiteral("/Desktop/Olum (Morvisan).desktop"));
        QVERIFY(conteudo.contains("Exec=\"/opt/Morvisan/morvisan\"\n"));
        QVERIFY(!conteudo.contains("antigo"));
        QCOMPARE(QDir(Casa() + QStringLiteral("/Desktop")).entryList(QDir::Files).size(), 1);
        QVERIFY(dialogos.Chamadas().empty());
    }

    // Aspas, cifrão e barra invertida no caminho não viram argumentos nem expansões do lançador.
    void CaminhoComCaracteresEspeciais() {
        QVERIFY(Cria("/opt/Meu \"Morvis\xe3o\" $1/100%/morvisan", "/opt/Meu Morvis\xe3o\\/"));
        const QByteArray conteudo = Le(Casa() + QStringLiteral("/Desktop/Olum (Morvisan).desktop"));
        QVERIFY2(conteudo.contains(
                     QStringLiteral("Exec=\"/opt/Meu \\\\\"Morvisão\\\\\" \\\\$1/100%%/morvisan\"\n").toUtf8()),
                 conteudo.constData());
        QVERIFY2(conteudo.contains(QStringLiteral("Path=/opt/Meu Morvisão\\\\/\n").toUtf8()), conteudo.constData());
    }

    void AreaDeTrabalhoQueNaoEhPastaMostraOAviso() {
        QFile ocupa(Casa() + QStringLiteral("/Desktop"));
        QVERIFY(ocupa.open(QIODevice::WriteOnly));
        ocupa.write("isto é um arquivo");
        ocupa.close();
        QVERIFY(!Cria());
        const auto avisos = dialogos.ChamadasDo(DialogosFalsos::Tipo::Aviso);
        QCOMPARE(avisos.size(), size_t{1});
        QCOMPARE(avisos[0].titulo, QStringLiteral("Aviso"));
        QVERIFY2(avisos[0].texto.startsWith(QStringLiteral("Problema ao tentar criar atalho para o sistema.\n\n"
                                                           "Erro original: ")),
                 qPrintable(avisos[0].texto));
        QVERIFY(avisos[0].texto.contains(Casa() + QStringLiteral("/Desktop")));
        QCOMPARE(Le(Casa() + QStringLiteral("/Desktop")), QByteArray("isto é um arquivo"));
    }

    // Um atalho já existente não se perde quando a gravação nova falha.
    void PastaSomenteLeituraMantemOAtalhoAntigo() {
        if (geteuid() == 0)
            QSKIP("root grava em pasta somente leitura");
        QVERIFY(Cria("/opt/antigo/morvisan", "/opt/antigo/"));
        const QString pasta = Casa() + QStringLiteral("/Desktop");
        QFile::setPermissions(pasta, QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!Cria());
        QFile::setPermissions(pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(dialogos.ChamadasDo(DialogosFalsos::Tipo::Aviso).size(), size_t{1});
        QVERIFY(Le(pasta + QStringLiteral("/Olum (Morvisan).desktop")).contains("/opt/antigo/morvisan"));
    }

    void PassamNoValidador_data() {
        QTest::addColumn<QString>("entrada");
        QTest::addRow("atalho") << QStringLiteral("Desktop/Olum (Morvisan).desktop");
        QTest::addRow("atalho com caminho estranho") << QStringLiteral("Desktop/Olum (Morvisan).desktop");
        QTest::addRow("entrada do menu") << QStringLiteral(MORVISAN_INSTALACAO "/morvisan.desktop");
    }

    void PassamNoValidador() {
        QFETCH(QString, entrada);
        const QString validador = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validador.isEmpty())
            QSKIP("desktop-file-validate não instalado (pacote desktop-file-utils)");
        if (QString::fromLatin1(QTest::currentDataTag()).contains(QStringLiteral("estranho")))
            QVERIFY(Cria("/opt/Meu \"Morvis\xe3o\" $1/100%/morvisan", "/opt/Meu Morvis\xe3o\\/"));
        else
            QVERIFY(Cria());
        QProcess processo;
        processo.setProcessChannelMode(QProcess::MergedChannels);
        processo.start(validador, {QDir(Casa()).absoluteFilePath(entrada)});
        QVERIFY(processo.waitForFinished());
        const QByteArray saida = processo.readAll();
        QVERIFY2(processo.exitCode() == 0 && saida.isEmpty(), saida.constData());
    }
};

QTEST_MAIN(TesteAtalho)
#include "TesteAtalho.moc"
