#pragma once
// O POP1 e o POP2 de cada município de uma base original, lidos pelas regras da carga da rodada.
#include "Aviso.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class PopulacaoOriginal {
public:
    // Guarda o primeiro registro de cada código, o que a transferência da rodada acharia.
    void Define(std::int32_t uf, std::int32_t municipio, std::int64_t pop1, std::int64_t pop2 = 0);
    // Vazio quando o município não está na base.
    const std::int64_t* Pop1(std::int32_t uf, std::int32_t municipio) const;
    std::int64_t Pop2(std::int32_t uf, std::int32_t municipio) const;
    // CD_UF e CD_MUN de cada registro, na ordem do arquivo, repetidos inclusive.
    const std::vector<std::pair<std::int32_t, std::int32_t>>& Codigos() const { return codigos_; }

private:
    static std::uint64_t Chave(std::int32_t uf, std::int32_t municipio);
    std::unordered_map<std::uint64_t, std::pair<std::int64_t, std::int64_t>> pops_;
    std::vector<std::pair<std::int32_t, std::int32_t>> codigos_;
};

// Lê a base original como a carga da rodada: os mesmos avisos da leitura (em `avisos`), campos
// consertados para "0" e a mesma falha para a população que passa no teste decimal e não é inteira.
PopulacaoOriginal LePopulacaoOriginal(const std::string& caminho, char separadorDecimal, std::vector<Aviso>& avisos);
