#pragma once
// Dialogos de verdade: caixas do Qt, diálogos de arquivo e impressão, bipe e cursor da aplicação. Vive
// enquanto o programa roda e lembra a pasta do último arquivo aberto.
#include "Dialogos.h"

class DialogosReais : public Dialogos {
public:
    void Mensagem(QWidget* pai, const QString& titulo, const QString& texto) override;
    void Erro(QWidget* pai, const QString& texto) override;
    void Aviso(QWidget* pai, const QString& titulo, const QString& texto) override;
    bool Pergunta(QWidget* pai, const QString& titulo, const QString& texto) override;
    QString AbreArquivo(QWidget* pai, const QString& filtro) override;
    bool EscolheImpressora(QWidget* pai, QPrinter& impressora) override;
    void Bipe() override;
    void CursorEspera() override;
    void CursorNormal() override;

private:
    QString ultimaPasta_;
};
