#include "RegrasBaseOriginal.h"

#include "Texto.h"

RegrasCarga RegrasBaseOriginal(Rascunho& r, char separadorDecimal) {
    return {.campos = {{"CD_UF", &r.CD_UF, "0", true},
                       {"CD_MUN", &r.CD_MUN, "0", true},
                       {"POP1", &r.POP1, "0", true},
                       {"POP2", &r.POP2, "0", true}},
            .conserto = [&r, separadorDecimal] { T_BO_DESCBeforeInsert(r, separadorDecimal); }};
}

void AvisaRepetido(std::unordered_set<std::uint64_t>& vistos, std::int32_t uf, std::int32_t municipio,
                   const std::string& arquivo, long long linha, std::vector<Aviso>& avisos) {
    const std::uint64_t chave =
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(uf)) << 32 | static_cast<std::uint32_t>(municipio);
    if (!vistos.insert(chave).second)
        avisos.push_back({arquivo, linha, "CD_MUN", Avisos::RepetidoNaBaseOriginal, TextoInteiro(municipio)});
}

void T_BO_DESCBeforeInsert(Rascunho& r, char separadorDecimal) {
    for (std::string* codigo : {&r.CD_UF, &r.CD_MUN})
        if (!EhInteiro(*codigo))
            *codigo = "0";
    for (std::string* populacao : {&r.POP1, &r.POP2})
        if (!EhDecimal(*populacao, separadorDecimal))
            *populacao = "0";
}
