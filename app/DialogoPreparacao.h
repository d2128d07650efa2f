#pragma once
// A caixa "Preparar base de tradução do Brasil": a base original do passo 1, o ano da sua divisão e
// o ano de destino; grava a base de tradução, mostra os avisos e a entrega ao passo 2.
#include "CaixaBrasil.h"
#include "MudancasBrasil.h"

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QSpinBox;

class DialogoPreparacao : public CaixaBrasil {
public:
    // original: o arquivo do passo 1 (vazio quando não há). gravada recebe o caminho de cada base
    // de tradução gravada.
    DialogoPreparacao(const std::vector<MudancaBrasil>& tabela, const Ajustes& ajustes, const std::string& original,
                      Dialogos& dialogos, std::function<void(const std::string&)> gravada, QWidget* pai = nullptr);

private:
    void PrepararClick();
    void ConferirClick();
    // A saída sugerida fica ao lado da base original até o usuário escrever a sua.
    void SugereSaida();

    const std::vector<MudancaBrasil>& tabela_;
    std::function<void(const std::string&)> gravada_;
    bool saidaDoUsuario_ = false;

    QLineEdit* Original = nullptr;
    QSpinBox* AnoDe = nullptr;
    QSpinBox* AnoAte = nullptr;
    QLineEdit* Saida = nullptr;
};
