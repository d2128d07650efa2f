// TTrad: as caixas de texto do nome do resultado e das linhas de relatório.
#include "ListaPastas.h"
#include "Trad_.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Teclas que não digitam caractere passam direto, como as setas; apagar à direita também, e o Tab,
// que leva o foco ao controle seguinte.
bool PassaDireto(const QKeyEvent* tecla) {
    switch (tecla->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return tecla->text().size() != 1;
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

} // namespace

// Só A-Z e 0-9 entram, com a-z trocadas por maiúsculas; o resto é descartado. true: tecla consumida.
bool TTrad::NovoArquivoKeyPress(QKeyEvent* tecla) {
    if (PassaDireto(tecla))
        return false;
    const char16_t digitado = tecla->text().at(0).unicode();
    const char16_t convertido =
        (digitado >= u'a' && digitado <= u'z') ? static_cast<char16_t>(digitado - u'a' + u'A') : digitado;
    if ((convertido >= u'A' && convertido <= u'Z') || (convertido >= u'0' && convertido <= u'9'))
        NovoArquivo->insert(QString(QChar(convertido)));
    return true;
}

bool TTrad::LinhasKeyPress(QKeyEvent* tecla) {
    if (PassaDireto(tecla))
        return false;
    const char16_t digitado = tecla->text().at(0).unicode();
    return digitado < u'0' || digitado > u'9';
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
