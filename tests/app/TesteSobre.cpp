// A caixa "Sobre o sistema": formatos dos números, rótulos, cores e o preenchimento a cada ativação.
#include "InfoSistema.h"
#include "Sobre_.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TesteSobre : public QObject {
    Q_OBJECT

private:
    static QString Texto(const TSobre& caixa, const char* nome) {
        const auto* rotulo = caixa.findChild<QLabel*>(QString::fromLatin1(nome));
        return rotulo != nullptr ? rotulo->text() : QStringLiteral("<sem rótulo %1>").arg(QString::fromLatin1(nome));
    }

private slots:
    void EspacoDeDisco_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("texto");
        QTest::addRow("falhou") << qint64{-1} << QStringLiteral("-1 bytes");
        QTest::addRow("zero") << qint64{0} << QStringLiteral("0 bytes");
        QTest::addRow("1023") << qint64{1023} << QStringLiteral("1023 bytes");
        QTest::addRow("1024") << qint64{1024} << QStringLiteral("1.00 Kbytes");
        QTest::addRow("300 MB sem degrau de mega") << qint64{300} * 1024 * 1024 << QStringLiteral("307200.00 Kbytes");
        QTest::addRow("um abaixo de 2^30") << (qint64{1} << 30) - 1 << QStringLiteral("1048576.00 Kbytes");
        QTest::addRow("2^30") << (qint64{1} << 30) << QStringLiteral("1.00 Gbytes");
        QTest::addRow("1,5 x 2^30") << (qint64{3} << 29) << QStringLiteral("1.50 Gbytes");
        QTest::addRow("1 TB") << (qint64{1} << 40) << QStringLiteral("1024.00 Gbytes");
    }

    // Ponto e duas casas nos dois ajustes regionais.
    void EspacoDeDisco() {
        QFETCH(qint64, bytes);
        QFETCH(QString, texto);
        QCOMPARE(QString::fromStdString(TextoEspacoDisco(bytes, ',')), texto);
        QCOMPARE(QString::fromStdString(TextoEspacoDisco(bytes, '.')), texto);
    }

    void Memoria_data() {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<char>("separador");
        QTest::addColumn<QString>("texto");
        QTest::addRow("ponto") << quint64{523744} * 1024 << '.' << QStringLiteral("523.744 KB");
        QTest::addRow("virgula") << quint64{523744} * 1024 << ',' << QStringLiteral("523,744 KB");
        QTest::addRow("arredonda") << quint64{1536} << '.' << QStringLiteral("2 KB");
        QTest::addRow("milhoes") << quint64{16318412} * 1024 << '.' << QStringLiteral("16.318.412 KB");
        QTest::addRow("tres digitos") << quint64{999} * 1024 << '.' << QStringLiteral("999 KB");
    }

    void Memoria() {
        QFETCH(quint64, bytes);
        QFETCH(char, separador);
        QFETCH(QString, texto);
        QCOMPARE(QString::fromStdString(TextoMemoria(bytes, separador)), texto);
    }

    void Versao_data() {
        QTest::addColumn<QString>("lancamento");
        QTest::addColumn<QString>("texto");
        QTest::addRow("sem resto") << QStringLiteral("5.15.0") << QStringLiteral("Linux.5.15.0.");
        QTest::addRow("debian") << QStringLiteral("6.1.0-18-amd64") << QStringLiteral("Linux.6.1.0.18-amd64");
        QTest::addRow("sem compilacao") << QStringLiteral("6.5-rc1") << QStringLiteral("Linux.6.5.0.rc1");
        QTest::addRow("ubuntu") << QStringLiteral("5.15.0-91-generic") << QStringLiteral("Linux.5.15.0.91-generic");
    }

    void Versao() {
        QFETCH(QString, lancamento);
        QFETCH(QString, texto);
        QCOMPARE(QString::fromStdString(TextoVersao("Linux", lancamento.toStdString())), texto);
    }

    void TelaECarga() {
        QCOMPARE(QString::fromStdString(TextoTela(1024, 768)), QStringLiteral("1024x768"));
        QVERIFY(PedeAvisoTela(640));
        QVERIFY(PedeAvisoTela(799));
        QVERIFY(!PedeAvisoTela(800));
        QCOMPARE(QString::fromStdString(TextoCargaMemoria(37)), QStringLiteral("37 %"));
    }

    void ConsultasDoLinux() {
        QVERIFY(ConsultaVersaoNucleo().has_value());
        const EstadoMemoria memoria = ConsultaMemoria();
        QVERIFY(memoria.totalBytes > 0);
        QVERIFY(memoria.cargaPorcento >= 0 && memoria.cargaPorcento <= 100);
        QVERIFY(ConsultaEspacoLivre("/") >= 0);
        QCOMPARE(ConsultaEspacoLivre("/caminho/que/nao/existe"), qint64{-1});
    }

    void JanelaComoDesenhada() {
        const Ajustes ajustes;
        const TSobre caixa(ajustes);
        QVERIFY(caixa.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(caixa.size(), QSize(372, 289));
        const std::pair<const char*, QString> iniciais[] = {
            {"VersaoWin", QStringLiteral("VersaoWin")},
            {"VersaoOlum", QStringLiteral("1.1")},
            {"AData", QStringLiteral("A data de criação")},
            {"AHora", QStringLiteral("A hora da criação")},
            {"OCaminho", QStringLiteral("Local de instalação")},
            {"MemFisica", QStringLiteral("MemFisica")},
            {"RecLivres", QStringLiteral("RecLivres")},
            {"EspDisco", QStringLiteral("EspDisco")},
            {"ResTela", QStringLiteral("ResTela")},
            {"ResOBS", QStringLiteral("Recomenda-se 800x600 ou mais")},
        };
        for (const auto& [nome, texto] : iniciais)
            QCOMPARE(Texto(caixa, nome), texto);
        QCOMPARE(caixa.findChild<QLabel*>(QStringLiteral("OCaminho"))->size(), QSize(158, 31));
        QVERIFY(caixa.findChild<QLabel*>(QStringLiteral("OCaminho"))->wordWrap());
        QCOMPARE(caixa.findChild<QPushButton*>(QStringLiteral("FechaSobre"))->text(), QStringLiteral("&Fechar"));

        QStringList vermelhos, azuis;
        bool credito = false;
        for (const QLabel* rotulo : caixa.findChildren<QLabel*>()) {
            const QColor cor = rotulo->palette().color(QPalette::WindowText);
            if (cor == Qt::red)
                vermelhos << rotulo->text();
            else if (cor == Qt::blue && rotulo->font().bold())
                azuis << rotulo->text();
            credito = credito || rotulo->text() == QStringLiteral("Desenvolvido para a Fundação Velmora");
        }
        QVERIFY(credito);
        QCOMPARE(azuis, (QStringList{QStringLiteral("Versões"), QStringLiteral("Recursos de sistema")}));
        QCOMPARE(vermelhos.size(), 9);
        QVERIFY(vermelhos.contains(QStringLiteral("Situação geral (livre)")));
        const auto* painel = caixa.findChild<QFrame*>();
        QCOMPARE(painel->palette().color(QPalette::Window), QColor(204, 234, 227));
        QCOMPARE(painel->lineWidth(), 5);
        QCOMPARE(painel->frameShadow(), QFrame::Sunken);
    }

    // Cada ativação recalcula: o separador trocado entre duas exibições aparece na segunda. O local de
    // instalação é o do executável, seja qual for a pasta dos modelos.
    void AtivacaoPreencheEFecharEncerra() {
        Ajustes ajustes;
        ajustes.DefinePastas({"/usr/share/morvisan/", "/home/fulano/.local/share/morvisan/"});
        TSobre caixa(ajustes);
        for (const char separador : {'.', ','}) {
            ajustes.regional.separadorMilhar = separador;
            QString caminho, versao, memoria, disco, tela;
            bool avisoVisivel = true;
            QTimer::singleShot(0, &caixa, [&] {
                QTRY_VERIFY(caixa.isActiveWindow());
                QTRY_VERIFY(Texto(caixa, "VersaoWin") != QStringLiteral("VersaoWin"));
                caminho = Texto(caixa, "OCaminho");
                versao = Texto(caixa, "VersaoWin");
                memoria = Texto(caixa, "MemFisica");
                disco = Texto(caixa, "EspDisco");
                tela = Texto(caixa, "ResTela");
                avisoVisivel = caixa.findChild<QLabel*>(QStringLiteral("ResOBS"))->isVisible();
                QTest::mouseClick(caixa.findChild<QPushButton*>(QStringLiteral("FechaSobre")), Qt::LeftButton);
            });
            QCOMPARE(caixa.exec(), int(QDialog::Accepted));
            QCOMPARE(caminho, QCoreApplication::applicationDirPath() + u'/');
            QVERIFY2(versao.startsWith(QStringLiteral("Linux.")), qPrintable(versao));
            QVERIFY2(memoria.endsWith(QStringLiteral(" KB")), qPrintable(memoria));
            QVERIFY2(memoria.contains(QChar::fromLatin1(separador)), qPrintable(memoria));
            QVERIFY2(disco.endsWith(QStringLiteral("bytes")), qPrintable(disco));
            QVERIFY2(tela.contains(u'x'), qPrintable(tela));
            QCOMPARE(avisoVisivel, tela.section(u'x', 0, 0).toInt() < 800);
            QVERIFY(Texto(caixa, "AData").contains(u'/'));
            QCOMPARE(Texto(caixa, "AHora").count(u':'), 2);
        }
    }
};

QTEST_MAIN(TesteSobre)
#include "TesteSobre.moc"
