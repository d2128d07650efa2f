#pragma once
// Os objetos de dados que a janela principal guarda pela vida do programa.
#include "Motor.h"
#include "Tabela.h"

struct Dados {
    Motor motor;
    Tabela T_BO_DESC{motor};
    Tabela T_BT_DESC{motor};
    Tabela T_BF_DESC{motor};
    Tabela T_DEF_MUN{motor};
    Tabela T_DEF_UF{motor};
};
