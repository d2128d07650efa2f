#include "CodigoIbge.h"

#include "Texto.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Códigos em uso cujo verificador não segue a conta (Bom Princípio do Piauí e outros oito).
constexpr std::array<const char*, 9> ExcecoesDoVerificador = {"2201919", "2201988", "2202251", "2611533", "3117836",
                                                              "3152131", "4305871", "5203939", "5203962"};

bool SoDigitos(const std::string& texto) {
    return !texto.empty() && std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool EhMunicipio(const char* nome) {
    return std::strcmp(nome, "CD_MUN") == 0 || std::strcmp(nome, "CD_MUND") == 0 || std::strcmp(nome, "CD_MUNR") == 0;
}

} // namespace

bool VerificadorCerto(const std::string& codigo7) {
    if (std::find(ExcecoesDoVerificador.begin(), ExcecoesDoVerificador.end(), codigo7) != ExcecoesDoVerificador.end())
        return true;
    int soma = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const int produto = (codigo7[i] - '0') * (i % 2 == 0 ? 1 : 2);
        soma += produto / 10 + produto % 10;
    }
    return codigo7[6] - '0' == (10 - soma % 10) % 10;
}

std::vector<CodigoIbgeLido> LeCodigosIbge(const std::vector<CampoEntrada>& campos) {
    std::vector<CodigoIbgeLido> lidos;
    const auto uf = std::find_if(campos.begin(), campos.end(),
                                 [](const CampoEntrada& campo) { return std::strcmp(campo.nome, "CD_UF") == 0; });
    if (uf == campos.end())
        return lidos;
    const auto numeroUf = TentaInteiro(*uf->rascunho);
    if (!numeroUf || *numeroUf < 10 || *numeroUf > 99)
        return lidos;
    const std::string prefixo = std::to_string(*numeroUf);
    for (std::size_t i = 0; i < campos.size(); ++i) {
        std::string& texto = *campos[i].rascunho;
        const std::string codigo = Apara(texto);
        if (!EhMunicipio(campos[i].nome) || (codigo.size() != 6 && codigo.size() != 7) || !SoDigitos(codigo) ||
            codigo.compare(0, 2, prefixo) != 0)
            continue;
        if (codigo.size() == 7 && !VerificadorCerto(codigo)) {
            lidos.push_back({i, Avisos::VerificadorErrado, texto});
            continue;
        }
        lidos.push_back({i, Avisos::CodigoIbgeLido, texto});
        texto = std::to_string(std::stoi(codigo.substr(2, 4)));
    }
    return lidos;
}
