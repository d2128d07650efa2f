#pragma once
// A impressão digital de um conteúdo: 64 bits que mudam com qualquer byte mudado, calculados à medida
// que os bytes passam, em pedaços de qualquer tamanho. Serve para saber, sem guardar o arquivo, que ele
// é o mesmo de antes; não serve contra quem forja um arquivo de propósito.
#include <cstddef>
#include <cstdint>

// Espalha os bits de um valor de 64 bits por todos os outros (a impressão e a dispersão dos índices).
inline std::uint64_t Mistura(std::uint64_t valor) {
    valor ^= valor >> 30;
    valor *= 0xbf58476d1ce4e5b9ULL;
    valor ^= valor >> 27;
    valor *= 0x94d049bb133111ebULL;
    return valor ^ (valor >> 31);
}

class ImpressaoDigital {
public:
    void Acrescenta(const char* bytes, std::size_t quantos);
    std::uint64_t Valor() const;

private:
    void Bloco(const unsigned char* bytes);
    std::uint64_t a_ = 0x243f6a8885a308d3ULL;
    std::uint64_t b_ = 0x13198a2e03707344ULL;
    std::uint64_t total_ = 0;
    unsigned char pendentes_[16] = {};
    std::size_t quantosPendentes_ = 0;
};
