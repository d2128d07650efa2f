#pragma once
// A conferência de uma base original com a divisão de 1º de janeiro de um ano: municípios da divisão
// que faltam na base, códigos que a divisão não tem, códigos repetidos, e a divisão com que a base
// mais se parece quando não é a pedida.
#include "DivisoesBrasil.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

enum class TipoProblema { Ausente, ForaDaDivisao, Repetido };

struct ProblemaConferencia {
    TipoProblema tipo = TipoProblema::Ausente;
    std::int32_t uf = 0;
    std::int32_t municipio = 0;
    std::string nome;  // vazio quando nenhuma divisão conhecida tem o código
    int outroAno = 0;  // fora da divisão: o ano mais perto que tem o código (0: nenhum)
    int linhas = 0;    // repetido: quantas linhas da base têm o código
    std::string texto; // a linha para o usuário
};

struct Conferencia {
    int ano = 0;
    std::size_t municipiosDivisao = 0;
    std::vector<ProblemaConferencia> problemas;
    int ausentes = 0;
    int foraDaDivisao = 0;
    int repetidos = 0;
    int divisaoProvavel = 0; // o ano de divisão com que a base mais bate, quando não é o pedido
};

// Confere os códigos da base (CD_UF, CD_MUN na ordem das linhas) com a divisão do ano.
Conferencia ConfereBase(const DivisoesBrasil& divisoes, const std::vector<std::pair<std::int32_t, std::int32_t>>& base,
                        int ano, int ultimoAno);

// Lê a base original (pelas regras da carga) e a confere com a divisão do ano.
Conferencia ConfereArquivo(const DivisoesBrasil& divisoes, const std::string& original, char separadorDecimal, int ano);

// Os nomes dos municípios da divisão do ano que não estão entre os códigos.
std::vector<std::string> MunicipiosQueFaltam(const DivisoesBrasil& divisoes,
                                             const std::vector<std::pair<std::int32_t, std::int32_t>>& codigos,
                                             int ano);

// "Conferência com a divisão de 1º de janeiro de ANO (N municípios): ...", numa linha.
std::string ResumoConferencia(const Conferencia& conferencia);

// Uma linha por problema e o resumo por último, cada uma terminada em "\n".
std::string TextoConferencia(const Conferencia& conferencia);
