#pragma once
// Ponteiro: o navegador de registros de quatro botões (primeiro, anterior, próximo, último) que move o
// cursor da tabela que a grade mostra.
#include <QWidget>

class QToolButton;
class Tabela;

class Navegador : public QWidget {
    Q_OBJECT
public:
    Navegador(Tabela& tabela, QWidget* pai = nullptr);
    // Ligado, os botões valem conforme a posição do cursor; desligado, todos ficam apagados.
    void Liga(bool ligado);
    // Reavalia os botões depois que o cursor mudou por fora (um clique na grade).
    void Atualiza();

signals:
    void Moveu();

private:
    void Move(void (Tabela::*movimento)());
    Tabela& tabela_;
    bool ligado_ = false;
    QToolButton* primeiro_;
    QToolButton* anterior_;
    QToolButton* proximo_;
    QToolButton* ultimo_;
};
