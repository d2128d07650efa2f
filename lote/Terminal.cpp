#include "Terminal.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace {

bool TerminalUtf8() {
    // A codificação vem de LC_CTYPE do usuário; pô-la não mexe no formato dos números.
    static const bool utf8 = [] {
        std::setlocale(LC_CTYPE, "");
        return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    }();
    return utf8;
}

} // namespace

std::string ParaTerminal(const std::string& latin1) {
    if (!TerminalUtf8())
        return latin1;
    std::string saida;
    saida.reserve(latin1.size() + latin1.size() / 8);
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            saida += c;
        } else {
            saida += static_cast<char>(0xC0 | (byte >> 6));
            saida += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return saida;
}
