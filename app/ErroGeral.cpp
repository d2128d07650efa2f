#include "ErroGeral.h"

#include "Tela.h"
#include "Texto.h"

void MostraErroGeral(Dialogos& dialogos, QWidget* pai, const std::exception& falha) {
    dialogos.Erro(pai, ParaCaixa(MensagemComPonto(falha.what())));
}
