#pragma once
// A impressão digital de um conteúdo: 64 bits que mudam com qualquer byte mudado, calculados à medida
// que os bytes passam, em pedaços de qualquer tamanho. Serve para saber, sem guardar o arquivo, que ele
// é o mesmo de antes; não serve contra quem forja um arquivo de propósito.
#include <cstddef>
#include <cstdint>

class Impressao {
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
