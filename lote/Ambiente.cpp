#include "Ambiente.h"

#include <clocale>
#include <langinfo.h>
#include <optional>

namespace {

// O separador só serve quando é um caractere ASCII sozinho.
std::optional<char> UmByte(const char* texto) {
    if (texto[0] == '\0' || texto[1] != '\0' || static_cast<unsigned char>(texto[0]) >= 0x80)
        return std::nullopt;
    return texto[0];
}

// Formato strftime da localidade ("%d/%m/%Y", "%H:%M:%S") no estilo dos ajustes ("dd/MM/yyyy",
// "hh:mm:ss"); o que não for conversão conhecida passa como está.
std::string FormatoDoAmbiente(const char* formato) {
    std::string saida;
    for (const char* p = formato; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            saida += *p;
            continue;
        }
        switch (*++p) {
        case 'd':
            saida += "dd";
            break;
        case 'e':
            saida += "d";
            break;
        case 'm':
            saida += "MM";
            break;
        case 'Y':
            saida += "yyyy";
            break;
        case 'y':
            saida += "yy";
            break;
        case 'H':
            saida += "hh";
            break;
        case 'I':
            saida += "hh";
            break;
        case 'M':
            saida += "mm";
            break;
        case 'S':
            saida += "ss";
            break;
        case 'p':
            saida += "AP";
            break;
        case 'D':
            saida += "MM/dd/yy";
            break;
        case 'F':
            saida += "yyyy-MM-dd";
            break;
        case 'T':
            saida += "hh:mm:ss";
            break;
        case 'r':
            saida += "hh:mm:ss AP";
            break;
        case '%':
            saida += '%';
            break;
        default:
            saida += '%';
            saida += *p;
            break;
        }
    }
    return saida;
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
    regional.formatoDataCurta = FormatoDoAmbiente(nl_langinfo(D_FMT));
    regional.formatoHoraLonga = FormatoDoAmbiente(nl_langinfo(T_FMT));
    std::setlocale(LC_NUMERIC, "C");
    return regional;
}
