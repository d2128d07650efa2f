// TTrad: as caixas de texto do nome do resultado e das linhas de relatório.
#include "ListaPastas.h"
#include "Trad_.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Teclas que não digitam caractere passam direto, como as setas; apagar à direita também, e o Tab,
// que leva o foco ao controle seguinte. Uma tecla que traz vários caracteres passa pelo filtro.
bool PassaDireto(const QKeyEvent* tecla) {
    switch (tecla->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return tecla->text().isEmpty();
    }
}

// Sem brancos nem caracteres de controle nas pontas.
QString Apara(const QString& texto) {
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && texto.at(inicio).unicode() <= 32)
        ++inicio;
    while (fim > inicio && texto.at(fim - 1).unicode() <= 32)
        --fim;
    return texto.mid(inicio, fim - inicio);
}

// O que o filtro deixa de um texto digitado ou colado na caixa do nome: a-z trocadas por maiúsculas,
// só A-Z e 0-9.
QString FiltroNome(const QString& texto) {
    QString filtrado;
    for (const QChar caractere : texto) {
        const char16_t c = caractere.unicode();
        const char16_t convertido = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
        if ((convertido >= u'A' && convertido <= u'Z') || (convertido >= u'0' && convertido <= u'9'))
            filtrado += QChar(convertido);
    }
    return filtrado;
}

// Na caixa das linhas, só os dígitos.
QString FiltroLinhas(const QString& texto) {
    QString filtrado;
    for (const QChar caractere : texto)
        if (caractere.unicode() >= u'0' && caractere.unicode() <= u'9')
            filtrado += caractere;
    return filtrado;
}

} // namespace

// O caractere digitado entra filtrado; o descartado não apaga uma seleção. true: tecla consumida.
bool TTrad::NovoArquivoKeyPress(QKeyEvent* tecla) {
    if (PassaDireto(tecla))
        return false;
    Cola(NovoArquivo, tecla->text());
    return true;
}

bool TTrad::LinhasKeyPress(QKeyEvent* tecla) {
    if (PassaDireto(tecla))
        return false;
    Cola(Linhas, tecla->text());
    return true;
}

// Colar passa pelo mesmo filtro da digitação; o que sobra entra até o limite da caixa.
void TTrad::Cola(QLineEdit* caixa, const QString& texto) {
    const QString filtrado = caixa == NovoArquivo ? FiltroNome(texto) : FiltroLinhas(texto);
    if (!filtrado.isEmpty())
        caixa->insert(filtrado);
}

void TTrad::NovoArquivoChange() {
    const QString nome = Apara(NovoArquivo->text());
    if (nome.isEmpty()) {
        BC->setText(QStringLiteral("Falta"));
        BC->setToolTip(QStringLiteral("a definir"));
        return;
    }
    BC->setText(QStringLiteral("OK"));
    BC->setToolTip(Pasta->Pasta() + u'/' + nome + QStringLiteral(".CSV"));
}
