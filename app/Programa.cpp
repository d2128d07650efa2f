#include "Programa.h"

Programa::Programa(const Pastas& pastas, Dialogos& dialogos)
    : Trad(pastas, dialogos), Proc(Trad.ajustes(), Trad.dados(), dialogos, &Trad), Sobre(Trad.ajustes(), &Trad) {
    Trad.LigaJanelas(Proc, Sobre);
}
