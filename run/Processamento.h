#pragma once
// A rodada de tradução: da cópia dos modelos à verificação do resultado, na ordem fixa dos passos.
// Os passos leem os ajustes e os objetos de dados da janela principal e falam com a janela de
// processamento só pelo PainelProc.
#include "Ajustes.h"
#include "Dados.h"
#include "PainelProc.h"

#include <string>

class Processamento {
public:
    // Liga os ganchos de antes de incluir de T_BO_DESC e T_BT_DESC a este objeto.
    Processamento(Ajustes& ajustes, Dados& dados, PainelProc& painel);
    ~Processamento();
    Processamento(const Processamento&) = delete;
    Processamento& operator=(const Processamento&) = delete;

    // A rodada inteira. Uma falha que nenhum passo trata sai daqui como exceção (caixa geral de erro).
    void FormActivate();

    // Copiando, Abrindo e Fechando mostram a própria caixa de erro e voltam normalmente.
    void Copiando();
    void Abrindo();
    void CarregaBO();
    void CarregaBT();
    void CarregaBF();
    void Transfere();
    void Grava();
    void EstResult();
    void Fechando();

    // Consertam o rascunho da linha antes de o registro novo existir.
    void T_BO_DESCBeforeInsert(Tabela& tabela);
    void T_BT_DESCBeforeInsert(Tabela& tabela);

private:
    // Limpa o texto do comando de Q_BF_DESC, põe o comando como única linha e executa.
    void ExecutaFinal(const std::string& comando);

    Ajustes& ajustes_;
    Dados& dados_;
    PainelProc& painel_;
};
