#include "ArenaDeBlocos.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace {

constexpr std::size_t Alinhamento = 64;
constexpr std::size_t PaginaGrande = std::size_t{2} << 20;
constexpr std::size_t MaiorPedaco = std::size_t{64} << 20;

} // namespace

void ArenaDeBlocos::Libera::operator()(char* pedaco) const {
    std::free(pedaco);
}

void* ArenaDeBlocos::Bloco(std::size_t bytes) {
    bytes = (bytes + Alinhamento - 1) / Alinhamento * Alinhamento;
    if (bytes > resta_) {
        // O resto do pedaço anterior fica sem uso: nunca tocado, não ocupa memória.
        std::size_t tamanho = std::max(proximoPedaco_, bytes);
        const bool grande = tamanho >= PaginaGrande;
        if (grande)
            tamanho = (tamanho + PaginaGrande - 1) / PaginaGrande * PaginaGrande;
        char* pedaco = static_cast<char*>(std::aligned_alloc(grande ? PaginaGrande : Alinhamento, tamanho));
        if (pedaco == nullptr)
            throw std::bad_alloc();
        if (grande)
            ::madvise(pedaco, tamanho, MADV_HUGEPAGE); // só um conselho: sem páginas grandes, vale igual
        pedacos_.emplace_back(pedaco);
        livre_ = pedaco;
        resta_ = tamanho;
        proximoPedaco_ = std::min(proximoPedaco_ * 2, MaiorPedaco);
    }
    void* bloco = livre_;
    livre_ += bytes;
    resta_ -= bytes;
    return bloco;
}
