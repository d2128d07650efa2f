#include "DialogoVolta.h"

#include "AreaTrabalho.h"
#include "AreasBrasil.h"
#include "PreparacaoBrasil.h"
#include "Texto.h"
#include "VoltaBrasil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// A pasta da base do passo 1, onde as saídas vão por padrão.
QString PastaDe(const std::string& original) {
    return original.empty() ? QString() : QFileInfo(QFile::decodeName(QByteArray::fromStdString(original))).path();
}

} // namespace

DialogoVolta::DialogoVolta(const std::vector<MudancaBrasil>& tabela, const Ajustes& ajustes,
                           const std::string& original, Dialogos& dialogos, QWidget* pai)
    : CaixaBrasil(QStringLiteral("VoltaBrasil"), QStringLiteral("Voltar a uma divisão anterior"), "Voltar", ajustes,
                  dialogos, pai),
      tabela_(tabela) {
    const int ultimo = UltimoAnoAceito(UltimoAnoBrasil(tabela));
    Original = Arquivo(QStringLiteral("Base original:"), QStringLiteral("Original"),
                       QFile::decodeName(QByteArray::fromStdString(original)));
    // 2013 para 2010: as séries de hoje de volta à divisão do último censo anterior, o caso mais comum.
    AnoDe =
        Ano(QStringLiteral("Divisão de 1º de janeiro de:"), QStringLiteral("AnoDe"), ultimo, std::min(2013, ultimo));
    AnoAte = Ano(QStringLiteral("Voltar para a divisão de:"), QStringLiteral("AnoAte"), ultimo, 2010);
    Pasta = Texto(QStringLiteral("Gravar na pasta:"), QStringLiteral("Pasta"), PastaDe(original));
    Nome = NomeResultado(QStringLiteral("Nome do resultado:"), QStringLiteral("VOLTA"));
    Acoes({{QStringLiteral("Voltar"), QStringLiteral("&Voltar"), [this] { VoltarClick(); }}});
}

void DialogoVolta::VoltarClick() {
    if (!Preenchidos({{Original, QStringLiteral("Informe a base original.")},
                      {Pasta, QStringLiteral("Informe a pasta do resultado.")},
                      {Nome, QStringLiteral("Informe o nome do resultado.")}}))
        return;
    PedidoVolta pedido;
    pedido.dirSistema = ajustes_.DirSistema;
    pedido.original = Caminho(Original->text());
    pedido.de = AnoDe->value();
    pedido.ate = AnoAte->value();
    pedido.pasta = Caminho(Pasta->text());
    pedido.nome = Caminho(Nome->text().trimmed());
    pedido.separadorDecimal = ajustes_.regional.separadorDecimal;
    if (const std::string problema = ProblemaDosAnosVolta(pedido.de, pedido.ate, UltimoAnoBrasil(tabela_));
        !problema.empty())
        return Recusa(problema);
    if (VoltaSobreEntrada(pedido))
        return Recusa("Voc\xea especificou o mesmo nome mais de uma vez.");
    Trabalha([&] {
        const Volta volta = VoltaBaseBrasil(pedido, tabela_);
        std::string texto = ResumoVolta(pedido, volta) + LinhasDaBase(volta.conferencia, volta.avisosLeitura);
        for (const std::string& aviso : volta.avisos)
            texto += aviso + "\n";
        return texto;
    });
}

DialogoAreas::DialogoAreas(const std::vector<MudancaBrasil>& tabela, const Ajustes& ajustes,
                           const std::string& original, Dialogos& dialogos, QWidget* pai)
    : CaixaBrasil(QStringLiteral("AreasBrasil"), QStringLiteral("Áreas comparáveis"), "Voltar", ajustes, dialogos, pai),
      tabela_(tabela) {
    const int ultimo = UltimoAnoAceito(UltimoAnoBrasil(tabela));
    AnoDe = Ano(QStringLiteral("Divisão de 1º de janeiro de (a da base):"), QStringLiteral("AnoDe"), ultimo, 2000);
    AnoAte = Ano(QStringLiteral("E a divisão de:"), QStringLiteral("AnoAte"), ultimo, 2010);
    const QString pasta = PastaDe(original);
    Areas = Texto(QStringLiteral("Arquivo das áreas:"), QStringLiteral("Areas"),
                  pasta.isEmpty() ? QString() : QDir(pasta).filePath(QStringLiteral("areas.csv")));
    Original = Arquivo(QStringLiteral("Base original (para somar):"), QStringLiteral("Original"),
                       QFile::decodeName(QByteArray::fromStdString(original)));
    Pasta = Texto(QStringLiteral("Gravar a soma na pasta:"), QStringLiteral("Pasta"), pasta);
    Nome = NomeResultado(QStringLiteral("Nome da soma:"), QStringLiteral("SOMA"));
    Acoes({{QStringLiteral("GravarAreas"), QStringLiteral("&Gravar áreas"), [this] { GravarAreasClick(); }},
           {QStringLiteral("Somar"), QStringLiteral("&Somar base"), [this] { SomarClick(); }}});
}

void DialogoAreas::GravarAreasClick() {
    if (!Preenchidos({{Areas, QStringLiteral("Informe onde gravar as áreas.")}}))
        return;
    const int de = AnoDe->value(), ate = AnoAte->value();
    const std::string saida = Caminho(Areas->text());
    if (AreasSobreEntrada(ajustes_.DirSistema, saida))
        return Recusa("Voc\xea especificou o mesmo nome mais de uma vez.");
    Trabalha([&] {
        const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes_.DirSistema));
        const std::vector<MembroArea> membros = AreasComparaveis(tabela_, divisoes, de, ate);
        GravaAreas(membros, saida);
        return "\xc1reas compar\xe1veis entre as divis\xf5"
               "es de " +
               TextoInteiro(de) + " e " + TextoInteiro(ate) + " gravadas em \"" + saida + "\" (" +
               TextoInteiro(static_cast<std::int64_t>(membros.size())) + " linhas).\n";
    });
}

void DialogoAreas::SomarClick() {
    if (!Preenchidos({{Areas, QStringLiteral("Informe o arquivo das áreas.")},
                      {Original, QStringLiteral("Informe a base original.")},
                      {Pasta, QStringLiteral("Informe a pasta do resultado.")},
                      {Nome, QStringLiteral("Informe o nome do resultado.")}}))
        return;
    const std::string original = Caminho(Original->text()), areas = Caminho(Areas->text());
    const std::string pasta = Caminho(Pasta->text()), nome = Caminho(Nome->text().trimmed());
    if (AreaTrabalho::SaidaSobreEntrada(pasta, nome, original, areas))
        return Recusa("Voc\xea especificou o mesmo nome mais de uma vez.");
    Trabalha([&] {
        const SomaAreas soma =
            SomaSobreAreas(LeAreas(areas), AnoDe->value(), original, ajustes_.regional.separadorDecimal);
        GravaSomaAreas(soma, pasta, nome);
        std::string texto = ResumoSomaAreas(soma, pasta, nome);
        for (const Aviso& aviso : soma.avisos)
            texto += Avisos::TextoDoAviso(aviso) + "\n";
        return texto;
    });
}
