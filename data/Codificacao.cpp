#include "Codificacao.h"

#include "Falha.h"
#include "Texto.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr unsigned char CtrlZ = 26;

// Os caracteres de 0x80 a 0x9F da página Windows-1252 (0: posição sem caractere).
constexpr char32_t Faixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Byte Windows-1252 do caractere, ou -1 quando a página não o tem. Os controles C1 (U+0080 a
// U+009F) não estão na página: as posições 0x80 a 0x9F são de outros caracteres.
int ByteWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (Faixa80[i] != 0 && Faixa80[i] == c)
            return 0x80 + i;
    return -1;
}

std::uint64_t Oito(const unsigned char* p) {
    std::uint64_t palavra;
    std::memcpy(&palavra, p, sizeof palavra);
    return palavra;
}

// Validador UTF-8 estrito em fluxo: sem formas longas demais, sem substitutos, até U+10FFFF.
class ValidadorUtf8 {
public:
    // false assim que a sequência deixa de ser UTF-8.
    bool Consome(const unsigned char* p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            if (faltam_ == 0) {
                // Texto quase todo ASCII: oito bytes de uma vez enquanto nenhum tem o bit alto.
                while (i + 8 <= n && (Oito(p + i) & 0x8080808080808080ULL) == 0)
                    i += 8;
                if (i == n)
                    break;
            }
            const unsigned char b = p[i];
            if (faltam_ == 0) {
                if (b < 0x80)
                    continue;
                altos_ = true;
                if (b >= 0xC2 && b <= 0xDF) {
                    faltam_ = 1;
                    minimo_ = 0x80;
                    maximo_ = 0xBF;
                } else if (b >= 0xE0 && b <= 0xEF) {
                    faltam_ = 2;
                    minimo_ = b == 0xE0 ? 0xA0 : 0x80;
                    maximo_ = b == 0xED ? 0x9F : 0xBF;
                } else if (b >= 0xF0 && b <= 0xF4) {
                    faltam_ = 3;
                    minimo_ = b == 0xF0 ? 0x90 : 0x80;
                    maximo_ = b == 0xF4 ? 0x8F : 0xBF;
                } else {
                    return false;
                }
                continue;
            }
            // Só o primeiro byte de continuação tem faixa restrita.
            if (b < minimo_ || b > maximo_)
                return false;
            minimo_ = 0x80;
            maximo_ = 0xBF;
            --faltam_;
        }
        return true;
    }
    bool Completo() const { return faltam_ == 0; }
    bool TemAltos() const { return altos_; }

private:
    int faltam_ = 0;
    unsigned char minimo_ = 0x80;
    unsigned char maximo_ = 0xBF;
    bool altos_ = false;
};

struct FechaArquivo {
    void operator()(std::FILE* arquivo) const { std::fclose(arquivo); }
};

} // namespace

InicioArquivo DetectaCodificacao(const std::string& caminho) {
    std::unique_ptr<std::FILE, FechaArquivo> arquivo(std::fopen(caminho.c_str(), "rb"));
    if (!arquivo)
        throw Falha("N\xE3o foi poss\xEDvel abrir o arquivo \"" + caminho + "\": " + MotivoDoErro(errno) + ".");
    std::vector<unsigned char> bloco(1 << 16);
    InicioArquivo inicio;
    ValidadorUtf8 validador;
    bool primeiro = true;
    bool valido = true;
    for (;;) {
        std::size_t lidos = std::fread(bloco.data(), 1, bloco.size(), arquivo.get());
        if (lidos == 0) {
            if (std::ferror(arquivo.get()))
                throw Falha("Erro ao ler o arquivo \"" + caminho + "\": " + MotivoDoErro(errno) + ".");
            break;
        }
        const unsigned char* p = bloco.data();
        if (primeiro) {
            primeiro = false;
            if (lidos >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
                inicio.codificacao = Codificacao::Utf16;
                return inicio;
            }
            if (lidos >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
                inicio.marcaUtf8 = true;
                p += 3;
                lidos -= 3;
            }
        }
        const void* fim = std::memchr(p, CtrlZ, lidos);
        const std::size_t validos = fim ? static_cast<std::size_t>(static_cast<const unsigned char*>(fim) - p) : lidos;
        valido = validador.Consome(p, validos);
        if (!valido || fim)
            break;
    }
    if (valido && validador.Completo() && validador.TemAltos())
        inicio.codificacao = Codificacao::Utf8;
    return inicio;
}

char32_t CaractereWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F && Faixa80[byte - 0x80] != 0 ? Faixa80[byte - 0x80] : byte;
}

void Utf8ParaWindows1252(std::string_view utf8, std::string& saida, char substituto) {
    saida.clear();
    saida.reserve(utf8.size());
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = byte(i);
        if (b < 0x80) {
            // Um trecho ASCII vai inteiro de uma vez.
            std::size_t fim = i + 1;
            while (fim < utf8.size() && byte(fim) < 0x80)
                ++fim;
            saida.append(utf8, i, fim - i);
            i = fim;
            continue;
        }
        // A linha já foi validada: o tamanho sai do primeiro byte.
        const std::size_t tamanho = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        char32_t c = b & (0x7F >> tamanho);
        for (std::size_t k = 1; k < tamanho && i + k < utf8.size(); ++k)
            c = (c << 6) | (byte(i + k) & 0x3F);
        const int convertido = ByteWindows1252(c);
        saida += convertido < 0 ? substituto : static_cast<char>(convertido);
        i += tamanho;
    }
}

std::string ComoWindows1252(std::string_view texto) {
    ValidadorUtf8 validador;
    const auto* bytes = reinterpret_cast<const unsigned char*>(texto.data());
    if (!validador.Consome(bytes, texto.size()) || !validador.Completo() || !validador.TemAltos())
        return std::string(texto);
    std::string convertido;
    Utf8ParaWindows1252(texto, convertido, '?');
    return convertido;
}

void Windows1252ParaUtf8(std::string_view texto, std::string& saida) {
    saida.clear();
    saida.reserve(texto.size() + texto.size() / 8);
    for (const char byte : texto) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t c = b < 0x80 || b >= 0xA0 ? b : Faixa80[b - 0x80];
        if (c == 0) {
            saida += b == 0 ? '\0' : '?';
        } else if (c < 0x80) {
            saida += static_cast<char>(c);
        } else if (c < 0x800) {
            saida += static_cast<char>(0xC0 | (c >> 6));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            saida += static_cast<char>(0xE0 | (c >> 12));
            saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}
