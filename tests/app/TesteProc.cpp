// A rodada pela janela: do "Sim" ao "&Fechar", comparada com o comando em lote; rodada que falha;
// segunda rodada na mesma sessão.
#include "SistemaTeste.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using Tipo = DialogosFalsos::Tipo;

namespace {

// O que se vê na janela de processamento quando a rodada termina, antes de "&Fechar".
struct Retrato {
    bool principalVisivel = true;
    QString situacao;
    QColor corSituacao;
    QStringList contadores;
    QString obs;
    QColor corObs;
    int linhasGrade = -1;
    int colunasGrade = -1;
    QString tituloColuna;
    QString primeiroNome;
    bool tituloNegrito = false;
    // As seis colunas cabem na largura da grade; fora MUN, cada uma mostra inteiros o título e o
    // valor mais largo na fonte da grade, em qualquer linha.
    bool colunasCabem = false;
    QString dicaNome;
    // O memo mostra a sua primeira linha no alto.
    bool obsNoTopo = false;
    int linhaAtual = -1;
    int registroDepoisDoUltimo = -1;
    bool emEspera = false;
    QSize tamanho;
    // O memo mostra três linhas inteiras.
    bool obsTresLinhas = false;
    bool imprimeHabilitado = false;
    int linhaDepoisDeImprimir = -1;
    bool ultimoHabilitadoDepoisDeImprimir = true;
};

void Clica(SistemaTeste& s, const char* botao) {
    QTest::mouseClick(Acha<QPushButton>(&s.Trad(), QString::fromLatin1(botao)), Qt::LeftButton);
}

// Assistente até o passo 3 com as duas bases da pasta corrente e o nome digitado.
void PreparaRodada(SistemaTeste& s, const QString& nome) {
    s.Trad().show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.Trad()));
    ClicaItem(Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo")), QStringLiteral("original.csv"));
    Clica(s, "Proximo");
    ClicaItem(Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo")), QStringLiteral("traducao.csv"));
    Clica(s, "Proximo");
    auto* caixa = Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"));
    caixa->clear();
    Digita(caixa, nome);
}

// Responde Sim, espera a rodada acabar (ou a caixa geral de erro), fotografa a janela e fecha. Com
// pdf, o relatório é impresso nele; sem, o diálogo de impressão é cancelado.
// pelaMoldura: fecha pelo botão de fechar da moldura em vez de "&Fechar". estica: o tamanho que o
// usuário dá à janela antes de fechá-la.
Retrato Roda(SistemaTeste& s, const QString& pdf = QString(), bool pelaMoldura = false, const QSize& estica = {}) {
    Retrato retrato;
    const int esperas = s.dialogos.esperas;
    TProc& proc = s.Proc();
    s.dialogos.ProximaResposta(true);
    // A rodada começou (a ampulheta chegou à tela) e a janela já tratou o fim dela.
    QuandoPronto(
        [&] { return s.dialogos.esperas > esperas && !proc.Rodando(); },
        [&] {
            retrato.principalVisivel = s.Trad().isVisible();
            auto* barra = Acha<QStatusBar>(&proc, QStringLiteral("SitAtual"));
            retrato.situacao = barra->currentMessage();
            retrato.corSituacao = barra->palette().color(QPalette::Window);
            for (const char* nome : {"BO_desc", "BT_DESC", "BF_DESC"})
                retrato.contadores << Acha<QLabel>(&proc, QString::fromLatin1(nome))->text();
            auto* obs = Acha<QPlainTextEdit>(&proc, QStringLiteral("Obs"));
            retrato.obs = obs->toPlainText();
            retrato.obsNoTopo =
                obs->verticalScrollBar()->value() == 0 && obs->cursorForPosition(QPoint(2, 2)).blockNumber() == 0;
            retrato.corObs = obs->palette().color(QPalette::Text);
            auto* grade = Acha<QTableView>(&proc, QStringLiteral("Resultado"));
            QAbstractItemModelTester verificador(grade->model(),
                                                 QAbstractItemModelTester::FailureReportingMode::QtTest);
            retrato.linhasGrade = grade->model()->rowCount();
            retrato.colunasGrade = grade->model()->columnCount();
            retrato.tituloColuna = grade->model()->headerData(0, Qt::Horizontal).toString();
            for (int coluna = 0; coluna < retrato.colunasGrade; ++coluna)
                if (grade->model()->headerData(coluna, Qt::Horizontal).toString() == QStringLiteral("MUN"))
                    retrato.primeiroNome = grade->model()->index(0, coluna).data().toString();
            retrato.colunasCabem = retrato.linhasGrade > 0 && grade->horizontalScrollBar()->maximum() == 0;
            int soma = 0;
            for (int coluna = 0; coluna < retrato.colunasGrade; ++coluna) {
                soma += grade->columnWidth(coluna);
                const QString titulo = grade->model()->headerData(coluna, Qt::Horizontal).toString();
                if (titulo == QStringLiteral("MUN")) {
                    retrato.dicaNome = grade->model()->index(0, coluna).data(Qt::ToolTipRole).toString();
                    continue;
                }
                int texto = QFontMetrics(grade->horizontalHeader()->font()).horizontalAdvance(titulo);
                for (int linha = 0; linha < retrato.linhasGrade; ++linha)
                    texto =
                        std::max(texto, QFontMetrics(grade->font())
                                            .horizontalAdvance(grade->model()->index(linha, coluna).data().toString()));
                // O texto da célula tem a margem do estilo dos dois lados.
                const int margem = grade->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grade) + 1;
                retrato.colunasCabem = retrato.colunasCabem && grade->columnWidth(coluna) >= texto + 2 * margem;
            }
            retrato.colunasCabem = retrato.colunasCabem && soma <= grade->viewport()->width();
            retrato.tituloNegrito = grade->model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold();
            retrato.linhaAtual = grade->currentIndex().row();
            retrato.emEspera = s.dialogos.emEspera;
            auto* imprime = Acha<QToolButton>(&proc, QStringLiteral("Imprime"));
            retrato.imprimeHabilitado = imprime->isEnabled();
            s.dialogos.ProximaImpressao(!pdf.isEmpty(), pdf);
            QTest::mouseClick(imprime, Qt::LeftButton);
            retrato.linhaDepoisDeImprimir = grade->currentIndex().row();
            retrato.ultimoHabilitadoDepoisDeImprimir = Acha<QToolButton>(&proc, QStringLiteral("Ultimo"))->isEnabled();
            auto* ultimo = Acha<QToolButton>(&proc, QStringLiteral("Ultimo"));
            if (ultimo->isEnabled()) {
                QTest::mouseClick(ultimo, Qt::LeftButton);
                retrato.registroDepoisDoUltimo = grade->currentIndex().row();
            }
            retrato.tamanho = proc.size();
            retrato.obsTresLinhas = obs->viewport()->height() >= 3 * obs->fontMetrics().lineSpacing();
            if (estica.isValid())
                proc.resize(estica);
            if (pelaMoldura)
                proc.close();
            else
                QTest::mouseClick(Acha<QPushButton>(&proc, QStringLiteral("Fechar")), Qt::LeftButton);
        });
    Clica(s, "Proximo");
    return retrato;
}

SistemaTeste ComBases() {
    return SistemaTeste([](SistemaTeste& t) {
        t.CopiaDado(QStringLiteral("original.csv"), QStringLiteral("dados/original.csv"));
        t.CopiaDado(QStringLiteral("traducao.csv"), QStringLiteral("dados/traducao.csv"));
    });
}

} // namespace

class TesteProc : public QObject {
    Q_OBJECT
private slots:
    void rodadaIgualAoLote();
    void segundaRodada();
    void rodadaQueFalha_data();
    void rodadaQueFalha();
    void controlesDaJanela();
    void imprimirDeixaAGradeNoUltimo();
    void comBasesExtras_data();
    void comBasesExtras();
    void duranteARodada_data();
    void duranteARodada();
};

void TesteProc::controlesDaJanela() {
    SistemaTeste s;
    TProc& proc = s.Proc();
    QCOMPARE(proc.windowTitle(), QStringLiteral("Tradução"));
    // O tamanho do desenho é o mínimo; a janela pode crescer e ser maximizada.
    QCOMPARE(proc.minimumSize(), QSize(313, 343));
    QVERIFY(proc.windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(Acha<QStatusBar>(&proc, QStringLiteral("SitAtual"))->currentMessage(),
             QStringLiteral("Tradução em andamento..."));
    QCOMPARE(Acha<QToolButton>(&proc, QStringLiteral("Imprime"))->toolTip(), QStringLiteral("Imprimir resultado"));
    auto* fechar = Acha<QPushButton>(&proc, QStringLiteral("Fechar"));
    QCOMPARE(fechar->text(), QStringLiteral("&Fechar"));
    QVERIFY(fechar->font().bold());
    const std::pair<const char*, QString> dicas[] = {{"Primeiro", QStringLiteral("Primeiro registro")},
                                                     {"Anterior", QStringLiteral("Registro anterior")},
                                                     {"Proximo", QStringLiteral("Próximo registro")},
                                                     {"Ultimo", QStringLiteral("Último registro")}};
    for (const auto& [nome, dica] : dicas)
        QCOMPARE(Acha<QToolButton>(&proc, QString::fromLatin1(nome))->toolTip(), dica);
    QCOMPARE(Acha<QPlainTextEdit>(&proc, QStringLiteral("Obs"))->toPlainText(), QStringLiteral("Obs"));
    QCOMPARE(Acha<QPlainTextEdit>(&proc, QStringLiteral("Obs"))->palette().color(QPalette::Text), QColor(255, 0, 0));
}

void TesteProc::rodadaIgualAoLote() {
    SistemaTeste s = ComBases();
    s.Trad().ajustes().regional.separadorDecimal = '.';
    s.Trad().ajustes().regional.separadorMilhar = ',';
    PreparaRodada(s, QStringLiteral("RES"));
    const Retrato r = Roda(s);

    QVERIFY(!r.principalVisivel);
    QCOMPARE(r.situacao, QStringLiteral("Fim - São 5 registros."));
    QCOMPARE(r.corSituacao, QApplication::palette().color(QPalette::Button));
    QCOMPARE(r.contadores, QStringList({QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("+1")}));
    QCOMPARE(r.corObs, QColor(255, 0, 0));
    QVERIFY(r.obs.contains(QStringLiteral("UF(s) nao encontrada(s).")));
    QCOMPARE(r.linhasGrade, 5);
    QCOMPARE(r.colunasGrade, 6);
    QCOMPARE(r.tituloColuna, QStringLiteral("CD_UF"));
    QVERIFY(r.tituloNegrito);
    QVERIFY(r.colunasCabem);
    QVERIFY(r.obsNoTopo);
    QCOMPARE(r.linhaAtual, 0);
    QCOMPARE(r.registroDepoisDoUltimo, 4);
    QVERIFY(!r.emEspera);
    QVERIFY(r.imprimeHabilitado);
    QCOMPARE(r.linhaDepoisDeImprimir, 0);
    QCOMPARE(s.dialogos.ChamadasDo(Tipo::EscolheImpressora).size(), std::size_t(1));
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Erro).empty());
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Mensagem).empty());

    // Fechada a janela, a principal volta no passo 3 com tudo o que foi escolhido.
    QVERIFY(!s.Proc().isVisible());
    QVERIFY(s.Trad().isVisible());
    QCOMPARE(s.Trad().Passo(), 3);
    QCOMPARE(Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"))->text(), QStringLiteral("RES"));
    QCOMPARE(Acha<QLabel>(&s.Trad(), QStringLiteral("BO"))->text(), QStringLiteral("OK"));
    // A lista de arquivos já mostra o que a rodada gravou.
    const auto gravados = Acha<QListWidget>(&s.Trad(), QStringLiteral("Arquivo"));
    for (const QString& nome : {QStringLiteral("RES.CSV"), QStringLiteral("comp.CSV")})
        QVERIFY2(!gravados->findItems(nome, Qt::MatchExactly).isEmpty(), qPrintable(nome));

    const QString sistemaLote = s.Caminho(QStringLiteral("lote"));
    QDir().mkpath(sistemaLote + QStringLiteral("/Bases0"));
    QDir().mkpath(s.Caminho(QStringLiteral("saida-lote")));
    const QDir modelos(s.Caminho(QStringLiteral("sistema/Bases0")));
    for (const QString& modelo : modelos.entryList(QDir::Files))
        QFile::copy(modelos.filePath(modelo), sistemaLote + QStringLiteral("/Bases0/") + modelo);
    QProcess lote;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    lote.setProcessEnvironment(ambiente);
    lote.start(QStringLiteral(MORVISAN_LOTE),
               {QStringLiteral("--sistema"), sistemaLote, QStringLiteral("traduzir"),
                s.Caminho(QStringLiteral("dados/original.csv")), s.Caminho(QStringLiteral("dados/traducao.csv")),
                s.Caminho(QStringLiteral("saida-lote")), QStringLiteral("RES")});
    QVERIFY(lote.waitForFinished(60000));
    // Sem bases extras a rodada termina com os achados dos nomes e siglas que faltam.
    QCOMPARE(lote.exitCode(), 4);
    for (const char* arquivo : {"RES.CSV", "comp.CSV", "Morvisan.Log"}) {
        const std::string janela = s.Le(QStringLiteral("dados/") + QString::fromLatin1(arquivo));
        QVERIFY2(janela != "<não existe>", arquivo);
        QCOMPARE(janela, s.Le(QStringLiteral("saida-lote/") + QString::fromLatin1(arquivo)));
    }
}

// O relatório deixa a tabela depois do último registro: a grade e o navegador terminam nele.
void TesteProc::imprimirDeixaAGradeNoUltimo() {
    SistemaTeste s = ComBases();
    PreparaRodada(s, QStringLiteral("RES"));
    const Retrato r = Roda(s, s.Caminho(QStringLiteral("relatorio.pdf")));
    QVERIFY(QFile::exists(s.Caminho(QStringLiteral("relatorio.pdf"))));
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Erro).empty());
    QCOMPARE(r.linhaDepoisDeImprimir, 4);
    QVERIFY(!r.ultimoHabilitadoDepoisDeImprimir);
}

// A segunda rodada parte de cópias novas: mesmo resultado, e o memo volta do estado da anterior. A
// primeira janela é fechada pela moldura, que vale "&Fechar": as tabelas foram fechadas.
void TesteProc::segundaRodada() {
    SistemaTeste s = ComBases();
    PreparaRodada(s, QStringLiteral("PRIMEIRA"));
    const Retrato primeira = Roda(s, QString(), true, QSize(640, 480));
    QVERIFY(!s.Proc().isVisible());
    QVERIFY(s.Trad().isVisible());
    auto* caixa = Acha<QLineEdit>(&s.Trad(), QStringLiteral("NovoArquivo"));
    caixa->clear();
    Digita(caixa, QStringLiteral("SEGUNDA"));
    const Retrato segunda = Roda(s);
    QCOMPARE(segunda.situacao, primeira.situacao);
    QCOMPARE(segunda.contadores, primeira.contadores);
    QCOMPARE(segunda.linhasGrade, 5);
    // A janela volta com o tamanho que o usuário lhe deu; o memo mostra três linhas inteiras. A
    // primeira parte do desenho e só alarga o que o nome mais longo pede.
    QVERIFY2(primeira.tamanho.width() >= 313 && primeira.tamanho.width() < 400,
             qPrintable(QString::number(primeira.tamanho.width())));
    QCOMPARE(primeira.tamanho.height(), 343);
    QCOMPARE(segunda.tamanho, QSize(640, 480));
    QVERIFY(primeira.obsTresLinhas);
    QCOMPARE(s.Le(QStringLiteral("dados/SEGUNDA.CSV")), s.Le(QStringLiteral("dados/PRIMEIRA.CSV")));
    QCOMPARE(s.dialogos.ChamadasDo(Tipo::Pergunta).size(), std::size_t(2));
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Erro).empty());
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Mensagem).empty());
    QVERIFY(s.Trad().isVisible());
}

void TesteProc::rodadaQueFalha_data() {
    QTest::addColumn<QString>("arquivo");
    // Vazio: o arquivo some; "/": vira pasta; outro: o arquivo passa a ter esse conteúdo.
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<int>("caixa");
    QTest::addColumn<QString>("noErro");
    QTest::addColumn<QString>("situacao");
    QTest::newRow("a base original sumiu depois de escolhida")
        << QStringLiteral("dados/original.csv") << QByteArray() << int(Tipo::Erro) << QStringLiteral("original.csv")
        << QStringLiteral("Falhou: Transferindo dados do arquivo a ser traduzido");
    // Já com a população movida nas tabelas de trabalho, mas sem a situação final.
    QTest::newRow("o resultado não pode ser gravado")
        << QStringLiteral("dados/RES.CSV") << QByteArray("/") << int(Tipo::Erro) << QStringLiteral("RES.CSV")
        << QStringLiteral("Falhou: Gravando");
    // Cópia e abertura mostram a própria caixa; a da abertura aponta o modelo, o arquivo a consertar.
    QTest::newRow("modelo faltando") << QStringLiteral("sistema/Bases0/Morvisan.dbf") << QByteArray()
                                     << int(Tipo::Mensagem) << QStringLiteral("Falha ao copiar.")
                                     << QStringLiteral("Falhou: Copiando bases de trabalho");
    QTest::newRow("modelo quebrado") << QStringLiteral("sistema/Bases0/FINAL.DBF")
                                     << QByteArray("isto n\xe3o \xe9 uma tabela") << int(Tipo::Mensagem)
                                     << QStringLiteral("sistema/Bases0/FINAL.DBF\": é esse o arquivo")
                                     << QStringLiteral("Falhou: Abrindo bases de trabalho");
}

// A falha para a rodada: a caixa aparece, a situação diz em vermelho o passo que falhou, o memo
// guarda a mensagem, o cursor volta ao normal e "Imprime" fica apagado (não há resultado a
// imprimir); "&Fechar" traz a principal de volta.
void TesteProc::rodadaQueFalha() {
    QFETCH(QString, arquivo);
    QFETCH(QByteArray, conteudo);
    QFETCH(int, caixa);
    QFETCH(QString, noErro);
    QFETCH(QString, situacao);
    SistemaTeste s = ComBases();
    PreparaRodada(s, QStringLiteral("RES"));
    if (conteudo == "/")
        QVERIFY(QDir().mkpath(s.Caminho(arquivo)));
    else
        QVERIFY(QFile::remove(s.Caminho(arquivo)));
    if (conteudo.size() > 1)
        s.Escreve(arquivo, conteudo.toStdString());
    const Retrato r = Roda(s, s.Caminho(QStringLiteral("relatorio.pdf")));
    const auto caixas = s.dialogos.ChamadasDo(Tipo(caixa));
    QCOMPARE(caixas.size(), std::size_t(1));
    QVERIFY2(caixas[0].texto.contains(noErro), qPrintable(caixas[0].texto));
    QVERIFY(s.dialogos.ChamadasDo(Tipo(caixa) == Tipo::Erro ? Tipo::Mensagem : Tipo::Erro).empty());
    QCOMPARE(r.situacao, situacao);
    QCOMPARE(r.corSituacao, QColor(255, 0, 0));
    QCOMPARE(r.obs, QString(caixas[0].texto).replace(QStringLiteral("\n\n"), QStringLiteral("\n")));
    QCOMPARE(r.linhasGrade, 0);
    QVERIFY(!r.emEspera);
    QVERIFY(!r.imprimeHabilitado);
    QVERIFY(s.dialogos.ChamadasDo(Tipo::EscolheImpressora).empty());
    QVERIFY(!QFile::exists(s.Caminho(QStringLiteral("relatorio.pdf"))));
    QVERIFY(!s.dialogos.emEspera);
    QVERIFY(!s.Proc().isVisible());
    QVERIFY(s.Trad().isVisible());
    QCOMPARE(s.Trad().Passo(), 3);
    // As bases de entrada ficam como estavam.
    QFile modelo(QStringLiteral(MORVISAN_DADOS_TESTE "/janelas/traducao.csv"));
    QVERIFY(modelo.open(QIODevice::ReadOnly));
    QCOMPARE(s.Le(QStringLiteral("dados/traducao.csv")), modelo.readAll().toStdString());
}

void TesteProc::comBasesExtras_data() {
    QTest::addColumn<QString>("original"); // vazio: a do exemplo
    QTest::addColumn<QString>("municipios");
    QTest::addColumn<QString>("situacao");
    QTest::addColumn<QColor>("corSituacao");
    QTest::addColumn<QString>("obs");
    QTest::addColumn<QColor>("corObs");
    QTest::addColumn<QString>("nomeNaGrade");
    const QString todos =
        QStringLiteral("35;100;S\u00e3o Jos\u00e9 do Vale do Rio Preto|35;200;B|35;300;C|35;400;Nova|43;10;E");
    QTest::newRow("todos os nomes: sucesso total em azul")
        << QString() << todos << QStringLiteral("Fim - São 5 registros.")
        << QApplication::palette().color(QPalette::Button)
        << QStringLiteral("Sucesso total!\nPOP1: 6500 antes, 6500 depois\nPOP2: 7150 antes, 7150 depois")
        << QColor(0, 0, 255) << QStringLiteral("São José do Vale do Rio Preto");
    // O município 43;10 não tem nome: a junção o deixa de fora, a conta final não fecha e o memo diz
    // quem ficou de fora e quanta gente sumiu, em vermelho como a situação.
    QTest::newRow("nome faltando: erro em vermelho")
        << QString() << QStringLiteral("35;100;S\u00e3o Jos\u00e9 do Vale do Rio Preto|35;200;B|35;300;C|35;400;Nova")
        << QStringLiteral("Fim - São 4 registros. (erro)") << QColor(255, 0, 0)
        << QStringLiteral("1 registro(s) da base original ficaram fora do resultado.\n"
                          "-> c\u00f3digos sem nome ou sigla nas bases extras\n"
                          "POP1: 6500 antes, 6000 depois\nPOP2: 7150 antes, 6600 depois")
        << QColor(255, 0, 0) << QStringLiteral("São José do Vale do Rio Preto");
    // Títulos e milhares agrupados não mudam número: notas, e ainda sucesso em azul.
    QTest::newRow("só notas: sucesso total em azul")
        << QStringLiteral("CD_UF;CD_MUN;POP1;POP2|35;100;1.000;1.100|35;200;2000;2200|35;300;3000;3300|43;10;500;550")
        << todos << QStringLiteral("Fim - São 5 registros.") << QApplication::palette().color(QPalette::Button)
        << QStringLiteral("Sucesso total!\nPOP1: 6500 antes, 6500 depois\nPOP2: 7150 antes, 7150 depois\n"
                          "3 nota(s) da leitura -> veja Morvisan.Avisos")
        << QColor(0, 0, 255) << QStringLiteral("São José do Vale do Rio Preto");
    // O município repetido conta duas vezes: a conta fecha, mas é achado, em vermelho.
    QTest::newRow("município repetido: achado em vermelho")
        << QStringLiteral("35;100;1000;1100|35;200;2000;2200|35;300;3000;3300|43;10;500;550|43;10;500;550") << todos
        << QStringLiteral("Fim - São 6 registros.") << QApplication::palette().color(QPalette::Button)
        << QStringLiteral("POP1: 7000 antes, 7000 depois\nPOP2: 7700 antes, 7700 depois\n"
                          "1 aviso(s) da leitura -> veja Morvisan.Avisos")
        << QColor(255, 0, 0) << QStringLiteral("São José do Vale do Rio Preto");
}

// Nomes e siglas importados pelo menu entram na rodada; o nome Latin-1 aparece certo na grade.
void TesteProc::comBasesExtras() {
    QFETCH(QString, original);
    QFETCH(QString, municipios);
    QFETCH(QString, situacao);
    QFETCH(QColor, corSituacao);
    QFETCH(QString, obs);
    QFETCH(QColor, corObs);
    QFETCH(QString, nomeNaGrade);
    SistemaTeste s = ComBases();
    if (!original.isEmpty())
        s.Escreve(QStringLiteral("dados/original.csv"), original.replace(u'|', QStringLiteral("\r\n")).toStdString());
    s.Escreve(QStringLiteral("municipios.csv"),
              municipios.replace(u'|', QStringLiteral("\r\n")).toLatin1().toStdString());
    // Uma sigla mais larga que a primeira, mais abaixo na grade.
    s.Escreve(QStringLiteral("ufs.csv"), "35;IS\r\n43;MW\r\n");
    s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("municipios.csv")));
    Acha<QAction>(&s.Trad(), QStringLiteral("Definir1"))->trigger();
    s.dialogos.ProximoArquivo(s.Caminho(QStringLiteral("ufs.csv")));
    Acha<QAction>(&s.Trad(), QStringLiteral("Definir2"))->trigger();
    PreparaRodada(s, QStringLiteral("RES"));
    const Retrato r = Roda(s);
    QCOMPARE(r.situacao, situacao);
    QCOMPARE(r.corSituacao, corSituacao);
    QCOMPARE(r.obs, obs);
    QCOMPARE(r.corObs, corObs);
    QCOMPARE(r.primeiroNome, nomeNaGrade);
    QCOMPARE(r.dicaNome, nomeNaGrade);
    QVERIFY(r.colunasCabem);
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Erro).empty());
}

void TesteProc::duranteARodada_data() {
    QTest::addColumn<bool>("cancela");
    QTest::newRow("cancelada: nada gravado") << true;
    QTest::newRow("até o fim: a janela esperou a rodada") << false;
}

// Uma base gerada longa o bastante para mexer na janela no meio da rodada: fechar, minimizar e
// imprimir são recusados na hora, e "Cancelar" para a rodada sem gravar nada.
void TesteProc::duranteARodada() {
    QFETCH(bool, cancela);
    constexpr int municipios = 400000;
    SistemaTeste s = ComBases();
    std::string base;
    for (int municipio = 1; municipio <= municipios; ++municipio)
        base += "35;" + std::to_string(municipio) + ";1000;1100\r\n";
    s.Escreve(QStringLiteral("dados/original.csv"), base);
    s.Escreve(QStringLiteral("dados/Morvisan.Log"), "anterior\r\n");
    PreparaRodada(s, QStringLiteral("RES"));
    TProc& proc = s.Proc();
    auto* cancelar = Acha<QPushButton>(&proc, QStringLiteral("Cancelar"));
    auto* fechar = Acha<QPushButton>(&proc, QStringLiteral("Fechar"));
    auto* imprime = Acha<QToolButton>(&proc, QStringLiteral("Imprime"));
    auto* barra = Acha<QStatusBar>(&proc, QStringLiteral("SitAtual"));
    bool recusou = false;
    bool terminou = false;
    QString situacao;
    QColor cor;
    bool imprimeDepois = false;
    int linhas = -1;
    s.dialogos.ProximaResposta(true);
    QuandoPronto([&] { return proc.isVisible() && cancelar->isEnabled(); },
                 [&] {
                     const bool apagados = proc.Rodando() && !fechar->isEnabled() && !imprime->isEnabled();
                     proc.close();
                     QTest::mouseClick(imprime, Qt::LeftButton);
                     proc.setWindowState(Qt::WindowMinimized);
                     const bool voltou = QTest::qWaitFor([&] { return !proc.isMinimized(); });
                     recusou = apagados && voltou && proc.isVisible() && proc.Rodando();
                     if (cancela)
                         QTest::mouseClick(cancelar, Qt::LeftButton);
                     terminou = QTest::qWaitFor([&] { return !proc.Rodando(); }, 120000);
                     situacao = barra->currentMessage();
                     cor = barra->palette().color(QPalette::Window);
                     imprimeDepois = imprime->isEnabled();
                     linhas = Acha<QTableView>(&proc, QStringLiteral("Resultado"))->model()->rowCount();
                     QTest::mouseClick(fechar, Qt::LeftButton);
                 });
    Clica(s, "Proximo");
    QVERIFY(recusou);
    QVERIFY(terminou);
    QVERIFY(s.dialogos.ChamadasDo(Tipo::EscolheImpressora).empty());
    QVERIFY(s.dialogos.ChamadasDo(Tipo::Erro).empty());
    QVERIFY(!s.dialogos.emEspera);
    QVERIFY(!proc.isVisible());
    QVERIFY(s.Trad().isVisible());
    if (cancela) {
        QCOMPARE(situacao, QStringLiteral("Rodada cancelada."));
        QCOMPARE(cor, QColor(255, 0, 0));
        QVERIFY(!imprimeDepois);
        QCOMPARE(linhas, 0);
        QCOMPARE(s.Le(QStringLiteral("dados/RES.CSV")), std::string("<não existe>"));
        QCOMPARE(s.Le(QStringLiteral("dados/Morvisan.Log")), std::string("anterior\r\n"));
    } else {
        QVERIFY2(situacao.startsWith(QStringLiteral("Fim - São ")), qPrintable(situacao));
        QVERIFY(imprimeDepois);
        QVERIFY(linhas >= municipios);
        QVERIFY(s.Le(QStringLiteral("dados/RES.CSV")) != "<não existe>");
    }
}

QTEST_MAIN(TesteProc)
#include "TesteProc.moc"
