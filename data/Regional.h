#pragma once
// Ajustes regionais do usuário: vêm de fora (sistema ou teste), o programa nunca os define.
#include <string>

struct Regional {
    char separadorDecimal = ',';
    char separadorMilhar = '.';
    // Formatos no estilo dd/MM/yyyy e hh:mm:ss.
    std::string formatoDataCurta = "dd/MM/yyyy";
    std::string formatoHoraLonga = "hh:mm:ss";
};
