#pragma once
// O executável morvisan-lote de verdade, rodado sob C.UTF-8 com a saída e os erros guardados.
#include "PastaTemporaria.h"

#include <string>
#include <utility>
#include <vector>

struct SaidaLote {
    int codigo = -1;
    std::string normal;
    std::string erros;
};

// Roda "morvisan-lote --sistema SISTEMA ARGUMENTOS..."; a saída e os erros passam por arquivos da pasta.
SaidaLote ExecutaLote(const PastaTemporaria& pasta, const std::string& sistema,
                      const std::vector<std::string>& argumentos);

// Uma pasta de programa temporária com Bases0 e a tabela de mudanças do Brasil da compilação.
struct SistemaLote {
    SistemaLote();
    SaidaLote Roda(const std::vector<std::string>& argumentos) const { return ExecutaLote(pasta, sistema, argumentos); }

    PastaTemporaria pasta;
    std::string sistema;
};

// Os argumentos com cada marca ("{O}") trocada pelo seu valor.
std::vector<std::string> ComMarcas(std::vector<std::string> argumentos,
                                   const std::vector<std::pair<std::string, std::string>>& marcas);

// A base com os outros municípios da divisão de 1º de janeiro do ano, cada um com 1000;1000 no fim:
// a conferência da preparação não acha nada.
std::string ComDivisaoInteira(const std::string& base, int ano);
