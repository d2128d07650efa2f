#include "RegrasBaseTraducao.h"

#include "Texto.h"

RegrasCarga RegrasBaseTraducao(Rascunho& r) {
    return {{{"CD_UF", &r.CD_UF, "0", true},
             {"SIT_DOA", &r.SIT_DOA, "_", false},
             {"CD_MUND", &r.CD_MUND, "0", true},
             {"SIT_REC", &r.SIT_REC, "_", false},
             {"CD_MUNR", &r.CD_MUNR, "0", true},
             {"POP", &r.POP, "0", true},
             {"DATA", &r.DATA, "0", false},
             {"EXCECAO", &r.EXCECAO, " ", false}},
            [&r] {
                // Marca longa vale pelo primeiro caractere (não pelos oito primeiros).
                if (r.EXCECAO.size() > 8)
                    r.EXCECAO = Apara(r.EXCECAO.substr(0, 1));
                if (r.EXCECAO != "*")
                    r.EXCECAO = " ";
            },
            // A data de uma planilha (2013-01-01, 01/01/2013) vale como o número 20130101.
            [&r] {
                if (const auto data = DataComoNumero(r.DATA))
                    r.DATA = *data;
            }};
}

void ConsertaBaseTraducao(Rascunho& r) {
    for (std::string* campo : {&r.CD_UF, &r.CD_MUND, &r.CD_MUNR, &r.POP, &r.DATA})
        if (!EhInteiro(*campo))
            *campo = "0";
}
