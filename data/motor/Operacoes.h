#pragma once
// As operações que a rodada faz sobre as tabelas carregadas, escritas direto sobre as colunas e os
// índices: a cópia com as bases extras, o preenchimento dos nulos, a leitura ordenada e as contagens
// da verificação. Colunas vão pelo nome, sem olhar a caixa; uma que falta levanta Falha. Igualdade e
// ordem são as de Comparacao.h: nulo não é igual a nada.
#include "TabelaCarregada.h"

#include <cstdint>
#include <string>
#include <vector>

// Uma base extra da cópia: os registros dela cuja chave vale a do registro copiado, e a coluna de
// texto que vai para o destino.
struct Parceira {
    TabelaCarregada* tabela;
    std::vector<std::string> chave; // com o mesmo nome na origem e na base extra
    std::string coluna;
    std::string destino;
};

// Acrescenta ao destino as colunas dadas de cada registro da origem (mesmo nome nos dois), uma vez
// por combinação de parceiras; sem parceira, o registro fica de fora. Devolve quantos entraram.
// Ordem: a da origem; em cada registro, as parceiras na ordem dada, cada uma na ordem dela.
int CopiaComParceiras(TabelaCarregada& destino, const TabelaCarregada& origem, const std::vector<std::string>& colunas,
                      const std::vector<Parceira>& parceiras);

// Põe o texto na coluna de cada registro em que ela é nula; devolve quantos mudaram.
// Ordem: a da tabela, sem incluir nem mover registros.
int PreencheNulos(TabelaCarregada& tabela, const std::string& coluna, const std::string& texto);

// As posições (a partir de 0) dos registros ordenados pelas colunas, ascendente.
// Ordem: estável, os empates na ordem da tabela; nulo antes de número, número antes de texto.
std::vector<int> OrdemEstavel(const TabelaCarregada& tabela, const std::vector<std::string>& colunas);

// Uma igualdade a contar: a coluna e a constante, que vira número contra coluna numérica e texto
// contra coluna de texto.
struct Igualdade {
    std::string coluna;
    Valor constante;
};

// O que a verificação conta e soma, numa passada só pela tabela.
struct Totais {
    std::vector<std::int64_t> iguais;    // por igualdade
    std::vector<std::int64_t> negativos; // por coluna somada: valor lido como inteiro menor que 0
    std::vector<Celula> somas;           // por coluna somada: nula sem valor, real quando entra um real
};
Totais Totaliza(const TabelaCarregada& tabela, const std::vector<Igualdade>& igualdades,
                const std::vector<std::string>& somadas);
