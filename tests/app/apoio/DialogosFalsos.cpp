#include "DialogosFalsos.h"

#include <QPrinter>
#include <QtGlobal>

void DialogosFalsos::ProximaImpressao(bool aceita, const QString& arquivoPdf) {
    impressoes_.push_back({aceita, arquivoPdf});
}

std::vector<DialogosFalsos::Chamada> DialogosFalsos::ChamadasDo(Tipo tipo) const {
    std::vector<Chamada> escolhidas;
    for (const Chamada& chamada : chamadas_)
        if (chamada.tipo == tipo)
            escolhidas.push_back(chamada);
    return escolhidas;
}

QStringList DialogosFalsos::Textos(Tipo tipo) const {
    QStringList textos;
    for (const Chamada& chamada : ChamadasDo(tipo))
        textos << chamada.texto;
    return textos;
}

void DialogosFalsos::Mensagem(QWidget* pai, const QString& titulo, const QString& texto) {
    chamadas_.push_back({Tipo::Mensagem, titulo, texto, pai});
}

void DialogosFalsos::Erro(QWidget* pai, const QString& texto) {
    chamadas_.push_back({Tipo::Erro, QString(), texto, pai});
}

void DialogosFalsos::Aviso(QWidget* pai, const QString& titulo, const QString& texto) {
    chamadas_.push_back({Tipo::Aviso, titulo, texto, pai});
}

bool DialogosFalsos::Pergunta(QWidget* pai, const QString& titulo, const QString& texto) {
    chamadas_.push_back({Tipo::Pergunta, titulo, texto, pai});
    if (respostas_.empty()) {
        qWarning("DialogosFalsos: pergunta sem resposta na fila; respondo Não");
        return false;
    }
    const bool sim = respostas_.front();
    respostas_.pop_front();
    return sim;
}

QString DialogosFalsos::AbreArquivo(QWidget* pai, const QString& filtro) {
    chamadas_.push_back({Tipo::AbreArquivo, QString(), filtro, pai});
    if (arquivos_.empty()) {
        qWarning("DialogosFalsos: diálogo de arquivo sem resposta na fila; cancelo");
        return QString();
    }
    const QString caminho = arquivos_.front();
    arquivos_.pop_front();
    return caminho;
}

bool DialogosFalsos::EscolheImpressora(QWidget* pai, QPrinter& impressora) {
    chamadas_.push_back({Tipo::EscolheImpressora, QString(), impressora.outputFileName(), pai});
    if (impressoes_.empty()) {
        qWarning("DialogosFalsos: diálogo de impressão sem resposta na fila; cancelo");
        return false;
    }
    const Impressao impressao = impressoes_.front();
    impressoes_.pop_front();
    if (impressao.aceita && !impressao.arquivoPdf.isEmpty()) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(impressao.arquivoPdf);
    }
    return impressao.aceita;
}

void DialogosFalsos::CursorEspera() {
    ++esperas;
    emEspera = true;
}

void DialogosFalsos::CursorNormal() {
    ++normais;
    emEspera = false;
}
