#include "ErroGeral.h"

#include "Tela.h"

std::string MensagemComPonto(const std::string& mensagem) {
    if (!mensagem.empty() && static_cast<unsigned char>(mensagem.back()) > static_cast<unsigned char>('.'))
        return mensagem + ".";
    return mensagem;
}

void MostraErroGeral(Dialogos& dialogos, QWidget* pai, const std::exception& falha) {
    dialogos.Erro(pai, ParaCaixa(MensagemComPonto(falha.what())));
}
