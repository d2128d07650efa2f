#include "Terminal.h"

#include "Codificacao.h"

#include <algorithm>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <vector>

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

std::vector<std::string>& TrechosComoEstao() {
    static std::vector<std::string> trechos;
    return trechos;
}

} // namespace

void PassaComoEsta(const std::string& trecho) {
    if (trecho.empty())
        return;
    std::vector<std::string>& trechos = TrechosComoEstao();
    trechos.push_back(trecho);
    // O caminho inteiro antes do nome dele, que é um pedaço do mesmo texto.
    std::stable_sort(trechos.begin(), trechos.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
}

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
    std::string saida, pedaco;
    std::size_t i = 0;
    while (i < latin1.size()) {
        std::size_t achado = std::string::npos;
        const std::string* trecho = nullptr;
        for (const std::string& t : TrechosComoEstao())
            if (const std::size_t onde = latin1.find(t, i); onde < achado) {
                achado = onde;
                trecho = &t;
            }
        Windows1252ParaUtf8(std::string_view(latin1).substr(i, achado - i), pedaco);
        saida += pedaco;
        if (trecho == nullptr)
            break;
        saida += *trecho;
        i = achado + trecho->size();
    }
    return saida;
}
