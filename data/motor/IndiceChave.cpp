#include "IndiceChave.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace {

// A dispersão de uma chave junta as partes multiplicando pela razão áurea (em 64 bits). O balde guarda
// a vizinhança dos números: as partes antes da última escolhem, pelos bits altos da dispersão delas, o
// começo de uma faixa de baldes (faixas bem espaçadas entre si, como os pontos da razão áurea); a
// última soma-se a ele. Códigos seguidos de uma UF caem em baldes seguidos, e quem percorre uma base em
// ordem de código percorre o índice em ordem de memória.
std::uint64_t Parte(const Comparavel& parte) {
    return parte.tipo == Comparavel::Tipo::Inteiro ? static_cast<std::uint64_t>(parte.inteiro) : Dispersao(parte);
}

std::uint64_t Combina(std::uint64_t acumulada, std::uint64_t parte) {
    return acumulada * 0x9e3779b97f4a7c15ULL + parte;
}

// Até dois registros por balde: as marcas descartam sem ler quem tem outra chave.
std::size_t BaldesPara(std::size_t registros) {
    return std::bit_ceil(std::max<std::size_t>(16, (registros + 1) / 2));
}

} // namespace

IndiceChave::IndiceChave(const Registros& registros, std::vector<int> colunas, std::vector<Conversao> conversoes)
    : registros_(registros), colunas_(std::move(colunas)), conversoes_(std::move(conversoes)) {
    Refaz(BaldesPara(static_cast<std::size_t>(registros_.Quantos())));
}

std::size_t IndiceChave::Balde(const Dispersa& dispersa) const {
    return (((dispersa.total - dispersa.ultima) >> (64 - bits_)) + dispersa.ultima) & (quantosBaldes_ - 1);
}

std::uint32_t IndiceChave::Marca(const Dispersa& dispersa) {
    return static_cast<std::uint32_t>(Mistura(dispersa.total));
}

bool IndiceChave::DispersaoDoRegistro(int registro, Dispersa& dispersa) const {
    dispersa = {};
    for (std::size_t i = 0; i < colunas_.size(); ++i) {
        const Celula valor = registros_.Le(registro, colunas_[i]);
        // Código inteiro comparado como número, o caso de quase toda chave: sem a conversão geral.
        if (valor.tipo == Valor::Tipo::Inteiro && conversoes_[i] != Conversao::ParaTexto) {
            dispersa.ultima = static_cast<std::uint64_t>(valor.inteiro);
        } else {
            const Comparavel parte = ComparavelDe(valor, conversoes_[i], guarda_);
            if (parte.tipo == Comparavel::Tipo::Nenhuma)
                return false;
            dispersa.ultima = Parte(parte);
        }
        dispersa.total = Combina(dispersa.total, dispersa.ultima);
    }
    return true;
}

bool IndiceChave::Casa(int registro, const std::vector<Comparavel>& chave) const {
    for (std::size_t i = 0; i < colunas_.size(); ++i) {
        const Celula valor = registros_.Le(registro, colunas_[i]);
        if (valor.tipo == Valor::Tipo::Inteiro && conversoes_[i] != Conversao::ParaTexto) {
            if (chave[i].tipo != Comparavel::Tipo::Inteiro || chave[i].inteiro != valor.inteiro)
                return false;
            continue;
        }
        if (!(ComparavelDe(valor, conversoes_[i], guarda_) == chave[i]))
            return false;
    }
    return true;
}

void IndiceChave::Inclui(int registro, const Dispersa& dispersa) {
    Lista& lista = baldes_[Balde(dispersa)];
    // A lista do balde cresce só pelo fim, em ordem crescente, e o fim não tem seguinte: é o que deixa
    // Primeiro e Proximo darem os registros na ordem da tabela.
    assert(lista.primeiro < 0 ? lista.ultimo < 0
                              : lista.ultimo < registro && proximo_[static_cast<std::size_t>(lista.ultimo)] < 0);
    if (lista.primeiro < 0)
        lista.primeiro = registro;
    else
        proximo_[static_cast<std::size_t>(lista.ultimo)] = registro;
    lista.ultimo = registro;
}

void IndiceChave::Refaz(std::size_t baldes) {
    // Um índice que cresce deixa a lista de baldes antiga na arena: acontece poucas vezes, cada uma
    // com o dobro de registros.
    baldes_ = static_cast<Lista*>(arena_->Bloco(baldes * sizeof(Lista)));
    std::fill_n(baldes_, baldes, Lista{});
    quantosBaldes_ = baldes;
    bits_ = std::countr_zero(baldes);
    proximo_.Limpa();
    marcas_.Limpa();
    noIndice_ = 0;
    Acompanha();
}

void IndiceChave::Acompanha() {
    const auto quantos = static_cast<std::size_t>(registros_.Quantos());
    if (quantos > 2 * quantosBaldes_) {
        // Registros demais para os baldes: as listas ficariam longas; o índice é refeito maior.
        Refaz(BaldesPara(quantos));
        return;
    }
    Dispersa dispersa;
    for (; noIndice_ < quantos; ++noIndice_) {
        proximo_.Acrescenta(-1);
        const bool temChave = DispersaoDoRegistro(static_cast<int>(noIndice_), dispersa);
        marcas_.Acrescenta(Marca(dispersa));
        if (temChave)
            Inclui(static_cast<int>(noIndice_), dispersa);
    }
    // Baldes em potência de 2 (o balde sai dos bits), no máximo dois registros por balde em média e um
    // seguinte e uma marca por registro da tabela.
    assert(std::has_single_bit(quantosBaldes_) && bits_ == std::countr_zero(quantosBaldes_) &&
           noIndice_ <= 2 * quantosBaldes_ && proximo_.Tamanho() == noIndice_ && marcas_.Tamanho() == noIndice_);
}

int IndiceChave::Procura(int registro, std::uint32_t marca, const std::vector<Comparavel>& chave) const {
    for (; registro >= 0; registro = proximo_[static_cast<std::size_t>(registro)])
        if (marcas_[static_cast<std::size_t>(registro)] == marca && Casa(registro, chave))
            return registro;
    return -1;
}

int IndiceChave::Primeiro(const std::vector<Comparavel>& chave) const {
    Dispersa dispersa;
    for (const Comparavel& parte : chave) {
        if (parte.tipo == Comparavel::Tipo::Nenhuma)
            return -1;
        dispersa.ultima = Parte(parte);
        dispersa.total = Combina(dispersa.total, dispersa.ultima);
    }
    return Procura(baldes_[Balde(dispersa)].primeiro, Marca(dispersa), chave);
}

int IndiceChave::Proximo(int registro, const std::vector<Comparavel>& chave) const {
    const auto r = static_cast<std::size_t>(registro);
    return Procura(proximo_[r], marcas_[r], chave);
}
