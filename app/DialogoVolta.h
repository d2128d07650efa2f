#pragma once
// As caixas "Voltar a uma divisão anterior" e "Áreas comparáveis" de "Serviços".
#include "CaixaBrasil.h"
#include "MudancasBrasil.h"

#include <vector>

class QLineEdit;
class QSpinBox;

// A base original (a do passo 1, quando há), o ano da sua divisão e o ano anterior; grava NOME.CSV,
// Morvisan.Log e Morvisan.Avisos na pasta e mostra o resumo e os avisos.
class DialogoVolta : public CaixaBrasil {
public:
    DialogoVolta(const std::vector<MudancaBrasil>& tabela, const Ajustes& ajustes, const std::string& original,
                 Dialogos& dialogos, QWidget* pai = nullptr);

private:
    void VoltarClick();
    const std::vector<MudancaBrasil>& tabela_;
    QLineEdit* Original;
    QSpinBox* AnoDe;
    QSpinBox* AnoAte;
    QLineEdit* Pasta;
    QLineEdit* Nome;
};

// Os dois anos e o arquivo das áreas; "Gravar áreas" grava a lista e "Somar base" soma sobre ela a
// base original, que está na divisão do primeiro ano, gravando NOME.CSV e Morvisan.Avisos na pasta.
class DialogoAreas : public CaixaBrasil {
public:
    DialogoAreas(const std::vector<MudancaBrasil>& tabela, const Ajustes& ajustes, const std::string& original,
                 Dialogos& dialogos, QWidget* pai = nullptr);

private:
    void GravarAreasClick();
    void SomarClick();
    const std::vector<MudancaBrasil>& tabela_;
    QSpinBox* AnoDe;
    QSpinBox* AnoAte;
    QLineEdit* Areas;
    QLineEdit* Original;
    QLineEdit* Pasta;
    QLineEdit* Nome;
};
