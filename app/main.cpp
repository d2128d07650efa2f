// Partida do programa: as opções, a aplicação, as pastas, as três janelas e o laço de eventos.
#include "Aplicacao.h"
#include "DialogosReais.h"
#include "ErroGeral.h"
#include "Identidade.h"
#include "OpcoesJanela.h"
#include "Pastas.h"
#include "Programa.h"
#include "Regional.h"
#include "TraducaoQt.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>
#include <clocale>
#include <exception>

namespace {

// Os formatos do usuário vêm do sistema; o programa nunca os define.
Regional RegionalDoSistema() {
    const QLocale local = QLocale::system();
    Regional regional;
    regional.separadorDecimal = local.decimalPoint().at(0).toLatin1();
    // Um separador fora do Latin-1 (o espaço estreito de alguns idiomas) vira um espaço.
    const char milhar = local.groupSeparator().isEmpty() ? ' ' : local.groupSeparator().at(0).toLatin1();
    regional.separadorMilhar = milhar == 0 ? ' ' : milhar;
    regional.formatoDataCurta = local.dateFormat(QLocale::ShortFormat).toStdString();
    // O formato longo do Qt traz o fuso ("t"), que a hora do relatório não mostra.
    regional.formatoHoraLonga = local.timeFormat(QLocale::LongFormat).remove(u't').trimmed().toStdString();
    return regional;
}

} // namespace

int main(int argc, char* argv[]) {
    QTextStream saida(stdout);
    QTextStream erros(stderr);
    // --help e --version respondem antes de o Qt procurar uma tela, que um terminal remoto nem tem.
    QStringList brutos;
    for (int i = 0; i < argc; ++i)
        brutos << QString::fromLocal8Bit(argv[i]);
    if (const auto codigo = TrataOpcoes(brutos, false, saida, erros))
        return *codigo;

    DialogosReais dialogos;
    Aplicacao aplicacao(argc, argv, dialogos);
    if (const auto codigo = TrataOpcoes(QApplication::arguments(), true, saida, erros))
        return *codigo;
    // O Qt põe a biblioteca C na localidade do usuário; os números internos (e os dos arquivos)
    // precisam do ponto decimal, e a vírgula do usuário vem só pelos ajustes regionais.
    std::setlocale(LC_NUMERIC, "C");
    IdentificaAplicacao();
    InstalaTraducaoDoQt();
    // Só "Sair" e "&Fechar" encerram: esconder a janela principal durante a rodada não pode.
    QApplication::setQuitOnLastWindowClosed(false);
    Pastas pastas;
    try {
        pastas = LocalizaPastas(PastaDoExecutavel());
    } catch (const std::exception& falha) {
        // Sem pasta pessoal não há onde guardar nada; aberto pelo menu, só uma caixa é vista.
        MostraErroGeral(dialogos, nullptr, falha);
        return 1;
    }
    Programa programa(pastas, dialogos);
    programa.Trad.ajustes().regional = RegionalDoSistema();
    programa.Trad.show();
    return QApplication::exec();
}
