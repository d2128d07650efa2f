// Carga dos dois arquivos de entrada nas tabelas de trabalho: uma linha, um registro.
#include "Processamento.h"

#include "CargaTexto.h"
#include "RegrasBaseOriginal.h"
#include "Texto.h"

namespace {

void ConsertaInteiro(std::string& texto) {
    if (!EhInteiro(texto))
        texto = "0";
}

} // namespace

void Processamento::T_BO_DESCBeforeInsert(Tabela&) {
    ConsertaBaseOriginal(ajustes_.rascunho, ajustes_.regional.separadorDecimal);
}

void Processamento::T_BT_DESCBeforeInsert(Tabela&) {
    Rascunho& r = ajustes_.rascunho;
    for (std::string* campo : {&r.CD_UF, &r.CD_MUND, &r.CD_MUNR, &r.POP, &r.DATA})
        ConsertaInteiro(*campo);
}

void Processamento::CarregaBO() {
    Rascunho& r = ajustes_.rascunho;
    avisosBO_.clear();
    registrosBO_.clear();
    populacaoAntes_ = {};
    const RegrasCarga regras = RegrasBaseOriginal(r);
    // POP1 e POP2 passam pelo teste decimal, mais largo que a conversão: "5000 " ou "7000,5" chegam à
    // conversão e param a rodada com o lugar na mensagem.
    CarregaTexto(ajustes_.Arquivos[0], regras, dados_.T_BO_DESC, avisosBO_, [&](long long linha) {
        registrosBO_.push_back({StrToInt(r.CD_UF), StrToInt(r.CD_MUN), linha});
        populacaoAntes_.pop1 += StrToInt(r.POP1);
        populacaoAntes_.pop2 += StrToInt(r.POP2);
        painel_.DefineContador(Contador::BO_desc, TextoInteiro(static_cast<std::int64_t>(registrosBO_.size())));
    });
}

void Processamento::CarregaBT() {
    Rascunho& r = ajustes_.rascunho;
    avisosBT_.clear();
    RegrasCarga regras{{{"CD_UF", &r.CD_UF, "0", true},
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
    int registros = 0;
    CarregaTexto(ajustes_.Arquivos[1], regras, dados_.T_BT_DESC, avisosBT_,
                 [&](long long) { painel_.DefineContador(Contador::BT_DESC, TextoInteiro(++registros)); });
}
