#include "ValorSql.h"

#include "Falha.h"
#include "Texto.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sqlite3.h>

Valor ValorDaColuna(sqlite3_stmt* comando, int coluna) {
    Valor valor;
    switch (sqlite3_column_type(comando, coluna)) {
    case SQLITE_NULL:
        break;
    case SQLITE_INTEGER:
        valor.tipo = Valor::Tipo::Inteiro;
        valor.inteiro = sqlite3_column_int64(comando, coluna);
        break;
    case SQLITE_FLOAT:
        valor.tipo = Valor::Tipo::Real;
        valor.real = sqlite3_column_double(comando, coluna);
        break;
    default:
        valor.tipo = Valor::Tipo::Texto;
        valor.texto.assign(reinterpret_cast<const char*>(sqlite3_column_text(comando, coluna)),
                           static_cast<std::size_t>(sqlite3_column_bytes(comando, coluna)));
    }
    return valor;
}

void LigaValor(sqlite3_stmt* comando, int posicao, const Valor& valor) {
    switch (valor.tipo) {
    case Valor::Tipo::Nulo:
        sqlite3_bind_null(comando, posicao);
        break;
    case Valor::Tipo::Inteiro:
        sqlite3_bind_int64(comando, posicao, valor.inteiro);
        break;
    case Valor::Tipo::Real:
        sqlite3_bind_double(comando, posicao, valor.real);
        break;
    case Valor::Tipo::Texto:
        sqlite3_bind_text(comando, posicao, valor.texto.data(), static_cast<int>(valor.texto.size()), SQLITE_TRANSIENT);
        break;
    }
}

std::int32_t InteiroDoValor(const Valor& valor, const std::string& campo) {
    std::int64_t inteiro = 0;
    switch (valor.tipo) {
    case Valor::Tipo::Nulo:
        return 0;
    case Valor::Tipo::Inteiro:
        inteiro = valor.inteiro;
        break;
    case Valor::Tipo::Real:
        inteiro = std::llround(valor.real);
        break;
    case Valor::Tipo::Texto:
        return StrToInt(valor.texto);
    }
    if (inteiro < std::numeric_limits<std::int32_t>::min() || inteiro > std::numeric_limits<std::int32_t>::max())
        throw Falha("O valor " + std::to_string(inteiro) + " do campo " + campo + " n\xe3o cabe num inteiro.");
    return static_cast<std::int32_t>(inteiro);
}

std::string TextoDoValor(const Valor& valor) {
    switch (valor.tipo) {
    case Valor::Tipo::Nulo:
        return "";
    case Valor::Tipo::Inteiro:
        return TextoInteiro(valor.inteiro);
    case Valor::Tipo::Real:
        return FormatoGeral(valor.real, '.');
    case Valor::Tipo::Texto:
        break;
    }
    return valor.texto;
}

double NumeroDoValor(const Valor& valor) {
    switch (valor.tipo) {
    case Valor::Tipo::Nulo:
        return 0;
    case Valor::Tipo::Inteiro:
        return static_cast<double>(valor.inteiro);
    case Valor::Tipo::Real:
        return valor.real;
    case Valor::Tipo::Texto:
        break;
    }
    double real = 0;
    auto [fim, erro] = std::from_chars(valor.texto.data(), valor.texto.data() + valor.texto.size(), real);
    if (erro != std::errc() || fim != valor.texto.data() + valor.texto.size())
        throw Falha("'" + valor.texto + "' n\xe3o \xe9 um n\xfamero v\xe1lido.");
    return real;
}
