#pragma once
// A rodada de tradução: da cópia dos modelos à verificação do resultado, na ordem fixa dos passos.
// Os passos leem os ajustes e os objetos de dados da janela principal e falam com a janela de
// processamento só pelo PainelProc.
#include "Ajustes.h"
#include "Dados.h"
#include "PainelProc.h"

class Processamento {
public:
    Processamento(Ajustes& ajustes, Dados& dados, PainelProc& painel);

    // A rodada inteira. Uma falha que nenhum passo trata sai daqui como exceção (caixa geral de erro).
    void FormActivate();

    void Copiando();
    void Abrindo();
    void CarregaBO();
    void CarregaBT();
    void CarregaBF();
    void Transfere();
    void Grava();
    void EstResult();
    void Fechando();

private:
    Ajustes& ajustes_;
    Dados& dados_;
    PainelProc& painel_;
};
