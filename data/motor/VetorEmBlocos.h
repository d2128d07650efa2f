#pragma once
// Vetor de valores simples guardado em blocos de tamanho fixo, tirados de uma arena: crescer nunca
// copia nem move o que já está guardado, e a memória de uma tabela grande não passa pelo dobro
// enquanto ela cresce.
#include "ArenaDeBlocos.h"

#include <cstddef>
#include <type_traits>
#include <vector>

template <typename T>
class VetorEmBlocos {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    static constexpr int BitsDoBloco = 14;
    static constexpr std::size_t TamanhoBloco = std::size_t{1} << BitsDoBloco;

    explicit VetorEmBlocos(ArenaDeBlocos& arena) : arena_(&arena) {}

    T& operator[](std::size_t i) { return blocos_[i >> BitsDoBloco][i & (TamanhoBloco - 1)]; }
    const T& operator[](std::size_t i) const { return blocos_[i >> BitsDoBloco][i & (TamanhoBloco - 1)]; }
    std::size_t Tamanho() const { return tamanho_; }

    void Acrescenta(T valor) {
        if (tamanho_ == blocos_.size() * TamanhoBloco)
            blocos_.push_back(static_cast<T*>(arena_->Bloco(TamanhoBloco * sizeof(T))));
        (*this)[tamanho_++] = valor;
    }
    // Esvazia; os blocos ficam para quando ele crescer de novo.
    void Limpa() { tamanho_ = 0; }

private:
    ArenaDeBlocos* arena_;
    std::vector<T*> blocos_;
    std::size_t tamanho_ = 0;
};
