#include "ConversaoValor.h"

#include "Falha.h"
#include "Texto.h"

#include <charconv>
#include <cmath>
#include <limits>

std::int32_t InteiroDaCelula(const Celula& valor, const std::string& campo) {
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
        if (const auto numero = NumeroDoTexto(valor.texto))
            return InteiroDaCelula(*numero, campo);
        throw Falha(MensagemInteiroInvalido(valor.texto));
    }
    if (inteiro < std::numeric_limits<std::int32_t>::min() || inteiro > std::numeric_limits<std::int32_t>::max())
        throw Falha("O valor " + std::to_string(inteiro) + " do campo " + campo + " n\xe3o cabe num inteiro.");
    return static_cast<std::int32_t>(inteiro);
}

std::string TextoDaCelula(const Celula& valor) {
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
    return std::string(valor.texto);
}

double NumeroDaCelula(const Celula& valor) {
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
    const auto numero = NumeroDoTexto(valor.texto);
    if (!numero)
        throw Falha(Citacao(valor.texto) + " n\xe3o \xe9 um n\xfamero v\xe1lido.");
    return NumeroDaCelula(*numero);
}
