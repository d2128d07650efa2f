// Carga dos dois arquivos de entrada nas tabelas de trabalho: uma linha, um registro.
#include "Processamento.h"

#include "CargaTexto.h"
#include "RegrasBaseOriginal.h"
#include "RegrasBaseTraducao.h"
#include "Texto.h"

#include <unordered_set>

void Processamento::CarregaBO() {
    Rascunho& r = ajustes_.rascunho;
    avisosBO_.clear();
    registrosBO_.clear();
    populacaoAntes_ = {};
    const RegrasCarga regras = RegrasBaseOriginal(r, ajustes_.regional.separadorDecimal);
    const std::string arquivo = NomeSemPasta(ajustes_.Arquivos[0]);
    std::unordered_set<std::uint64_t> vistos;
    // POP1 e POP2 passam pelo teste decimal, mais largo que a conversão: "5000 " ou "7000,5" chegam à
    // conversão e param a rodada com o lugar na mensagem.
    CarregaTexto(ajustes_.Arquivos[0], regras, dados_.T_BO_DESC, avisosBO_, [&](long long linha) {
        registrosBO_.push_back({StrToInt(r.CD_UF), StrToInt(r.CD_MUN), linha});
        AvisaRepetido(vistos, registrosBO_.back().uf, registrosBO_.back().municipio, arquivo, linha, avisosBO_);
        populacaoAntes_.pop1 += StrToInt(r.POP1);
        populacaoAntes_.pop2 += StrToInt(r.POP2);
        painel_.DefineContador(Contador::BO_desc, TextoInteiro(static_cast<std::int64_t>(registrosBO_.size())));
        if (registrosBO_.size() % LoteCancelamento == 0)
            painel_.ConfereCancelamento();
    });
}

void Processamento::CarregaBT() {
    avisosBT_.clear();
    const RegrasCarga regras = RegrasBaseTraducao(ajustes_.rascunho);
    int registros = 0;
    CarregaTexto(ajustes_.Arquivos[1], regras, dados_.T_BT_DESC, avisosBT_, [&](long long) {
        painel_.DefineContador(Contador::BT_DESC, TextoInteiro(++registros));
        if (registros % LoteCancelamento == 0)
            painel_.ConfereCancelamento();
    });
}
