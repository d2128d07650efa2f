// Carga dos dois arquivos de entrada nas tabelas de trabalho: uma linha, um registro.
#include "Processamento.h"

#include "LeitorTexto.h"
#include "Texto.h"

#include <functional>
#include <string_view>
#include <vector>

namespace {

struct CampoLinha {
    std::string* rascunho;
    const char* padrao;
};

// Corta a linha em campos da esquerda para a direita. Cada campo antes do último só existe quando
// um ";" o fecha; o último fica com o resto inteiro (";" inclusive), aparado, e só quando o
// separador antes dele existe. Campos sem texto ficam com o padrão.
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

// O laço comum às duas cargas. Linhas sem ";" não contam; as outras viram um registro cada, com o
// contador mostrado a cada registro.
void CarregaArquivo(const std::string& caminho, const std::vector<CampoLinha>& campos, Tabela& tabela,
                    PainelProc& painel, Contador contador, const std::function<void()>& regraUltimoCampo,
                    const std::function<void()>& defineCampos) {
    LeitorTexto entrada(caminho);
    int registros = 0;
    std::string linha;
    while (entrada.LeLinha(linha)) {
        if (linha.find(';') == std::string::npos)
            continue;
        CortaLinha(linha, campos);
        regraUltimoCampo();
        tabela.Inclui();
        defineCampos();
        tabela.Posta();
        ++registros;
        painel.DefineContador(contador, TextoInteiro(registros));
    }
}

void ConsertaInteiro(std::string& texto) {
    if (!EhInteiro(texto))
        texto = "0";
}

} // namespace

void Processamento::T_BO_DESCBeforeInsert(Tabela&) {
    Rascunho& r = ajustes_.rascunho;
    ConsertaInteiro(r.CD_UF);
    ConsertaInteiro(r.CD_MUN);
    for (std::string* populacao : {&r.POP1, &r.POP2})
        if (!EhDecimal(*populacao, ajustes_.regional.separadorDecimal))
            *populacao = "0";
}

void Processamento::T_BT_DESCBeforeInsert(Tabela&) {
    Rascunho& r = ajustes_.rascunho;
    for (std::string* campo : {&r.CD_UF, &r.CD_MUND, &r.CD_MUNR, &r.POP, &r.DATA})
        ConsertaInteiro(*campo);
}

void Processamento::CarregaBO() {
    Rascunho& r = ajustes_.rascunho;
    Tabela& tabela = dados_.T_BO_DESC;
    CarregaArquivo(
        ajustes_.Arquivos[0], {{&r.CD_UF, "0"}, {&r.CD_MUN, "0"}, {&r.POP1, "0"}, {&r.POP2, "0"}}, tabela, painel_,
        Contador::BO_desc,
        [&r] {
            if (r.POP2.size() > 12)
                r.POP2 = Apara(r.POP2.substr(0, 12));
        },
        // POP1 e POP2 passam pelo teste decimal, mais largo que a conversão: "5000 " ou "7000,5"
        // chegam aqui e param a rodada com a falha da conversão.
        [&r, &tabela] {
            tabela.DefineInteiro("CD_UF", StrToInt(r.CD_UF));
            tabela.DefineInteiro("CD_MUN", StrToInt(r.CD_MUN));
            tabela.DefineInteiro("POP1", StrToInt(r.POP1));
            tabela.DefineInteiro("POP2", StrToInt(r.POP2));
        });
}

void Processamento::CarregaBT() {
    Rascunho& r = ajustes_.rascunho;
    Tabela& tabela = dados_.T_BT_DESC;
    CarregaArquivo(
        ajustes_.Arquivos[1],
        {{&r.CD_UF, "0"},
         {&r.SIT_DOA, "_"},
         {&r.CD_MUND, "0"},
         {&r.SIT_REC, "_"},
         {&r.CD_MUNR, "0"},
         {&r.POP, "0"},
         {&r.DATA, "0"},
         {&r.EXCECAO, " "}},
        tabela, painel_, Contador::BT_DESC,
        [&r] {
            // Marca longa vale pelo primeiro caractere (não pelos oito primeiros).
            if (r.EXCECAO.size() > 8)
                r.EXCECAO = Apara(r.EXCECAO.substr(0, 1));
            if (r.EXCECAO != "*")
                r.EXCECAO = " ";
        },
        [&r, &tabela] {
            tabela.DefineInteiro("CD_UF", StrToInt(r.CD_UF));
            tabela.DefineTexto("SIT_DOA", r.SIT_DOA);
            tabela.DefineInteiro("CD_MUND", StrToInt(r.CD_MUND));
            tabela.DefineTexto("SIT_REC", r.SIT_REC);
            tabela.DefineInteiro("CD_MUNR", StrToInt(r.CD_MUNR));
            tabela.DefineInteiro("POP", StrToInt(r.POP));
            tabela.DefineTexto("DATA", r.DATA);
            tabela.DefineTexto("EXCECAO", r.EXCECAO);
        });
}
