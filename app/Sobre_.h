#pragma once
// TSobre: a caixa "Sobre o sistema", com números vivos desta máquina.
#include "Ajustes.h"

#include <QDialog>

class TSobre : public QDialog {
    Q_OBJECT
public:
    explicit TSobre(const Ajustes& ajustes, QWidget* pai = nullptr);
};
