#include "OpcoesJanela.h"

#include "Titulos.h"

#include <QCommandLineParser>

namespace {

const QString uso =
    QStringLiteral("Uso: morvisan [-h | --help] [-V | --version]\n"
                   "\n"
                   "Abre o assistente do Módulo Morvisan: traduz uma base de população municipal de uma divisão\n"
                   "municipal para outra mais nova. Os arquivos se escolhem nas janelas; para rodar sem janelas,\n"
                   "use morvisan-lote.\n"
                   "\n"
                   "  -h, --help     mostra esta ajuda e sai\n"
                   "  -V, --version  mostra a versão e sai\n"
                   "\n"
                   "Instalado, o programa guarda as bases extras, as cópias de trabalho e Fixa.CFG em\n"
                   "$XDG_DATA_HOME/morvisan (normalmente ~/.local/share/morvisan).\n");

// A opção como o usuário a escreveu: o leitor devolve "-x" e "--xis" sem os traços.
QString ComTracos(const QString& nome) {
    return (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
}

} // namespace

std::optional<int> TrataOpcoes(const QStringList& argumentos, bool estrito, QTextStream& saida, QTextStream& erros) {
    QCommandLineParser leitor;
    // "-platform" é uma opção do Qt, não "-p -l -a ...".
    leitor.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption ajuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versao(QStringList{QStringLiteral("V"), QStringLiteral("version")});
    leitor.addOption(ajuda);
    leitor.addOption(versao);
    const bool certo = leitor.parse(argumentos);
    if (leitor.isSet(ajuda)) {
        saida << uso << Qt::flush;
        return 0;
    }
    if (leitor.isSet(versao)) {
        saida << NomeAplicacao() << u' ' << QStringLiteral(MORVISAN_VERSAO) << u'\n' << Qt::flush;
        return 0;
    }
    if (!estrito)
        return std::nullopt;
    QString problema;
    if (!leitor.unknownOptionNames().isEmpty())
        problema = QStringLiteral("opção desconhecida: ") + ComTracos(leitor.unknownOptionNames().first());
    else if (!certo)
        problema = leitor.errorText();
    else if (!leitor.positionalArguments().isEmpty())
        problema = QStringLiteral("argumento a mais: ") + leitor.positionalArguments().first();
    if (problema.isEmpty())
        return std::nullopt;
    erros << NomeAplicacao() << QStringLiteral(": ") << problema << QStringLiteral("\nUse ") << NomeAplicacao()
          << QStringLiteral(" --help.\n") << Qt::flush;
    return 2;
}
