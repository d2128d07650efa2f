#pragma once
// TSobre: a caixa "Sobre o sistema", com números vivos desta máquina.
#include "Ajustes.h"

#include <QDialog>

class QLabel;

class TSobre : public QDialog {
    Q_OBJECT
public:
    explicit TSobre(const Ajustes& ajustes, QWidget* pai = nullptr);

    // Preenche os valores; roda cada vez que a caixa fica ativa.
    void FormActivate();

protected:
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void FechaSobreClick();
    QLabel* Rotulo(const QString& texto, int esquerda, int topo, int largura);
    QLabel* Valor(const char* nome, const QString& texto, int topo);

    const Ajustes& ajustes_;
    QWidget* painel_ = nullptr;
    QLabel* VersaoWin = nullptr;
    QLabel* AData = nullptr;
    QLabel* AHora = nullptr;
    QLabel* OCaminho = nullptr;
    QLabel* MemFisica = nullptr;
    QLabel* RecLivres = nullptr;
    QLabel* EspDisco = nullptr;
    QLabel* ResTela = nullptr;
    QLabel* ResOBS = nullptr;
};
