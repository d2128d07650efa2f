#pragma once
// As divisões municipais do Brasil que vêm com o programa (dados/divisoes-brasil.csv): uma linha por
// município e nome, com o primeiro e o último ano (1º de janeiro) em que ele tem esse nome.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct MunicipioBrasil {
    std::int32_t uf = 0;
    std::int32_t municipio = 0; // CD_MUN como o sistema o usa
    std::int32_t codigo = 0;    // o de 7 dígitos do IBGE
    std::string nome;
    int anoInicial = 0;
    int anoFinal = 0; // 0: o nome vale até hoje
};

class DivisoesBrasil {
public:
    explicit DivisoesBrasil(std::vector<MunicipioBrasil> linhas);

    // A primeira divisão conhecida e o ano da última mudança: depois dele vale a mesma lista.
    int PrimeiroAno() const { return primeiro_; }
    int UltimaMudanca() const { return ultimaMudanca_; }

    // Os municípios da divisão de 1º de janeiro de "ano", em ordem de UF e código.
    std::vector<const MunicipioBrasil*> Divisao(int ano) const;
    // O município na divisão de "ano", ou vazio.
    const MunicipioBrasil* Municipio(std::int32_t uf, std::int32_t municipio, int ano) const;
    // O ano mais perto de "ano" em cuja divisão o município está; 0 quando em nenhuma.
    int AnoMaisProximo(std::int32_t uf, std::int32_t municipio, int ano) const;

    // Os anos em que a lista muda (nomes inclusive), do primeiro à última mudança.
    std::vector<int> AnosDeMudanca() const;

    // O que há de errado com o ano, no texto para o usuário; vazio quando há divisão para ele.
    std::string ProblemaDoAno(int ano) const;

    static std::uint64_t Chave(std::int32_t uf, std::int32_t municipio);

private:
    std::vector<MunicipioBrasil> linhas_;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> porCodigo_;
    int primeiro_ = 0;
    int ultimaMudanca_ = 0;
};

// O último ano aceito: o corrente, ou o da última mudança se a tabela for adiante (depois da última
// mudança vale a mesma divisão).
int UltimoAnoAceito(int ultimaMudanca);

std::string ArquivoDivisoesBrasil(const std::string& dirSistema);

// Lê as divisões; arquivo que falta ou linha fora do formato levanta Falha com o arquivo e a linha.
DivisoesBrasil LeDivisoesBrasil(const std::string& caminho);
