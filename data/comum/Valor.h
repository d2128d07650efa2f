#pragma once
// Os valores que o motor guarda e devolve, e a regra única de texto para número: o motor a usa ao
// gravar um texto num campo numérico, ao comparar um texto com um número, ao somar e ao ler um campo
// como inteiro ou número; a leitura dos arquivos do usuário a usa nos inteiros (TentaInteiro, em
// Texto.h). O que é de cada formato fica com o seu leitor: no .dbf, os brancos e zeros binários nas
// pontas e os asteriscos de estouro; nos arquivos do usuário, os prefixos hexadecimais e nenhum branco
// à direita do inteiro, o separador de milhar e o decimal.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Valor de um campo: nulo, inteiro, real ou texto (sem brancos finais).
struct Valor {
    enum class Tipo { Nulo, Inteiro, Real, Texto } tipo = Tipo::Nulo;
    std::int64_t inteiro = 0;
    double real = 0;
    std::string texto;
};

// O mesmo valor sem cópia: o texto aponta para onde ele está guardado (o registro lido, a tabela na
// memória) e vale enquanto aquilo não mudar.
struct Celula {
    Valor::Tipo tipo = Valor::Tipo::Nulo;
    std::int64_t inteiro = 0;
    double real = 0;
    std::string_view texto;

    static Celula De(const Valor& valor) { return {valor.tipo, valor.inteiro, valor.real, valor.texto}; }
    Valor Copia() const { return {tipo, inteiro, real, std::string(texto)}; }
};

// O número que um texto escreve: brancos nas pontas, um sinal opcional ("+" ou "-"), um inteiro de 64
// bits ou, não sendo, um real finito com ponto e expoente opcionais. Vazio quando o texto não é
// número (e quando só tem brancos).
std::optional<Celula> NumeroDoTexto(std::string_view texto);
