#pragma once
// Uma rodada ou importação por vez em cada pasta do programa (a pasta onde ele grava Bases1 e
// Trabalho): as cópias de trabalho e as bases extras têm nomes fixos, e duas rodadas juntas
// misturariam as tabelas uma da outra. A pasta de saída tem trava própria: duas rodadas de pastas do
// programa diferentes (dois usuários, dois --sistema) gravando nela deixariam as saídas de uma ao lado
// das da outra.
#include <string>

class TravaPasta {
public:
    enum class Uso { Programa, Saida };
    // Trava a pasta (flock num arquivo dela) ou levanta Falha na hora, sem esperar, quando outro
    // processo já a travou. O arquivo da trava da pasta de saída some quando ela é solta.
    explicit TravaPasta(const std::string& pasta, Uso uso = Uso::Programa);
    ~TravaPasta();
    TravaPasta(const TravaPasta&) = delete;
    TravaPasta& operator=(const TravaPasta&) = delete;

private:
    std::string caminho_;
    Uso uso_;
    int descritor_ = -1;
};
