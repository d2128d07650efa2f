#include "DialogoPreparacao.h"

#include "BaseTraducaoBrasil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>

DialogoPreparacao::DialogoPreparacao(const std::vector<MudancaBrasil>& tabela, const Ajustes& ajustes,
                                     const std::string& original, Dialogos& dialogos,
                                     std::function<void(const std::string&)> gravada, QWidget* pai)
    : CaixaBrasil(QStringLiteral("PreparacaoBrasil"), QStringLiteral("Preparar base de tradução do Brasil"), "Brasil",
                  ajustes, dialogos, pai),
      tabela_(tabela), gravada_(std::move(gravada)) {
    const int ultimo = UltimoAnoAceito(UltimoAnoBrasil(tabela));
    Original = Arquivo(QStringLiteral("Base original:"), QStringLiteral("Original"),
                       QFile::decodeName(QByteArray::fromStdString(original)));
    // 2010: o último censo na divisão anterior à de 2013, o caso mais comum.
    AnoDe = Ano(QStringLiteral("Divisão de 1º de janeiro de:"), QStringLiteral("AnoDe"), ultimo,
                std::min(2010, UltimoAnoBrasil(tabela)));
    AnoAte =
        Ano(QStringLiteral("Traduzir para a divisão de:"), QStringLiteral("AnoAte"), ultimo, UltimoAnoBrasil(tabela));
    Saida = Texto(QStringLiteral("Gravar a base de tradução em:"), QStringLiteral("Saida"), QString());
    Acoes({{QStringLiteral("Preparar"), QStringLiteral("&Preparar"), [this] { PrepararClick(); }},
           {QStringLiteral("Conferir"), QStringLiteral("&Conferir"), [this] { ConferirClick(); }}});
    connect(Original, &QLineEdit::textChanged, this, &DialogoPreparacao::SugereSaida);
    connect(AnoDe, &QSpinBox::valueChanged, this, &DialogoPreparacao::SugereSaida);
    connect(AnoAte, &QSpinBox::valueChanged, this, &DialogoPreparacao::SugereSaida);
    connect(Saida, &QLineEdit::textEdited, this, [this] { saidaDoUsuario_ = true; });
    SugereSaida();
}

void DialogoPreparacao::SugereSaida() {
    if (saidaDoUsuario_ || Original->text().isEmpty())
        return;
    const QString nome = QStringLiteral("traducao-%1-%2.csv").arg(AnoDe->value()).arg(AnoAte->value());
    Saida->setText(QFileInfo(Original->text()).dir().filePath(nome));
}

// Só a conferência da base com a divisão de "De", sem gravar nada.
void DialogoPreparacao::ConferirClick() {
    if (Original->text().isEmpty()) {
        dialogos_.Bipe();
        return;
    }
    Trabalha([this] {
        const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes_.DirSistema));
        return TextoConferencia(
            ConfereArquivo(divisoes, Caminho(Original->text()), ajustes_.regional.separadorDecimal, AnoDe->value()));
    });
}

void DialogoPreparacao::PrepararClick() {
    if (!Preenchidos({{Original, QStringLiteral("Informe a base original.")},
                      {Saida, QStringLiteral("Informe onde gravar a base de tradução.")}}))
        return;
    PedidoPreparacao pedido;
    pedido.dirSistema = ajustes_.DirSistema;
    pedido.original = Caminho(Original->text());
    pedido.de = AnoDe->value();
    pedido.ate = AnoAte->value();
    pedido.saida = Caminho(Saida->text());
    pedido.separadorDecimal = ajustes_.regional.separadorDecimal;
    if (const std::string problema = ProblemaDosAnos(pedido.de, pedido.ate, UltimoAnoBrasil(tabela_));
        !problema.empty())
        return Recusa(problema);
    if (PreparacaoSobreEntrada(pedido))
        return Recusa("Voc\xea especificou o mesmo nome mais de uma vez.");
    Trabalha([&] {
        const Preparacao preparacao = PreparaBaseBrasil(pedido, tabela_);
        std::string texto =
            ResumoPreparacao(pedido, preparacao) + LinhasDaBase(preparacao.conferencia, preparacao.avisosLeitura);
        for (const AvisoPreparacao& aviso : preparacao.avisos)
            texto += TextoAviso(aviso) + "\n";
        gravada_(pedido.saida);
        return texto;
    });
}
