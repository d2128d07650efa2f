#pragma once
// A aplicação: uma falha que escapa de um tratador de evento vai para a caixa geral de erro e o laço
// de eventos continua, em vez de derrubar o programa.
#include "Dialogos.h"

#include <QApplication>

class Aplicacao : public QApplication {
public:
    Aplicacao(int& argc, char** argv, Dialogos& dialogos);
    bool notify(QObject* receptor, QEvent* evento) override;

private:
    Dialogos& dialogos_;
};
