// Carga dos dois arquivos de entrada nas tabelas de trabalho: uma linha, um registro.
#include "Processamento.h"

#include "CorteLinha.h"
#include "LeitorTexto.h"
#include "Texto.h"

#include <functional>
#include <string_view>

namespace {

// O laço comum às duas cargas. Linhas sem ";" não contam; as outras viram um registro cada, com o
// contador mostrado a cada registro. corta põe a linha no rascunho, já com a regra do último campo.
void CarregaArquivo(const std::string& caminho, Tabela& tabela, PainelProc& painel, Contador contador,
                    const std::function<void(std::string_view)>& corta, const std::function<void()>& defineCampos) {
    LeitorTexto entrada(caminho);
    int registros = 0;
    std::string linha;
    while (entrada.LeLinha(linha)) {
        if (linha.find(';') == std::string::npos)
            continue;
        corta(linha);
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
    ConsertaLinhaOriginal(ajustes_.rascunho, ajustes_.regional.separadorDecimal);
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
        ajustes_.Arquivos[0], tabela, painel_, Contador::BO_desc,
        [&r](std::string_view linha) { CortaLinhaOriginal(linha, r); },
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
        ajustes_.Arquivos[1], tabela, painel_, Contador::BT_DESC,
        [&r](std::string_view linha) {
            CortaLinha(linha, {{&r.CD_UF, "0"},
                               {&r.SIT_DOA, "_"},
                               {&r.CD_MUND, "0"},
                               {&r.SIT_REC, "_"},
                               {&r.CD_MUNR, "0"},
                               {&r.POP, "0"},
                               {&r.DATA, "0"},
                               {&r.EXCECAO, " "}});
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
