#pragma once
// A volta de uma base à divisão de um ano anterior: cada município instalado depois dele devolve a
// população aos doadores, do mais novo ao mais velho, para que as cadeias se desfaçam (o neto volta
// ao filho antes de o filho voltar ao pai). Com um doador só a volta é exata; com vários, cada campo
// é repartido pelas frações da tabela aplicadas ao que cada doador tem agora (o inverso da conta da
// preparação), pelos maiores restos, e cada doador de uma repartição ganha um aviso.
#include "Aviso.h"
#include "DivisoesBrasil.h"
#include "MudancasBrasil.h"
#include "PopulacaoOriginal.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using Pops = std::array<std::int64_t, 2>; // POP1, POP2

struct MunicipioAgregado {
    std::int32_t uf = 0;
    std::int32_t municipio = 0;
    Pops pops{};
};

// Uma devolução: o município extinto na volta (antes e depois) e o doador que recebe (depois).
struct Devolucao {
    std::int32_t uf = 0;
    std::int32_t extinto = 0;
    std::string nomeExtinto;
    std::int32_t doador = 0;
    std::string nomeDoador;
    Pops antes{};  // do extinto, antes desta devolução
    Pops movida{}; // o que passou ao doador
    Pops depois{}; // do extinto, depois
    Pops doadorDepois{};
    bool repartida = false;
};

struct Agregacao {
    std::vector<MunicipioAgregado> municipios; // em ordem de UF e código
    std::vector<Devolucao> devolucoes;         // na ordem em que foram feitas
    int repartidas = 0;                        // municípios extintos repartidos entre doadores
    Pops antes{};
    Pops depois{};
};

// Leva a base (já na divisão de 1º de janeiro de "de") à divisão de 1º de janeiro de "ate", anterior.
Agregacao AgregaBase(const std::vector<MudancaBrasil>& tabela, const PopulacaoOriginal& base, int de, int ate);

// As linhas do balanço, como as da rodada: "POP1: N antes, N depois" e a de POP2.
std::string TextoBalanco(const Pops& antes, const Pops& depois);

// Uma linha de Morvisan.Avisos (ARQUIVO;LINHA;CAMPO;AVISO;TEXTO), sem a linha quando ela não se sabe.
std::string LinhaAvisos(const Aviso& aviso);

// A repartição de "total" pelos pesos, pelos maiores restos (no empate, o primeiro). Sem peso
// positivo, em partes iguais.
std::vector<std::int64_t> Reparte(std::int64_t total, const std::vector<long double>& pesos);
