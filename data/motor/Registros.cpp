#include "Registros.h"

#include "Comparacao.h"
#include "Falha.h"
#include "Texto.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <climits>
#include <cmath>
#include <cstring>
#include <strings.h>

Registros::Registros(std::vector<Campo> campos) : campos_(std::move(campos)) {
    colunas_.reserve(campos_.size());
    for (const Campo& campo : campos_) {
        Coluna& coluna = colunas_.emplace_back(*arena_);
        coluna.numerica = EhCampoNumerico(campo);
        coluna.comDecimais = campo.decimais > 0;
    }
}

int Registros::Indice(std::string_view nome) const {
    // Quem pede escreve o nome como o arquivo (maiúsculas) quase sempre: primeiro a comparação exata.
    for (std::size_t i = 0; i < campos_.size(); ++i)
        if (campos_[i].nome == nome)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < campos_.size(); ++i)
        if (campos_[i].nome.size() == nome.size() &&
            ::strncasecmp(campos_[i].nome.data(), nome.data(), nome.size()) == 0)
            return static_cast<int>(i);
    return -1;
}

Registros::Referencia Registros::GuardaTexto(std::string_view texto, Coluna& coluna) {
    if (coluna.ultimo.tamanho == texto.size() &&
        (texto.empty() ||
         std::memcmp(TextoEm(coluna.ultimo.inicio, coluna.ultimo.tamanho).data(), texto.data(), texto.size()) == 0))
        return coluna.ultimo;
    if (texto.size() > TamanhoBlocoTexto)
        throw Falha("Texto de " + TextoInteiro(static_cast<std::int64_t>(texto.size())) +
                    " caracteres grande demais para uma tabela.");
    if (blocos_.empty() || usadoNoUltimo_ + texto.size() > TamanhoBlocoTexto) {
        if (blocos_.size() >= (std::size_t{1} << (32 - BitsDentroDoBloco)))
            throw Falha("A tabela passou de 4 GB de texto na mem\xf3ria.");
        blocos_.push_back(static_cast<char*>(arena_->Bloco(TamanhoBlocoTexto)));
        usadoNoUltimo_ = 0;
    }
    if (!texto.empty())
        std::memcpy(blocos_.back() + usadoNoUltimo_, texto.data(), texto.size());
    coluna.ultimo = {static_cast<std::uint32_t>(((blocos_.size() - 1) << BitsDentroDoBloco) | usadoNoUltimo_),
                     static_cast<std::uint32_t>(texto.size())};
    usadoNoUltimo_ += texto.size();
    return coluna.ultimo;
}

Registros::Referencia Registros::ComoTexto(const Celula& valor, Coluna& coluna) {
    switch (valor.tipo) {
    case Valor::Tipo::Nulo:
        break;
    case Valor::Tipo::Texto:
        return GuardaTexto(valor.texto, coluna);
    case Valor::Tipo::Inteiro:
        return GuardaTexto(TextoInteiro(valor.inteiro), coluna);
    case Valor::Tipo::Real:
        return GuardaTexto(FormatoGeral(valor.real, '.'), coluna);
    }
    return {0, SemTexto};
}

Celula Registros::ComoNumero(const Celula& valor, int indice, Coluna& coluna) {
    Celula numero = valor;
    if (valor.tipo == Valor::Tipo::Texto) {
        const auto convertido = NumeroDoTexto(valor.texto);
        if (!convertido)
            throw Falha("O campo " + campos_[static_cast<std::size_t>(indice)].nome +
                        " s\xf3 guarda n\xfameros: " + Citacao(valor.texto) + ".");
        numero = *convertido;
    }
    if (numero.tipo == Valor::Tipo::Real && std::isnan(numero.real))
        numero.tipo = Valor::Tipo::Nulo;
    if (numero.tipo == Valor::Tipo::Real && !coluna.comDecimais && std::trunc(numero.real) == numero.real &&
        std::fabs(numero.real) < 9.2e18) {
        numero = {Valor::Tipo::Inteiro, static_cast<std::int64_t>(numero.real), 0, {}};
    } else if (numero.tipo == Valor::Tipo::Inteiro && coluna.comDecimais) {
        numero = {Valor::Tipo::Real, 0, static_cast<double>(numero.inteiro), {}};
    }
    const bool curto = numero.tipo != Valor::Tipo::Real && numero.inteiro >= INT32_MIN && numero.inteiro <= INT32_MAX;
    if (!coluna.larga && !curto)
        Alarga(coluna);
    return numero;
}

std::int64_t Registros::Bits(const Celula& numero) {
    return numero.tipo == Valor::Tipo::Real ? std::bit_cast<std::int64_t>(numero.real) : numero.inteiro;
}

void Registros::Define(int registro, int indice, const Celula& valor) {
    Coluna& coluna = colunas_[static_cast<std::size_t>(indice)];
    const auto r = static_cast<std::size_t>(registro);
    if (!coluna.numerica) {
        const Referencia texto = ComoTexto(valor, coluna);
        coluna.inicios[r] = texto.inicio;
        coluna.tamanhos[r] = texto.tamanho;
        return;
    }
    const Celula numero = ComoNumero(valor, indice, coluna);
    coluna.tipos[r] = static_cast<std::uint8_t>(numero.tipo);
    if (coluna.larga)
        coluna.longos[r] = Bits(numero);
    else
        coluna.curtos[r] = static_cast<std::int32_t>(numero.inteiro);
}

int Registros::Acrescenta(const std::vector<Celula>& valores) {
    // O registro inteiro é convertido antes de a primeira coluna crescer: um valor recusado no meio
    // não deixa colunas de tamanhos diferentes.
    convertidos_.resize(colunas_.size());
    for (std::size_t i = 0; i < colunas_.size(); ++i) {
        Coluna& coluna = colunas_[i];
        const Celula valor = i < valores.size() ? valores[i] : Celula{};
        if (coluna.numerica)
            convertidos_[i].numero = ComoNumero(valor, static_cast<int>(i), coluna);
        else
            convertidos_[i].texto = ComoTexto(valor, coluna);
    }
    for (std::size_t i = 0; i < colunas_.size(); ++i) {
        Coluna& coluna = colunas_[i];
        if (!coluna.numerica) {
            coluna.inicios.Acrescenta(convertidos_[i].texto.inicio);
            coluna.tamanhos.Acrescenta(convertidos_[i].texto.tamanho);
            continue;
        }
        const Celula& numero = convertidos_[i].numero;
        coluna.tipos.Acrescenta(static_cast<std::uint8_t>(numero.tipo));
        if (coluna.larga)
            coluna.longos.Acrescenta(Bits(numero));
        else
            coluna.curtos.Acrescenta(static_cast<std::int32_t>(numero.inteiro));
    }
    ++quantos_;
    assert(std::all_of(colunas_.begin(), colunas_.end(), [this](const Coluna& coluna) { return Completa(coluna); }));
    return quantos_ - 1;
}

bool Registros::Completa(const Coluna& coluna) const {
    const auto quantos = static_cast<std::size_t>(quantos_);
    if (!coluna.numerica)
        return coluna.inicios.Tamanho() == quantos && coluna.tamanhos.Tamanho() == quantos;
    const std::size_t numeros = coluna.larga ? coluna.longos.Tamanho() : coluna.curtos.Tamanho();
    return coluna.tipos.Tamanho() == quantos && numeros == quantos;
}

void Registros::Alarga(Coluna& coluna) {
    for (std::size_t r = 0; r < coluna.curtos.Tamanho(); ++r)
        coluna.longos.Acrescenta(coluna.curtos[r]);
    coluna.curtos.Limpa();
    coluna.larga = true;
}
