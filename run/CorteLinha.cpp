#include "CorteLinha.h"

#include "Texto.h"

void CortaLinha(std::string_view linha, const std::vector<CampoLinha>& campos) {
    for (const CampoLinha& campo : campos)
        *campo.rascunho = campo.padrao;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i + 1 < campos.size(); ++i) {
        const std::size_t separador = linha.find(';', inicio);
        if (separador == std::string_view::npos)
            return;
        *campos[i].rascunho = linha.substr(inicio, separador - inicio);
        inicio = separador + 1;
    }
    *campos.back().rascunho = Apara(linha.substr(inicio));
}

void CortaLinhaOriginal(std::string_view linha, Rascunho& r) {
    CortaLinha(linha, {{&r.CD_UF, "0"}, {&r.CD_MUN, "0"}, {&r.POP1, "0"}, {&r.POP2, "0"}});
    if (r.POP2.size() > 12)
        r.POP2 = Apara(r.POP2.substr(0, 12));
}

void ConsertaLinhaOriginal(Rascunho& r, char separadorDecimal) {
    for (std::string* codigo : {&r.CD_UF, &r.CD_MUN})
        if (!EhInteiro(*codigo))
            *codigo = "0";
    for (std::string* populacao : {&r.POP1, &r.POP2})
        if (!EhDecimal(*populacao, separadorDecimal))
            *populacao = "0";
}
