#include "RegrasBaseOriginal.h"

#include "Texto.h"

RegrasCarga RegrasBaseOriginal(Rascunho& r) {
    return {{{"CD_UF", &r.CD_UF, "0", true},
             {"CD_MUN", &r.CD_MUN, "0", true},
             {"POP1", &r.POP1, "0", true},
             {"POP2", &r.POP2, "0", true}},
            [&r] {
                if (r.POP2.size() > 12)
                    r.POP2 = Apara(r.POP2.substr(0, 12));
            },
            nullptr};
}

void ConsertaBaseOriginal(Rascunho& r, char separadorDecimal) {
    for (std::string* codigo : {&r.CD_UF, &r.CD_MUN})
        if (!EhInteiro(*codigo))
            *codigo = "0";
    for (std::string* populacao : {&r.POP1, &r.POP2})
        if (!EhDecimal(*populacao, separadorDecimal))
            *populacao = "0";
}
