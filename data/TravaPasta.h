#pragma once
// Uma rodada ou importação por vez em cada pasta do programa (a pasta onde ele grava Bases1 e
// Trabalho): as cópias de trabalho e as bases extras têm nomes fixos, e duas rodadas juntas
// misturariam as tabelas uma da outra.
#include <string>

class TravaPasta {
public:
    // Trava a pasta (flock num arquivo dela) ou levanta Falha na hora, sem esperar, quando outro
    // processo já a travou.
    explicit TravaPasta(const std::string& pasta);
    ~TravaPasta();
    TravaPasta(const TravaPasta&) = delete;
    TravaPasta& operator=(const TravaPasta&) = delete;

private:
    int descritor_ = -1;
};
