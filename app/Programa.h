#pragma once
// As três janelas do programa, criadas uma vez na ordem TTrad, TProc, TSobre e vivas até o fim.
#include "Proc_.h"
#include "Sobre_.h"
#include "Trad_.h"

struct Programa {
    Programa(const Pastas& pastas, Dialogos& dialogos);
    TTrad Trad;
    TProc Proc;
    TSobre Sobre;
};
