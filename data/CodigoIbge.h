#pragma once
// O código de município como o IBGE e o DATASUS o publicam, no lugar do CD_MUN de 4 dígitos: 7
// dígitos (UF, município e dígito verificador, 1506807) ou 6 (sem o verificador, 150680).
#include "LeituraDados.h"

#include <string>
#include <vector>

// O dígito verificador do IBGE dos seis primeiros dígitos (pesos 1 e 2 alternados, os dois dígitos de
// cada produto somados), com as exceções que o próprio IBGE mantém.
bool VerificadorCerto(const std::string& codigo7);

struct CodigoIbgeLido {
    std::size_t campo; // o índice do campo de município na linha
    std::string aviso; // Avisos::CodigoIbgeLido ou Avisos::VerificadorErrado
    std::string texto; // o texto como estava
};

// Nos campos de município (CD_MUN, CD_MUND, CD_MUNR) de uma linha que tem CD_UF: 7 dígitos com os
// dois primeiros iguais a CD_UF e o verificador certo, ou 6 com os dois primeiros iguais a CD_UF,
// ficam no rascunho como o CD_MUN de 4 dígitos; 7 com o verificador errado ficam como estão. Cada
// caso volta como aviso.
std::vector<CodigoIbgeLido> LeCodigosIbge(const std::vector<CampoEntrada>& campos);
