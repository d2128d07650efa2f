#include "ImpressaoDigital.h"

#include <algorithm>
#include <bit>
#include <cstring>

void ImpressaoDigital::Bloco(const unsigned char* bytes) {
    std::uint64_t palavra1, palavra2;
    std::memcpy(&palavra1, bytes, 8);
    std::memcpy(&palavra2, bytes + 8, 8);
    // Duas trilhas independentes: o processador faz as duas multiplicações ao mesmo tempo.
    a_ = std::rotl((a_ ^ palavra1) * 0x9e3779b97f4a7c15ULL, 29);
    b_ = std::rotl((b_ ^ palavra2) * 0xc2b2ae3d27d4eb4fULL, 31);
}

void ImpressaoDigital::Acrescenta(const char* bytes, std::size_t quantos) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    total_ += quantos;
    if (quantosPendentes_ > 0) {
        const std::size_t faltam = std::min(quantos, sizeof pendentes_ - quantosPendentes_);
        std::memcpy(pendentes_ + quantosPendentes_, p, faltam);
        quantosPendentes_ += faltam;
        p += faltam;
        quantos -= faltam;
        if (quantosPendentes_ < sizeof pendentes_)
            return;
        Bloco(pendentes_);
        quantosPendentes_ = 0;
    }
    for (; quantos >= 16; p += 16, quantos -= 16)
        Bloco(p);
    std::memcpy(pendentes_, p, quantos);
    quantosPendentes_ = quantos;
}

std::uint64_t ImpressaoDigital::Valor() const {
    ImpressaoDigital copia = *this;
    std::memset(copia.pendentes_ + quantosPendentes_, 0, sizeof pendentes_ - quantosPendentes_);
    copia.Bloco(copia.pendentes_);
    return Mistura(copia.a_ ^ std::rotl(copia.b_, 17) ^ Mistura(total_));
}
