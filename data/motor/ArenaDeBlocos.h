#pragma once
// A memória dos blocos de uma estrutura grande (as colunas e os textos de uma tabela, as listas de um
// índice): pedaços que dobram de tamanho, repartidos em blocos, devolvidos todos juntos no fim. Os
// pedaços de 2 MB ou mais são alinhados e marcados para as páginas grandes do núcleo: uma tabela de
// um milhão de registros toca umas dezenas de páginas em vez de dezenas de milhares, e cada página
// nova custa uma interrupção. Uma tabela pequena fica nos primeiros pedaços, pequenos e comuns.
#include <cstddef>
#include <memory>
#include <vector>

class ArenaDeBlocos {
public:
    ArenaDeBlocos() = default;
    ArenaDeBlocos(const ArenaDeBlocos&) = delete;
    ArenaDeBlocos& operator=(const ArenaDeBlocos&) = delete;

    // Um bloco novo, alinhado a 64 bytes, com conteúdo indefinido; vale até a arena acabar.
    void* Bloco(std::size_t bytes);

private:
    struct Libera {
        void operator()(char* pedaco) const;
    };
    std::vector<std::unique_ptr<char, Libera>> pedacos_;
    char* livre_ = nullptr;
    std::size_t resta_ = 0;
    std::size_t proximoPedaco_ = std::size_t{64} * 1024;
};
