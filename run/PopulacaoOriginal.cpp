#include "PopulacaoOriginal.h"

#include "CorteLinha.h"
#include "LeitorTexto.h"
#include "Texto.h"

void PopulacaoOriginal::Define(std::int32_t uf, std::int32_t municipio, std::int64_t pop1) {
    pop1_.try_emplace(Chave(uf, municipio), pop1);
}

const std::int64_t* PopulacaoOriginal::Pop1(std::int32_t uf, std::int32_t municipio) const {
    const auto achado = pop1_.find(Chave(uf, municipio));
    return achado == pop1_.end() ? nullptr : &achado->second;
}

std::uint64_t PopulacaoOriginal::Chave(std::int32_t uf, std::int32_t municipio) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(uf)) << 32 | static_cast<std::uint32_t>(municipio);
}

PopulacaoOriginal LePopulacaoOriginal(const std::string& caminho, char separadorDecimal) {
    PopulacaoOriginal base;
    LeitorTexto entrada(caminho);
    Rascunho r;
    std::string linha;
    while (entrada.LeLinha(linha)) {
        if (linha.find(';') == std::string::npos)
            continue;
        CortaLinhaOriginal(linha, r);
        ConsertaLinhaOriginal(r, separadorDecimal);
        const std::int32_t uf = StrToInt(r.CD_UF);
        const std::int32_t municipio = StrToInt(r.CD_MUN);
        const std::int32_t pop1 = StrToInt(r.POP1);
        // POP2 não entra na conta, mas a rodada pararia nele: melhor parar aqui, antes de gravar.
        StrToInt(r.POP2);
        base.Define(uf, municipio, pop1);
    }
    return base;
}
