#include "Texto.h"

#include "Falha.h"
#include "Valor.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}

int ValorHexa(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Dígitos hexadecimais até o fim do texto; o valor cabe no intervalo positivo de 32 bits.
std::optional<std::int32_t> LeHexa(std::string_view digitos) {
    if (digitos.empty())
        return std::nullopt;
    std::int64_t valor = 0;
    for (char c : digitos) {
        const int d = ValorHexa(c);
        if (d < 0)
            return std::nullopt;
        valor = valor * 16 + d;
        if (valor > INT32_MAX)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(valor);
}

} // namespace

std::string Apara(std::string_view texto) {
    return std::string(SemBrancos(texto));
}

std::string_view SemBrancos(std::string_view texto) {
    while (!texto.empty() && static_cast<unsigned char>(texto.front()) <= 32)
        texto.remove_prefix(1);
    while (!texto.empty() && static_cast<unsigned char>(texto.back()) <= 32)
        texto.remove_suffix(1);
    return texto;
}

std::optional<std::int32_t> TentaInteiro(std::string_view texto) {
    const std::string_view resto = texto.substr(std::min(texto.find_first_not_of(' '), texto.size()));
    if (resto.empty())
        return std::nullopt;
    // O prefixo hexadecimal ocupa o lugar do sinal: "-$10" não converte.
    if (resto[0] == '$' || resto[0] == 'x' || resto[0] == 'X')
        return LeHexa(resto.substr(1));
    if (resto.size() >= 2 && resto[0] == '0' && (resto[1] == 'x' || resto[1] == 'X'))
        return LeHexa(resto.substr(2));
    // No mais, a regra do motor, sem branco à direita e só com inteiros de 32 bits.
    const auto numero = resto.back() == ' ' ? std::nullopt : NumeroDoTexto(resto);
    if (!numero || numero->tipo != Valor::Tipo::Inteiro || numero->inteiro < INT32_MIN || numero->inteiro > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(numero->inteiro);
}

std::int32_t StrToInt(std::string_view texto) {
    if (auto valor = TentaInteiro(texto))
        return *valor;
    throw Falha(MensagemInteiroInvalido(texto));
}

std::string Citacao(std::string_view valor) {
    constexpr std::size_t Citados = 60;
    if (valor.size() <= Citados)
        return "'" + std::string(valor) + "'";
    return "'" + std::string(valor.substr(0, Citados)) + "\x85'"; // reticências na página Windows-1252
}

std::string MensagemInteiroInvalido(std::string_view texto) {
    return Citacao(texto) + " n\xe3o \xe9 um n\xfamero inteiro v\xe1lido.";
}

std::optional<std::string> DataComoNumero(std::string_view texto) {
    if (texto.size() != 10)
        return std::nullopt;
    // Posições do ano, do mês e do dia em cada forma.
    const bool iso = texto[4] == '-' && texto[7] == '-';
    const bool brasileira = texto[2] == '/' && texto[5] == '/';
    if (!iso && !brasileira)
        return std::nullopt;
    const std::string_view ano = iso ? texto.substr(0, 4) : texto.substr(6, 4);
    const std::string_view mes = iso ? texto.substr(5, 2) : texto.substr(3, 2);
    const std::string_view dia = iso ? texto.substr(8, 2) : texto.substr(0, 2);
    for (std::string_view parte : {ano, mes, dia})
        for (char c : parte)
            if (!EhDigito(c))
                return std::nullopt;
    const auto numero = [](std::string_view digitos) {
        int valor = 0;
        for (char c : digitos)
            valor = valor * 10 + (c - '0');
        return valor;
    };
    const int a = numero(ano), m = numero(mes), d = numero(dia);
    const bool bissexto = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    const int diasNoMes[] = {31, bissexto ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (a < 1 || m < 1 || m > 12 || d < 1 || d > diasNoMes[m - 1])
        return std::nullopt;
    return std::string(ano) + std::string(mes) + std::string(dia);
}

bool EhInteiro(std::string_view texto) {
    return TentaInteiro(texto).has_value();
}

std::optional<std::string> SemSeparadorDeMilhar(std::string_view texto) {
    std::size_t i = texto.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return std::nullopt;
    std::string numero;
    if (texto[i] == '+' || texto[i] == '-')
        numero += texto[i++];
    std::size_t grupo = 0;
    bool agrupado = false;
    for (; i < texto.size(); ++i) {
        if (EhDigito(texto[i])) {
            numero += texto[i];
            ++grupo;
        } else if (texto[i] == '.' && grupo > 0 && grupo <= 3 && (!agrupado || grupo == 3)) {
            agrupado = true;
            grupo = 0;
        } else {
            return std::nullopt;
        }
    }
    if (!agrupado || grupo != 3)
        return std::nullopt;
    return numero;
}

bool EhDecimal(std::string_view texto, char separadorDecimal) {
    std::size_t i = 0;
    const std::size_t n = texto.size();
    auto pulaBrancos = [&] {
        while (i < n && texto[i] == ' ')
            ++i;
    };
    auto contaDigitos = [&] {
        std::size_t inicio = i;
        while (i < n && EhDigito(texto[i]))
            ++i;
        return i - inicio;
    };
    pulaBrancos();
    if (i < n && (texto[i] == '+' || texto[i] == '-'))
        ++i;
    std::size_t digitos = contaDigitos();
    if (i < n && texto[i] == separadorDecimal) {
        ++i;
        digitos += contaDigitos();
    }
    if (digitos == 0)
        return false;
    if (i < n && (texto[i] == 'E' || texto[i] == 'e')) {
        ++i;
        if (i < n && (texto[i] == '+' || texto[i] == '-'))
            ++i;
        if (contaDigitos() == 0)
            return false;
    }
    pulaBrancos();
    return i == n;
}

std::string TextoInteiro(std::int64_t valor) {
    return std::to_string(valor);
}

std::string FormatoGeral(double valor, char separadorDecimal) {
    if (std::isnan(valor))
        return "NAN";
    if (std::isinf(valor))
        return valor < 0 ? "-INF" : "INF";
    if (valor == 0)
        return "0";

    // A expansão decimal exata do double (to_chars com precisão escreve os dígitos exatos, sem
    // arredondar antes): 780 casas cobrem qualquer double. O arredondamento na 15ª casa é feito aqui,
    // com o empate para longe do zero, o que "%.15G" não faz (ele arredonda o empate para o par).
    char exata[800];
    const auto escreve = [&exata, valor](int casas) {
        *std::to_chars(exata, exata + sizeof exata - 1, std::fabs(valor), std::chars_format::scientific, casas).ptr =
            '\0';
    };
    escreve(40);
    // Com 41 algarismos os 16 primeiros já são os da expansão exata, a menos que o arredondamento
    // na 41ª casa tenha subido até eles (algarismos 17 a 41 todos zero): só então a conta longa.
    if (std::strspn(exata + 17, "0") >= 25)
        escreve(780);
    std::string digitos;
    digitos.reserve(16);
    const char* p = exata;
    for (; *p != 'e' && digitos.size() < 16; ++p)
        if (EhDigito(*p))
            digitos += *p;
    while (*p != 'e')
        ++p;
    int expoente = std::atoi(p + 1);

    const bool sobe = digitos[15] >= '5';
    digitos.resize(15);
    if (sobe) {
        int k = 14;
        while (k >= 0 && digitos[k] == '9')
            digitos[k--] = '0';
        if (k < 0) {
            digitos.insert(digitos.begin(), '1');
            digitos.pop_back();
            ++expoente;
        } else {
            ++digitos[k];
        }
    }
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();

    std::string texto = valor < 0 ? "-" : "";
    if (expoente < -4 || expoente >= 15) {
        texto += digitos[0];
        if (digitos.size() > 1) {
            texto += separadorDecimal;
            texto.append(digitos, 1);
        }
        texto += 'E';
        texto += std::to_string(expoente);
    } else if (expoente < 0) {
        texto += '0';
        texto += separadorDecimal;
        texto.append(static_cast<std::size_t>(-expoente - 1), '0');
        texto += digitos;
    } else {
        const auto inteiros = static_cast<std::size_t>(expoente) + 1;
        if (digitos.size() <= inteiros) {
            texto += digitos;
            texto.append(inteiros - digitos.size(), '0');
        } else {
            texto.append(digitos, 0, inteiros);
            texto += separadorDecimal;
            texto.append(digitos, inteiros);
        }
    }
    return texto;
}

std::string MotivoDoErro(int erro) {
    switch (erro) {
    case ENOENT:
        return "arquivo ou pasta n\xE3o encontrado";
    case EACCES:
    case EPERM:
        return "permiss\xE3o negada";
    case EISDIR:
        return "\xE9 uma pasta";
    case ENOTDIR:
        return "o caminho passa por algo que n\xE3o \xE9 uma pasta";
    case ENOSPC:
        return "disco cheio";
    case EROFS:
        return "disco somente para leitura";
    case EEXIST:
        return "o arquivo j\xE1 existe";
    case EDQUOT:
        return "cota de disco esgotada";
    case EBUSY:
    case ETXTBSY:
        return "o arquivo est\xE1 em uso";
    case EINVAL:
        return "caminho inv\xE1lido";
    case EIO:
        return "erro de leitura ou grava\xE7\xE3o no disco";
    default:
        return std::strerror(erro);
    }
}

std::string MensagemComPonto(const std::string& mensagem) {
    if (!mensagem.empty() && static_cast<unsigned char>(mensagem.back()) > static_cast<unsigned char>('.'))
        return mensagem + ".";
    return mensagem;
}
