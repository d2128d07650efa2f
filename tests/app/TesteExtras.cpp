// Bases extras pelo menu "&Serviços", "Base extras": diálogo, caixa de conclusão, estado do menu, falhas.
#include "SistemaTeste.h"

#include "DivisoesBrasil.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

using Tipo = DialogosFalsos::Tipo;

namespace {

QAction* Item(SistemaTeste& s, const char* nome) {
    return Acha<QAction>(&s.Trad(), QString::fromLatin1(nome));
}

} // namespace

class TesteExtras : public QObject {
    Q_OBJECT
private slots:
    void importa_data();
    void importa();
    void cancelarNaoMudaNada();
    void modeloFaltando();
    void arquivoIlegivelGuardaACopia();
    void importaDaDivisao_data();
    void importaDaDivisao();
    void semAsListasODaDivisaoDizPorque();
};

void TesteExtras::importa_data() {
    QTest::addColumn<QString>("definir");
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QString>("conclusao");
    QTest::newRow("municípios") << QStringLiteral("Definir1") << QStringLiteral("base1")
                                << QStringLiteral("municipios.csv")
                                << QStringLiteral("Processo concluído.\n\nLinhas lidas: 4\nRegistros incluídos: 3\n"
                                                  "Avisos: 1\nlinha 3: linha de títulos pulada 'sem separador'\n");
    // A sigla com mais de 2 caracteres é cortada e avisada com o texto inteiro.
    QTest::newRow("UFs") << QStringLiteral("Definir2") << QStringLiteral("base2") << QStringLiteral("ufs.csv")
                         << QStringLiteral("Processo concluído.\n\nLinhas lidas: 2\nRegistros incluídos: 2\n"
                                           "Avisos: 1\nlinha 2, SG_UF: cortado 'Sul'\n");
}

void TesteExtras::importa() {
    QFETCH(QString, definir);
    QFETCH(QString, estado);
    QFETCH(QString, arquivo);
    QFETCH(QString, conclusao);
    SistemaTeste s([](SistemaTeste& t) {
        t.CopiaDado(QStringLiteral("municipios.csv"), QStringLiteral("municipios.csv"));
        t.Escreve(QStringLiteral("ufs.csv"), "35;SP\r\n43; Sul\r\n");
    });
    s.dialogos.ProximoArquivo(s.Caminho(arquivo));
    Acha<QAction>(&s.Trad(), definir)->trigger();

    const auto dialogos = s.dialogos.ChamadasDo(Tipo::AbreArquivo);
    QCOMPARE(dialogos.size(), std::size_t(1));
    QVERIFY(dialogos[0].texto.startsWith(QStringLiteral("CSV (Texto separado por ;) (")));
    QVERIFY(dialogos[0].texto.contains(QStringLiteral("*.CSV")));
    QCOMPARE(s.dialogos.esperas, 1);
    QVERIFY(!s.dialogos.emEspera);
    QCOMPARE(s.dialogos.Textos(Tipo::Mensagem), QStringList{conclusao});
    auto* item = Acha<QAction>(&s.Trad(), estado);
    QCOMPARE(item->text(), QStringLiteral("Ativo."));
    QVERIFY(item->isEnabled());

    // A próxima partida acha a cópia com registros: continua ativa.
    s.CriaJanelas();
    QCOMPARE(Acha<QAction>(&s.Trad(), estado)->text(), QStringLiteral("Ativo."));
}

void TesteExtras::cancelarNaoMudaNada() {
    SistemaTeste s;
    s.dialogos.ProximoArquivo(QString());
    Item(s, "Definir1")->trigger();
    QCOMPARE(s.dialogos.Chamadas().size(), std::size_t(1));
    QCOMPARE(s.dialogos.esperas, 0);
    QCOMPARE(Item(s, "base1")->text(), QStringLiteral("<vazio>"));
    QVERIFY(!QFile::exists(s.Caminho(QStringLiteral("sistema/Bases1"))));
}

void TesteExtras::modeloFaltando() {
    SistemaTeste s([](SistemaTeste& t) {
        t.CopiaDado(QStringLiteral("municipios.csv"), QStringLiteral("municipios.csv"));
        QVERIFY(QFile::remove(t.Caminho(QStringLiteral("sistema/Bases0/DEF_MUN.DBF"))));
    });
    s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("municipios.csv")));
    Item(s, "Definir1")->trigger();
    const auto caixas = s.dialogos.ChamadasDo(Tipo::Mensagem);
    QCOMPARE(caixas.size(), std::size_t(1));
    QCOMPARE(caixas[0].titulo, QStringLiteral("Erro!"));
    QCOMPARE(caixas[0].texto, QStringLiteral("Falha ao copiar.\n\nFalta o arquivo \"") +
                                  s.Caminho(QStringLiteral("sistema/Bases0/DEF_MUN.dbf\".")));
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Erro).empty());
    QVERIFY(!s.dialogos.emEspera);
    QCOMPARE(Item(s, "base1")->text(), QStringLiteral("<vazio>"));
    QVERIFY(!Item(s, "base1")->isEnabled());
}

// Uma importação que falha no meio não apaga a base que já estava ativa.
void TesteExtras::arquivoIlegivelGuardaACopia() {
    SistemaTeste s(
        [](SistemaTeste& t) { t.CopiaDado(QStringLiteral("municipios.csv"), QStringLiteral("municipios.csv")); });
    s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("municipios.csv")));
    Item(s, "Definir1")->trigger();
    const std::string copia = s.Le(QStringLiteral("sistema/Bases1/DEF_MUN.dbf"));
    s.dialogos.Esquece();

    s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("nao-existe.csv")));
    Item(s, "Definir1")->trigger();
    const auto erros = s.dialogos.ChamadasDo(Tipo::Erro);
    QCOMPARE(erros.size(), std::size_t(1));
    QVERIFY2(erros[0].texto.contains(QStringLiteral("nao-existe.csv")), qPrintable(erros[0].texto));
    QVERIFY(erros[0].texto.endsWith(u'.'));
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Mensagem).empty());
    QVERIFY(!s.dialogos.emEspera);
    QCOMPARE(s.Le(QStringLiteral("sistema/Bases1/DEF_MUN.dbf")), copia);
    QCOMPARE(Item(s, "base1")->text(), QStringLiteral("Ativo."));
}

void TesteExtras::importaDaDivisao_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QString>("conclusao");
    QTest::newRow("municípios de 2013") << QStringLiteral("DivisaoMunicipios") << QStringLiteral("base1")
                                        << QStringLiteral("Linhas lidas: 5570\nRegistros incluídos: 5570\n");
    QTest::newRow("UFs de 2013") << QStringLiteral("DivisaoUfs") << QStringLiteral("base2")
                                 << QStringLiteral("Linhas lidas: 27\nRegistros incluídos: 27\n");
}

void TesteExtras::importaDaDivisao() {
    QFETCH(QString, menu);
    QFETCH(QString, estado);
    QFETCH(QString, conclusao);
    SistemaTeste s([](SistemaTeste& t) {
        QFile listas(QString::fromStdString(ArquivoDivisoesBrasil(MORVISAN_DIR_SISTEMA)));
        QVERIFY(listas.open(QIODevice::ReadOnly));
        t.Escreve(QStringLiteral("sistema/dados/divisoes-brasil.csv"), listas.readAll().toStdString());
    });
    auto* anos = Acha<QMenu>(&s.Trad(), menu);
    emit anos->aboutToShow();
    Acha<QAction>(anos, menu + QStringLiteral("2013"))->trigger();
    QCOMPARE(s.dialogos.ChamadasDo(Tipo::AbreArquivo).size(), std::size_t(0));
    const QStringList mensagens = s.dialogos.Textos(Tipo::Mensagem);
    QCOMPARE(mensagens.size(), 1);
    QVERIFY2(mensagens[0].endsWith(conclusao), qPrintable(mensagens[0]));
    QCOMPARE(Acha<QAction>(&s.Trad(), estado)->text(), QStringLiteral("Ativo."));
    QVERIFY(!s.dialogos.emEspera);
}

void TesteExtras::semAsListasODaDivisaoDizPorque() {
    SistemaTeste s;
    auto* anos = Acha<QMenu>(&s.Trad(), QStringLiteral("DivisaoMunicipios"));
    emit anos->aboutToShow();
    QCOMPARE(anos->actions().size(), 1);
    QVERIFY(!anos->actions()[0]->isEnabled());
    QVERIFY2(anos->actions()[0]->text().contains(QStringLiteral("não foi encontrada")),
             qPrintable(anos->actions()[0]->text()));
    QCOMPARE(Item(s, "base1")->text(), QStringLiteral("<vazio>"));
}

QTEST_MAIN(TesteExtras)
#include "TesteExtras.moc"
