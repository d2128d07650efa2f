#pragma once
// A base de tradução de um período, feita da tabela de mudanças do Brasil e das populações da base
// original do usuário: cada par leva a fração da população do doador que a tabela mediu na
// referência, aplicada ao POP1 do doador como as mudanças anteriores do período o deixam.
#include "ConferenciaBrasil.h"
#include "MudancasBrasil.h"
#include "PopulacaoOriginal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Uma linha da base de tradução. As gerações (quem nasce na mesma data recebe antes de ceder) vão em
// SIT_DOA e SIT_REC, para que a ordem da rodada (UF, DATA, SIT_DOA, SIT_REC) seja a da cadeia.
struct LinhaPreparada {
    std::int32_t uf = 0;
    int geracaoDoador = 1;
    std::int32_t doador = 0;
    int geracaoReceptor = 1;
    std::int32_t receptor = 0;
    std::int32_t pop = 0;
    std::int32_t data = 0;
};

// Um par estimado ou deixado de fora.
struct AvisoPreparacao {
    std::int32_t uf = 0;
    std::int32_t doador = 0;
    std::string nomeDoador;
    std::int32_t receptor = 0;
    std::string nomeReceptor;
    std::optional<std::int32_t> pop; // a gravada; vazia quando o par ficou de fora
    std::string aviso;               // o que foi feito
    std::string origem;              // como a tabela obteve o número
};

struct Preparacao {
    std::vector<LinhaPreparada> linhas;
    std::vector<AvisoPreparacao> avisos;
    std::vector<Aviso> avisosLeitura; // da leitura da base original, notas inclusive
    int estimadas = 0;
    int deixadas = 0;
    // Medidos numa referência que não é a principal do par (a mais perto do ano da base).
    int outraReferencia = 0;
    // Os municípios da divisão de "ate" que o resultado não vai ter.
    std::vector<std::string> faltaraoNoResultado;
    // A base com a divisão de "de", feita antes de tudo.
    Conferencia conferencia;
};

inline constexpr int PrimeiroAnoBrasil = 1991;

// O ano da última mudança da tabela (o ano de destino padrão).
int UltimoAnoBrasil(const std::vector<MudancaBrasil>& tabela);

// O que há de errado com o par de anos, no texto para o usuário; vazio quando serve.
std::string ProblemaDosAnos(int de, int ate, int ultimo);

// As mudanças instaladas depois de 1º de janeiro de "de" e até 1º de janeiro de "ate", na ordem da
// cadeia. Anos que não servem levantam Falha.
Preparacao PreparaMudancas(const std::vector<MudancaBrasil>& tabela, const PopulacaoOriginal& base, int de, int ate);

// A linha no formato da base de tradução: CD_UF;SIT_DOA;CD_MUND;SIT_REC;CD_MUNR;POP;DATA;
std::string TextoLinha(const LinhaPreparada& linha);

// Um aviso numa linha para o terminal ou a tela.
std::string TextoAviso(const AvisoPreparacao& aviso);
