#include "Comparacao.h"

#include "Texto.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace {

// Real sem fração que cabe em 64 bits: o mesmo valor que o inteiro.
bool RealInteiro(double real, std::int64_t& inteiro) {
    if (!(real >= -9223372036854775808.0 && real < 9223372036854775808.0) || std::trunc(real) != real)
        return false;
    inteiro = static_cast<std::int64_t>(real);
    return true;
}

Comparavel ComparavelNumerico(const Celula& numero) {
    Comparavel chave;
    if (numero.tipo == Valor::Tipo::Inteiro) {
        chave.tipo = Comparavel::Tipo::Inteiro;
        chave.inteiro = numero.inteiro;
    } else if (RealInteiro(numero.real, chave.inteiro)) {
        chave.tipo = Comparavel::Tipo::Inteiro;
    } else if (!std::isnan(numero.real)) {
        chave.tipo = Comparavel::Tipo::Real;
        chave.real = numero.real;
    }
    return chave;
}

int Sinal(auto a, auto b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

bool Comparavel::operator==(const Comparavel& outra) const {
    if (tipo != outra.tipo)
        return false;
    switch (tipo) {
    case Tipo::Nenhuma:
        return false;
    case Tipo::Inteiro:
        return inteiro == outra.inteiro;
    case Tipo::Real:
        return real == outra.real;
    case Tipo::Texto:
        break;
    }
    return texto == outra.texto;
}

Comparavel ComparavelDe(const Celula& valor, Conversao conversao, std::string& guarda) {
    switch (valor.tipo) {
    case Valor::Tipo::Nulo:
        return {};
    case Valor::Tipo::Inteiro:
    case Valor::Tipo::Real:
        if (conversao != Conversao::ParaTexto)
            return ComparavelNumerico(valor);
        guarda = valor.tipo == Valor::Tipo::Inteiro ? TextoInteiro(valor.inteiro) : FormatoGeral(valor.real, '.');
        return {Comparavel::Tipo::Texto, 0, 0, guarda};
    case Valor::Tipo::Texto:
        break;
    }
    if (conversao == Conversao::ParaNumero)
        if (const auto numero = NumeroDoTexto(valor.texto))
            return ComparavelNumerico(*numero);
    return {Comparavel::Tipo::Texto, 0, 0, valor.texto};
}

std::uint64_t Dispersao(const Comparavel& chave) {
    switch (chave.tipo) {
    case Comparavel::Tipo::Nenhuma:
        return 0;
    case Comparavel::Tipo::Inteiro:
        return Mistura(static_cast<std::uint64_t>(chave.inteiro));
    case Comparavel::Tipo::Real:
        return Mistura(std::bit_cast<std::uint64_t>(chave.real) ^ 0x5555555555555555ULL);
    case Comparavel::Tipo::Texto:
        break;
    }
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (unsigned char c : chave.texto)
        h = (h ^ c) * 0x100000001b3ULL;
    return Mistura(h);
}

int ComparaNaOrdem(const Celula& a, const Celula& b) {
    const auto classe = [](Valor::Tipo tipo) {
        return tipo == Valor::Tipo::Nulo ? 0 : (tipo == Valor::Tipo::Texto ? 2 : 1);
    };
    if (classe(a.tipo) != classe(b.tipo))
        return Sinal(classe(a.tipo), classe(b.tipo));
    switch (classe(a.tipo)) {
    case 0:
        return 0;
    case 1:
        if (a.tipo == Valor::Tipo::Inteiro && b.tipo == Valor::Tipo::Inteiro)
            return Sinal(a.inteiro, b.inteiro);
        // A precisão estendida guarda todo inteiro de 64 bits exato.
        return Sinal(a.tipo == Valor::Tipo::Inteiro ? static_cast<long double>(a.inteiro) : a.real,
                     b.tipo == Valor::Tipo::Inteiro ? static_cast<long double>(b.inteiro) : b.real);
    default:
        break;
    }
    const std::size_t comum = std::min(a.texto.size(), b.texto.size());
    const int bytes = comum == 0 ? 0 : std::memcmp(a.texto.data(), b.texto.data(), comum);
    return bytes != 0 ? Sinal(bytes, 0) : Sinal(a.texto.size(), b.texto.size());
}
