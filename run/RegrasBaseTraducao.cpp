#include "RegrasBaseTraducao.h"

#include "Texto.h"

namespace {

// Uma mudança com um valor que não se lê não pode ser aplicada como está escrita: trocar por 0 moveria
// ninguém ou mudaria a ordem da cadeia. A marca de exceção é texto e nunca para.
void ConfereMudanca(const LeituraDados& leitura) {
    const std::vector<CampoEntrada>& campos = leitura.Regras().campos;
    for (std::size_t i = 0; i + 1 < campos.size(); ++i) {
        const std::string& texto = *campos[i].rascunho;
        if (!campos[i].inteiro && !campos[i].numerico) {
            if (SemBrancos(texto).empty())
                leitura.Recusa(campos[i], "campo vazio.");
        } else if (!EhInteiro(texto)) {
            // Uma data de planilha que não existe (2013-02-30) é dita como data.
            const bool data = campos[i].numerico && SemBrancos(texto).find_first_of("-/", 1) != std::string::npos;
            leitura.Recusa(campos[i],
                           data ? "'" + texto + "' n\xe3o \xe9 uma data v\xe1lida." : MensagemInteiroInvalido(texto));
        }
    }
}

} // namespace

RegrasCarga RegrasBaseTraducao(Rascunho& r) {
    return {{{"CD_UF", &r.CD_UF, "0", true},
             {"SIT_DOA", &r.SIT_DOA, "_", false},
             {"CD_MUND", &r.CD_MUND, "0", true},
             {"SIT_REC", &r.SIT_REC, "_", false},
             {"CD_MUNR", &r.CD_MUNR, "0", true},
             {"POP", &r.POP, "0", true},
             {"DATA", &r.DATA, "0", false, 0, true},
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
            },
            true,
            ConfereMudanca,
            [&r] { T_BT_DESCBeforeInsert(r); }};
}

void T_BT_DESCBeforeInsert(Rascunho& r) {
    for (std::string* campo : {&r.CD_UF, &r.CD_MUND, &r.CD_MUNR, &r.POP, &r.DATA})
        if (!EhInteiro(*campo))
            *campo = "0";
}
