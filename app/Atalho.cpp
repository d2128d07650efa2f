#include "Atalho.h"

#include "Falha.h"
#include "Tela.h"
#include "Titulos.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A mesma descrição da entrada do menu.
const QString comentario =
    QStringLiteral("Traduz uma base de população municipal para uma divisão municipal mais nova");

// Valor de texto de uma entrada .desktop: a barra invertida e os controles vão escapados.
QString ValorEntrada(const QString& texto) {
    QString escapado;
    for (const QChar c : texto) {
        if (c == u'\\')
            escapado += QStringLiteral("\\\\");
        else if (c == u'\n')
            escapado += QStringLiteral("\\n");
        else if (c == u'\t')
            escapado += QStringLiteral("\\t");
        else if (c == u'\r')
            escapado += QStringLiteral("\\r");
        else
            escapado += c;
    }
    return escapado;
}

// O programa entre aspas, para que espaços no caminho não o partam em argumentos; "%" sozinho
// seria um código de campo do lançador.
QString LinhaComando(const QString& alvo, const QString& argumentos) {
    QString aspas = QStringLiteral("\"");
    for (const QChar c : alvo) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            aspas += u'\\';
        aspas += (c == u'%') ? QStringLiteral("%%") : QString(c);
    }
    aspas += u'"';
    if (!argumentos.isEmpty())
        aspas += u' ' + argumentos;
    return ValorEntrada(aspas);
}

// Pasta do usuário pelo nome: "Desktop" é a área de trabalho do usuário (XDG_DESKTOP_DIR, ou
// ~/Desktop). Um nome sem lugar conhecido é falha, não a raiz do disco.
QString PastaDoUsuario(const QString& valorPasta) {
    if (valorPasta != QStringLiteral("Desktop"))
        throw Falha(DaTela(QStringLiteral("Pasta do usuário desconhecida: ") + valorPasta));
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void GravaEntrada(const QString& caminho, const QByteArray& conteudo) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) != conteudo.size() || !arquivo.commit())
        throw Falha(DaTela(QStringLiteral("Não foi possível gravar \"") + caminho + QStringLiteral("\": ") +
                           arquivo.errorString()));
    QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                       QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

} // namespace

bool CriaAtalho(const std::string& alvo, const std::string& argumentos, const std::string& pastaTrabalho,
                const std::string& nomeAtalho, const std::string& valorPasta, const std::string& icone,
                Dialogos& dialogos, QWidget* pai) {
    try {
        const QString pasta = PastaDoUsuario(ParaTela(valorPasta));
        if (!QDir().mkpath(pasta))
            throw Falha(DaTela(QStringLiteral("Não foi possível criar a pasta \"") + pasta + u'"'));
        const QString nome = ParaTela(nomeAtalho);
        // Classe da janela igual à da entrada do menu: o painel junta a janela aberta ao lançador.
        const QString entrada = QStringLiteral("[Desktop Entry]\n"
                                               "Type=Application\n"
                                               "Version=1.0\n"
                                               "Name=") +
                                ValorEntrada(nome) + QStringLiteral("\nComment=") + comentario +
                                QStringLiteral("\nIcon=") + ValorEntrada(ParaTela(icone)) + QStringLiteral("\nExec=") +
                                LinhaComando(ParaTela(alvo), ParaTela(argumentos)) + QStringLiteral("\nPath=") +
                                ValorEntrada(ParaTela(pastaTrabalho)) +
                                QStringLiteral("\nTerminal=false\n"
                                               "Categories=Science;Geography;\n"
                                               "StartupWMClass=") +
                                NomeAplicacao() + u'\n';
        GravaEntrada(pasta + u'/' + nome + QStringLiteral(".desktop"), entrada.toUtf8());
        return true;
    } catch (const std::exception& falha) {
        // "\r" é a quebra de linha das caixas do sistema; na tela vira quebra de verdade.
        const QString texto = ParaTela(std::string("Problema ao tentar criar atalho para o sistema.\r\r"
                                                   "Erro original: ") +
                                       falha.what());
        dialogos.Aviso(pai, QStringLiteral("Aviso"), QString(texto).replace(u'\r', u'\n'));
        return false;
    }
}
