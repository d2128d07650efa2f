// Impressão do resultado: diálogo, cursor, falhas na caixa geral e o texto que chega ao PDF.
#include "DialogosFalsos.h"
#include "Impressao.h"
#include "ImpressoraLinhas.h"
#include "Motor.h"
#include "Tabela.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// Tira a margem esquerda que o pdftotext acrescenta: o menor recuo das linhas com texto.
QString SemMargem(const QString& texto) {
    QStringList linhas = texto.split(u'\n');
    qsizetype margem = -1;
    for (const QString& linha : linhas) {
        const QString semSalto = QString(linha).remove(u'\f');
        qsizetype recuo = 0;
        while (recuo < semSalto.size() && semSalto[recuo] == u' ')
            ++recuo;
        if (recuo < semSalto.size() && (margem < 0 || recuo < margem))
            margem = recuo;
    }
    for (QString& linha : linhas) {
        const qsizetype inicio = linha.startsWith(u'\f') ? 1 : 0;
        linha.remove(inicio, std::min(std::max<qsizetype>(margem, 0), linha.size() - inicio));
    }
    return linhas.join(u'\n');
}

// Texto do PDF em colunas fixas; -fixed 4.8 devolve as linhas do relatório caractere a caractere.
QString TextoDoPdf(const QString& pdf) {
    QProcess leitor;
    leitor.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                               QStringLiteral("4.8"), pdf, QStringLiteral("-")});
    if (!leitor.waitForFinished(30000) || leitor.exitCode() != 0)
        return QStringLiteral("<pdftotext falhou>");
    return SemMargem(QString::fromUtf8(leitor.readAllStandardOutput()));
}

// Altura (yMin, em pontos, a partir do topo da página) de cada palavra do PDF, na ordem do texto.
QList<std::pair<QString, double>> AlturasDasPalavras(const QString& pdf) {
    QProcess leitor;
    leitor.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<std::pair<QString, double>> palavras;
    if (!leitor.waitForFinished(30000))
        return palavras;
    const QRegularExpression palavra(QStringLiteral("<word [^>]*yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (const QRegularExpressionMatch& achado : palavra.globalMatch(QString::fromUtf8(leitor.readAllStandardOutput())))
        palavras.append({achado.captured(2), achado.captured(1).toDouble()});
    return palavras;
}

// pdftotext termina cada página com um salto de página.
int Paginas(const QString& texto) {
    return static_cast<int>(texto.count(u'\f'));
}

} // namespace

class TesteImpressao : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> pasta;
    std::unique_ptr<Motor> motor;
    std::unique_ptr<Tabela> final;
    std::unique_ptr<QPrinter> impressoraDaSessao;
    Ajustes ajustes;
    DialogosFalsos dialogos;
    const QDate hoje{2026, 2, 1};

    QString Pdf() const { return pasta->filePath(QStringLiteral("relatorio.pdf")); }

    void IncluiVarios(int quantos) {
        for (int i = 1; i <= quantos; ++i) {
            final->Inclui();
            final->DefineInteiro("CD_UF", 35);
            final->DefineInteiro("CD_MUN", i);
            final->DefineTexto("UF", "SP");
            final->DefineTexto("MUN", "S\xe3o Jos\xe9 " + std::to_string(i));
            final->DefineInteiro("POP1", 1000 + i);
            final->DefineInteiro("POP2", 2000 + i);
            final->Posta();
        }
    }

    // A camada de impressão sozinha, em Courier 8 num PDF.
    void EscreveNoPdf(const std::vector<std::string>& linhas) const {
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(Pdf());
        ImpressoraLinhas saida(impressora);
        saida.Inicia();
        saida.DefineFonte(QStringLiteral("Courier"), 8);
        for (const std::string& linha : linhas)
            saida.Escreve(linha);
        saida.Termina();
    }

    void ImprimeEmPdf() {
        dialogos.ProximaImpressao(true, Pdf());
        ImprimeResultado(nullptr, dialogos, *impressoraDaSessao, *final, ajustes, hoje);
    }

private slots:
    void init() {
        pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(QFile::copy(QStringLiteral(MORVISAN_DIR_SISTEMA "Bases0/FINAL.DBF"),
                            pasta->filePath(QStringLiteral("FINAL.DBF"))));
        motor = std::make_unique<Motor>();
        final = std::make_unique<Tabela>(*motor);
        final->DefinePasta(pasta->path().toStdString() + "/");
        final->DefineNome("FINAL.DBF");
        final->Abre();
        impressoraDaSessao = std::make_unique<QPrinter>(QPrinter::HighResolution);
        ajustes = Ajustes{};
        ajustes.regional.formatoDataCurta = "dd/MM/yyyy";
        dialogos = DialogosFalsos{};
    }

    void cleanup() {
        impressoraDaSessao.reset();
        final.reset();
        motor.reset();
        pasta.reset();
    }

    void CentoEVinteRegistrosEmTresPaginas() {
        IncluiVarios(120);
        ImprimeEmPdf();
        QVERIFY(dialogos.Textos(DialogosFalsos::Tipo::Erro).isEmpty());
        QCOMPARE(dialogos.esperas, 1);
        QVERIFY(!dialogos.emEspera);
        const QString texto = TextoDoPdf(Pdf());
        QCOMPARE(Paginas(texto), 3);
        QVERIFY2(texto.startsWith(QStringLiteral("01/02/2026 - Resultado da tradução")), qPrintable(texto.left(80)));
        QVERIFY(texto.contains(QStringLiteral("CD_UF CD_MUN UF MUN          POP1 POP2")));
        QVERIFY(texto.contains(QStringLiteral("35    7      SP São José 7   1007 2007")));
        const QStringList paginas = texto.split(u'\f');
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(paginas[i].trimmed().endsWith(QStringLiteral("Página %1").arg(i + 1)), qPrintable(paginas[i]));
            QCOMPARE(paginas[i].count(QStringLiteral("Resultado da tradução")), 1);
        }
        QVERIFY(paginas[1].contains(QStringLiteral("São José 51 ")));
        QVERIFY(paginas[2].contains(QStringLiteral("São José 120 ")));
        // Os 120 registros voltam inteiros, cada um na sua linha.
        for (int i = 1; i <= 120; ++i)
            QVERIFY(texto.contains(QStringLiteral("\n35    %1 SP São José %2 %3 %4\n")
                                       .arg(i, -6)
                                       .arg(i, -3)
                                       .arg(1000 + i, -4)
                                       .arg(2000 + i)));
        QVERIFY(final->Fim());
        QCOMPARE(final->RegistroAtual(), 120);
    }

    void CancelarNaoMudaNada() {
        IncluiVarios(3);
        final->Primeiro();
        dialogos.ProximaImpressao(false);
        ImprimeResultado(nullptr, dialogos, *impressoraDaSessao, *final, ajustes, hoje);
        QCOMPARE(dialogos.esperas, 0);
        QCOMPARE(dialogos.normais, 0);
        QCOMPARE(final->RegistroAtual(), 1);
        QVERIFY(!final->Fim());
        QVERIFY(!QFile::exists(Pdf()));
        QVERIFY(dialogos.Textos(DialogosFalsos::Tipo::Erro).isEmpty());
    }

    void LinhasInuteisRecusadasAntesDoDialogo_data() {
        QTest::addColumn<QString>("linhas");
        QTest::addRow("vazio") << QString();
        QTest::addRow("zero") << QStringLiteral("0");
        QTest::addRow("zero zero") << QStringLiteral("00");
    }

    // O tamanho da página é conferido antes do diálogo: nenhum trabalho começa e nenhum arquivo fica.
    void LinhasInuteisRecusadasAntesDoDialogo() {
        QFETCH(QString, linhas);
        IncluiVarios(3);
        final->Primeiro();
        ajustes.Linhas = linhas.toStdString();
        ImprimeEmPdf();
        QCOMPARE(dialogos.Textos(DialogosFalsos::Tipo::Erro),
                 QStringList{QStringLiteral("Informe de 1 a 99 linhas de relatório.")});
        QVERIFY(dialogos.ChamadasDo(DialogosFalsos::Tipo::EscolheImpressora).empty());
        QCOMPARE(dialogos.esperas, 0);
        QVERIFY(!dialogos.emEspera);
        QVERIFY(!QFile::exists(Pdf()));
        QCOMPARE(final->RegistroAtual(), 1);
    }

    // A impressora é a da sessão: a próxima impressão parte da escolha anterior, também depois de
    // uma recusa.
    void ImpressoraGuardaAEscolhaEntreImpressoes() {
        IncluiVarios(3);
        ajustes.Linhas = "0";
        dialogos.ProximaImpressao(true, Pdf());
        ImprimeResultado(nullptr, dialogos, *impressoraDaSessao, *final, ajustes, hoje);
        QCOMPARE(dialogos.Textos(DialogosFalsos::Tipo::Erro).size(), 1);
        ajustes.Linhas = "50";
        ImprimeResultado(nullptr, dialogos, *impressoraDaSessao, *final, ajustes, hoje);
        QVERIFY(QFile::remove(Pdf()));
        dialogos.ProximaImpressao(true);
        ImprimeResultado(nullptr, dialogos, *impressoraDaSessao, *final, ajustes, hoje);
        QCOMPARE(dialogos.Textos(DialogosFalsos::Tipo::EscolheImpressora), QStringList({QString(), Pdf()}));
        QCOMPARE(dialogos.Textos(DialogosFalsos::Tipo::Erro).size(), 1);
        QVERIFY(TextoDoPdf(Pdf()).contains(QStringLiteral("35    3      SP")));
    }

    void BaseVaziaComecaETerminaOTrabalhoSemTexto() {
        ImprimeEmPdf();
        QVERIFY(dialogos.Textos(DialogosFalsos::Tipo::Erro).isEmpty());
        QVERIFY(QFile::exists(Pdf()));
        QCOMPARE(TextoDoPdf(Pdf()).trimmed(), QString());
    }

    void DestinoQueNaoGravaMostraAFalha() {
        IncluiVarios(2);
        dialogos.ProximaImpressao(true, pasta->filePath(QStringLiteral("nao/existe/relatorio.pdf")));
        ImprimeResultado(nullptr, dialogos, *impressoraDaSessao, *final, ajustes, hoje);
        const QStringList erros = dialogos.Textos(DialogosFalsos::Tipo::Erro);
        QCOMPARE(erros.size(), 1);
        QVERIFY2(erros[0].startsWith(QStringLiteral("Não foi possível iniciar a impressão em")), qPrintable(erros[0]));
        QVERIFY(!dialogos.emEspera);
    }

    // A camada de impressão sozinha: salto de página, página cheia e linha mais larga que a folha.
    void SaltoDePaginaDeixaUmaLinhaEmBrancoNoTopo() {
        EscreveNoPdf({"primeira", "rodape\f", "segunda"});
        const QStringList paginas = TextoDoPdf(Pdf()).split(u'\f');
        QCOMPARE(paginas.size(), 3);
        QCOMPARE(paginas[0], QStringLiteral("primeira\nrodape\n"));
        QCOMPARE(paginas[1], QStringLiteral("segunda\n"));
        // O texto da página nova começa uma linha abaixo do topo, por causa do avanço de linha que
        // segue o salto.
        const auto alturas = AlturasDasPalavras(Pdf());
        QCOMPARE(alturas.size(), 3);
        const double entreLinhas = alturas[1].second - alturas[0].second;
        QVERIFY(entreLinhas > 5);
        QVERIFY(std::abs(alturas[2].second - alturas[0].second - entreLinhas) < 0.1);
    }

    void PaginaCheiaComecaOutraSozinha() {
        std::vector<std::string> linhas;
        for (int i = 1; i <= 200; ++i)
            linhas.push_back("linha " + std::to_string(i));
        EscreveNoPdf(linhas);
        const QString texto = TextoDoPdf(Pdf());
        QVERIFY(Paginas(texto) >= 2);
        for (int i = 1; i <= 200; ++i)
            QVERIFY(texto.contains(QStringLiteral("linha %1\n").arg(i)));
    }

    // Sem brancos na linha: o pdftotext tira o branco do fim de cada pedaço, e o corte cai em lugares
    // diferentes conforme a face; assim juntar os pedaços devolve a linha em qualquer uma.
    void LinhaLargaContinuaNaDeBaixo() {
        std::string larga;
        for (int i = 0; i < 30; ++i)
            larga += "bloco" + std::to_string(i % 10) + "xyz;";
        EscreveNoPdf({larga});
        const QStringList linhas = TextoDoPdf(Pdf()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(linhas.size() >= 3, qPrintable(linhas.join(u'|')));
        QString junto;
        for (const QString& linha : linhas)
            if (!linha.startsWith(u'\f'))
                junto += linha.trimmed();
        QCOMPARE(junto, QString::fromLatin1(larga));
    }

    // A face de passo fixo é a Liberation Mono, seja qual for a que o sistema dá para "Courier".
    void FaceDePassoFixoEscolhidaPeloPrograma() {
        EscreveNoPdf({"CD_UF CD_MUN"});
        QProcess fontes;
        fontes.start(QStringLiteral("pdffonts"), {Pdf()});
        QVERIFY(fontes.waitForFinished(30000));
        const QString lista = QString::fromUtf8(fontes.readAllStandardOutput());
        QVERIFY2(lista.contains(QStringLiteral("LiberationMono")), qPrintable(lista));
    }
};

QTEST_MAIN(TesteImpressao)
#include "TesteImpressao.moc"
