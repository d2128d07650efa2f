#pragma once
// Dialogos de teste: nada aparece na tela; cada chamada fica gravada e as respostas saem de filas
// que o teste enche antes ("a próxima resposta é Sim", "o próximo arquivo é X").
#include "Dialogos.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class DialogosFalsos : public Dialogos {
public:
    enum class Tipo { Mensagem, Erro, Aviso, Pergunta, AbreArquivo, EscolheImpressora };
    struct Chamada {
        Tipo tipo;
        QString titulo;
        QString texto; // o filtro, no diálogo de abrir; o arquivo de saída que a impressora traz, no de imprimir
        QWidget* pai;
    };

    // Filas de respostas. Fila vazia: Não, cancelar, cancelar (e um aviso no registro do teste).
    void ProximaResposta(bool sim) { respostas_.push_back(sim); }
    void ProximoArquivo(const QString& caminho) { arquivos_.push_back(caminho); }
    // Impressão aceita; com arquivoPdf a impressora passa a escrever nesse PDF.
    void ProximaImpressao(bool aceita, const QString& arquivoPdf = QString());

    const std::vector<Chamada>& Chamadas() const { return chamadas_; }
    std::vector<Chamada> ChamadasDo(Tipo tipo) const;
    // Textos das caixas do tipo dado, na ordem em que apareceram.
    QStringList Textos(Tipo tipo) const;
    void Esquece() { chamadas_.clear(); }

    int bipes = 0;
    int esperas = 0;
    int normais = 0;
    bool emEspera = false;

    void Mensagem(QWidget* pai, const QString& titulo, const QString& texto) override;
    void Erro(QWidget* pai, const QString& texto) override;
    void Aviso(QWidget* pai, const QString& titulo, const QString& texto) override;
    bool Pergunta(QWidget* pai, const QString& titulo, const QString& texto) override;
    QString AbreArquivo(QWidget* pai, const QString& filtro) override;
    bool EscolheImpressora(QWidget* pai, QPrinter& impressora) override;
    void Bipe() override { ++bipes; }
    void CursorEspera() override;
    void CursorNormal() override;

private:
    struct Impressao {
        bool aceita;
        QString arquivoPdf;
    };
    std::vector<Chamada> chamadas_;
    std::deque<bool> respostas_;
    std::deque<QString> arquivos_;
    std::deque<Impressao> impressoes_;
};
