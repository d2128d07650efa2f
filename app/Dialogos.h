#pragma once
// Costura das caixas de mensagem, diálogos, bipe e cursor: a janela pede aqui, o teste responde.
#include <QString>

class QPrinter;
class QWidget;

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Caixa com título, texto e um botão OK, sem ícone.
    virtual void Mensagem(QWidget* pai, const QString& titulo, const QString& texto) = 0;
    // Caixa geral de erro: ícone de parada, título da aplicação.
    virtual void Erro(QWidget* pai, const QString& texto) = 0;
    // Diálogo de aviso com um botão OK.
    virtual void Aviso(QWidget* pai, const QString& titulo, const QString& texto) = 0;
    // Sim/Não, sem ícone; true para Sim.
    virtual bool Pergunta(QWidget* pai, const QString& titulo, const QString& texto) = 0;
    // Diálogo de abrir arquivo; vazio quando o usuário cancela.
    virtual QString AbreArquivo(QWidget* pai, const QString& filtro) = 0;
    // Diálogo de impressão; false quando o usuário cancela.
    virtual bool EscolheImpressora(QWidget* pai, QPrinter& impressora) = 0;
    virtual void Bipe() = 0;
    virtual void CursorEspera() = 0;
    virtual void CursorNormal() = 0;
};
