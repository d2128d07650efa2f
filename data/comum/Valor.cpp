#include "Valor.h"

#include <charconv>
#include <cmath>

std::optional<Celula> NumeroDoTexto(std::string_view texto) {
    while (!texto.empty() && texto.front() == ' ')
        texto.remove_prefix(1);
    while (!texto.empty() && texto.back() == ' ')
        texto.remove_suffix(1);
    // O "+" é aceito uma vez, no lugar do "-": "+-5" não é número.
    if (!texto.empty() && texto.front() == '+') {
        texto.remove_prefix(1);
        if (!texto.empty() && texto.front() == '-')
            return std::nullopt;
    }
    if (texto.empty())
        return std::nullopt;
    const char* inicio = texto.data();
    const char* fim = texto.data() + texto.size();
    Celula numero;
    if (auto [lido, erro] = std::from_chars(inicio, fim, numero.inteiro); erro == std::errc() && lido == fim) {
        numero.tipo = Valor::Tipo::Inteiro;
        return numero;
    }
    if (auto [lido, erro] = std::from_chars(inicio, fim, numero.real, std::chars_format::general);
        erro == std::errc() && lido == fim && std::isfinite(numero.real)) {
        numero.tipo = Valor::Tipo::Real;
        return numero;
    }
    return std::nullopt;
}
