#pragma once
// A caixa geral de erro: o relato padrão de uma falha que o comando em que ocorreu não tratou.
#include "Dialogos.h"

#include <exception>

class QWidget;

// Mostra a falha na caixa geral de erro.
void MostraErroGeral(Dialogos& dialogos, QWidget* pai, const std::exception& falha);

// Roda o comando; uma falha que escapa dele vai para a caixa geral de erro e o comando termina ali.
template <typename Comando>
void ComCaixaDeErro(Dialogos& dialogos, QWidget* pai, Comando&& comando) {
    try {
        comando();
    } catch (const std::exception& falha) {
        MostraErroGeral(dialogos, pai, falha);
    }
}
