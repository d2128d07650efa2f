#include "Tela.h"

namespace {

// Faixa 0x80-0x9F do Windows-1252; as cinco posições sem caractere ficam como no Latin-1.
constexpr char16_t faixa1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Tamanho da sequência UTF-8 válida que começa em `inicio` (sem formas longas demais, sem metades
// de par substituto, até U+10FFFF), com o código em `codigo`; 0 quando não há uma ali.
std::size_t SequenciaUtf8(const std::string& bytes, std::size_t inicio, char32_t& codigo) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char primeiro = byte(inicio);
    std::size_t tamanho = 0;
    char32_t minimo = 0;
    if (primeiro >= 0xC2 && primeiro <= 0xDF) {
        tamanho = 2;
        codigo = primeiro & 0x1Fu;
        minimo = 0x80;
    } else if (primeiro >= 0xE0 && primeiro <= 0xEF) {
        tamanho = 3;
        codigo = primeiro & 0x0Fu;
        minimo = 0x800;
    } else if (primeiro >= 0xF0 && primeiro <= 0xF4) {
        tamanho = 4;
        codigo = primeiro & 0x07u;
        minimo = 0x10000;
    } else {
        return 0;
    }
    if (inicio + tamanho > bytes.size())
        return 0;
    for (std::size_t i = inicio + 1; i < inicio + tamanho; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u)
            return 0;
        codigo = (codigo << 6) | (byte(i) & 0x3Fu);
    }
    if (codigo < minimo || codigo > 0x10FFFF || (codigo >= 0xD800 && codigo <= 0xDFFF))
        return 0;
    return tamanho;
}

} // namespace

// Cada sequência UTF-8 válida vale como UTF-8 e cada byte solto como Windows-1252: uma mensagem
// Latin-1 que cita um caminho UTF-8 do Linux sai certa nas duas partes. Em português, um par de
// bytes Latin-1 que por acaso forme UTF-8 ("Ã" seguido de "©") não aparece.
QString ParaTela(const std::string& bytes) {
    QString texto;
    texto.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size();) {
        const auto codigo = static_cast<unsigned char>(bytes[i]);
        char32_t unicode = 0;
        if (const std::size_t tamanho = codigo >= 0x80 ? SequenciaUtf8(bytes, i, unicode) : 0) {
            const char32_t um[1] = {unicode};
            texto += QString::fromUcs4(um, 1);
            i += tamanho;
            continue;
        }
        texto += (codigo >= 0x80 && codigo <= 0x9F) ? QChar(faixa1252[codigo - 0x80]) : QChar(char16_t{codigo});
        ++i;
    }
    return texto;
}

std::string DaTela(const QString& texto) {
    const QByteArray latin1 = texto.toLatin1();
    return std::string(latin1.constData(), static_cast<std::size_t>(latin1.size()));
}

QString ParaCaixa(const std::string& bytes) {
    QString tela = ParaTela(bytes);
    tela.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tela.replace(u'\r', u'\n');
    return tela;
}
