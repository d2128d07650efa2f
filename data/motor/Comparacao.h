#pragma once
// Como as operações da rodada e a localização comparam valores. Igualdade: um número e um texto que o
// escreve são iguais quando o texto é convertido para número (comparado a uma coluna numérica) ou o
// número para texto (uma constante numérica comparada a uma coluna de texto); inteiro e real valem
// pelo valor; nulo não é igual a nada. Ordem: nulo antes de número, número antes de texto, números
// pelo valor, textos byte a byte.
#include "ImpressaoDigital.h"
#include "Valor.h"

#include <cstdint>
#include <string>
#include <string_view>

enum class Conversao { Nenhuma, ParaNumero, ParaTexto };

// A forma de um valor na comparação: real sem fração vira inteiro, para que 35 e 35.0 sejam a mesma
// chave. Nenhuma: o valor é nulo e não casa com nada.
struct Comparavel {
    enum class Tipo : std::uint8_t { Nenhuma, Inteiro, Real, Texto } tipo = Tipo::Nenhuma;
    std::int64_t inteiro = 0;
    double real = 0;
    std::string_view texto;
    bool operator==(const Comparavel& outra) const;
};

// A chave do valor depois da conversão; o texto de um número convertido fica guardado em `guarda`,
// que precisa viver enquanto a chave for usada.
Comparavel ComparavelDe(const Celula& valor, Conversao conversao, std::string& guarda);

std::uint64_t Dispersao(const Comparavel& chave);

// Negativo, zero ou positivo, na ordem de um "order by".
int ComparaNaOrdem(const Celula& a, const Celula& b);
