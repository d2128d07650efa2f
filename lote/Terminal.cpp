#include "Terminal.h"

#include "Codificacao.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace {

bool TerminalLatin1() {
    // A codificação vem de LC_CTYPE do usuário; pô-la não mexe no formato dos números. A localidade C
    // (a do cron) diz ASCII, que não tem os acentos: lá vai UTF-8, que os terminais de hoje mostram.
    static const bool latin1 = [] {
        std::setlocale(LC_CTYPE, "");
        const char* conjunto = nl_langinfo(CODESET);
        for (const char* umByte : {"ISO-8859-1", "ISO-8859-15", "CP1252"})
            if (std::strcmp(conjunto, umByte) == 0)
                return true;
        return false;
    }();
    return latin1;
}

// Tamanho da sequência UTF-8 multibyte válida que começa em i (0 quando não há): um caminho vindo
// da linha de comando chega em UTF-8 no meio de uma mensagem Latin-1 e deve passar como está.
std::size_t SequenciaUtf8(const std::string& texto, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(texto[k]); };
    const unsigned char primeiro = byte(i);
    const std::size_t tamanho = primeiro >= 0xF0 && primeiro <= 0xF4   ? 4
                                : primeiro >= 0xE0 && primeiro <= 0xEF ? 3
                                : primeiro >= 0xC2 && primeiro <= 0xDF ? 2
                                                                       : 0;
    if (tamanho == 0 || i + tamanho > texto.size())
        return 0;
    for (std::size_t k = 1; k < tamanho; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    // Formas longas demais e substitutos não são UTF-8.
    if ((primeiro == 0xE0 && byte(i + 1) < 0xA0) || (primeiro == 0xED && byte(i + 1) >= 0xA0) ||
        (primeiro == 0xF0 && byte(i + 1) < 0x90) || (primeiro == 0xF4 && byte(i + 1) >= 0x90))
        return 0;
    return tamanho;
}

} // namespace

std::string LinhasDoTerminal(const std::string& texto) {
    std::string linhas;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\r')
            linhas += texto[i];
        else if (i == 0 || texto[i - 1] != '\r')
            linhas += '\n';
    }
    return linhas;
}

std::string ParaTerminal(const std::string& latin1) {
    if (TerminalLatin1())
        return latin1;
    std::string saida;
    saida.reserve(latin1.size() + latin1.size() / 8);
    for (std::size_t i = 0; i < latin1.size();) {
        const auto byte = static_cast<unsigned char>(latin1[i]);
        if (byte < 0x80) {
            saida += latin1[i++];
        } else if (const std::size_t sequencia = SequenciaUtf8(latin1, i)) {
            saida.append(latin1, i, sequencia);
            i += sequencia;
        } else {
            // Os bytes de 0x80 a 0x9F são da página Windows-1252 (as reticências, as aspas curvas).
            const char32_t c = CaractereWindows1252(byte);
            if (c >= 0x800)
                saida += static_cast<char>(0xE0 | (c >> 12));
            saida += static_cast<char>((c >= 0x800 ? 0x80 : 0xC0) | ((c >> 6) & 0x3F));
            saida += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
        }
    }
    return saida;
}
