#include "PopulacaoOriginal.h"

#include "RegrasBaseOriginal.h"
#include "Texto.h"

void PopulacaoOriginal::Define(std::int32_t uf, std::int32_t municipio, std::int64_t pop1, std::int64_t pop2) {
    pops_.try_emplace(Chave(uf, municipio), pop1, pop2);
    codigos_.emplace_back(uf, municipio);
}

const std::int64_t* PopulacaoOriginal::Pop1(std::int32_t uf, std::int32_t municipio) const {
    const auto achado = pops_.find(Chave(uf, municipio));
    return achado == pops_.end() ? nullptr : &achado->second.first;
}

std::int64_t PopulacaoOriginal::Pop2(std::int32_t uf, std::int32_t municipio) const {
    const auto achado = pops_.find(Chave(uf, municipio));
    return achado == pops_.end() ? 0 : achado->second.second;
}

std::uint64_t PopulacaoOriginal::Chave(std::int32_t uf, std::int32_t municipio) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(uf)) << 32 | static_cast<std::uint32_t>(municipio);
}

PopulacaoOriginal LePopulacaoOriginal(const std::string& caminho, char separadorDecimal, std::vector<Aviso>& avisos) {
    PopulacaoOriginal base;
    Rascunho r;
    const RegrasCarga regras = RegrasBaseOriginal(r, separadorDecimal);
    std::unordered_set<std::uint64_t> vistos;
    LeituraDados leitura(caminho, regras, avisos);
    while (leitura.Proxima()) {
        leitura.Conserta();
        const std::int32_t uf = leitura.Inteiro(regras.campos[0]);
        const std::int32_t municipio = leitura.Inteiro(regras.campos[1]);
        const std::int32_t pop1 = leitura.Inteiro(regras.campos[2]);
        const std::int32_t pop2 = leitura.Inteiro(regras.campos[3]);
        base.Define(uf, municipio, pop1, pop2);
        AvisaRepetido(vistos, uf, municipio, leitura.Nome(), leitura.NumeroLinha(), avisos);
    }
    return base;
}
