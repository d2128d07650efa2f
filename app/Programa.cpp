#include "Programa.h"

Programa::Programa(const std::string& dirSistema, Dialogos& dialogos)
    : Trad(dirSistema, dialogos), Proc(Trad.ajustes(), Trad.dados(), dialogos, &Trad), Sobre(Trad.ajustes(), &Trad) {
    Trad.LigaJanelas(Proc, Sobre);
}
