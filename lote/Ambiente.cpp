#include "Ambiente.h"

#include <clocale>
#include <optional>

namespace {

// O separador só serve quando é um caractere ASCII sozinho.
std::optional<char> UmByte(const char* texto) {
    if (texto[0] == '\0' || texto[1] != '\0' || static_cast<unsigned char>(texto[0]) >= 0x80)
        return std::nullopt;
    return texto[0];
}

} // namespace

Regional RegionalDoAmbiente() {
    if (std::setlocale(LC_ALL, "") == nullptr)
        std::setlocale(LC_ALL, "C");
    Regional regional;
    const std::lconv* convencoes = std::localeconv();
    regional.separadorDecimal = UmByte(convencoes->decimal_point).value_or('.');
    // A localidade "C" não tem separador de milhar (e algumas usam um espaço de vários bytes): fica o
    // outro sinal, para não coincidir com o decimal.
    regional.separadorMilhar = UmByte(convencoes->thousands_sep).value_or(regional.separadorDecimal == '.' ? ',' : '.');
    std::setlocale(LC_NUMERIC, "C");
    return regional;
}
