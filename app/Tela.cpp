#include "Tela.h"

#include <QStringDecoder>

namespace {

// Faixa 0x80-0x9F do Windows-1252; as cinco posições sem caractere ficam como no Latin-1.
constexpr char16_t faixa1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DeWindows1252(const std::string& bytes) {
    QString texto;
    texto.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const auto codigo = static_cast<unsigned char>(byte);
        texto += (codigo >= 0x80 && codigo <= 0x9F) ? QChar(faixa1252[codigo - 0x80]) : QChar(char16_t{codigo});
    }
    return texto;
}

} // namespace

QString ParaTela(const std::string& bytes) {
    const QByteArray dados(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString comoUtf8 = utf8.decode(dados);
    if (!utf8.hasError())
        return comoUtf8;
    return DeWindows1252(bytes);
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
