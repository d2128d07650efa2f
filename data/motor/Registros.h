#pragma once
// Os registros de uma tabela na memória, guardados coluna a coluna: uma coluna numérica é um vetor de
// inteiros de 32 bits (de 64, com o real pelos seus bits, quando algum valor não cabe) com o tipo de
// cada valor ao lado; uma coluna de texto guarda onde cada texto começa e quanto mede, em blocos de
// texto que nunca mudam de lugar. Os registros ficam na ordem em que entraram (a do arquivo, depois
// a das inclusões); nenhum sai.
#include "ArquivoDbf.h"
#include "VetorEmBlocos.h"

#include <bit>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class Registros {
public:
    explicit Registros(std::vector<Campo> campos = {});
    Registros(Registros&&) = default;
    Registros& operator=(Registros&&) = default;

    const std::vector<Campo>& Campos() const { return campos_; }
    int NumeroCampos() const { return static_cast<int>(campos_.size()); }
    int Quantos() const { return quantos_; }
    // Posição do campo pelo nome, sem olhar a caixa; -1 quando não há.
    int Indice(std::string_view nome) const;

    // O valor, com o texto apontando para dentro da tabela (vale enquanto ela existir).
    Celula Le(int registro, int coluna) const {
        const Coluna& c = colunas_[static_cast<std::size_t>(coluna)];
        const auto r = static_cast<std::size_t>(registro);
        Celula valor;
        if (c.numerica) {
            valor.tipo = static_cast<Valor::Tipo>(c.tipos[r]);
            if (!c.larga)
                valor.inteiro = c.curtos[r];
            else if (valor.tipo == Valor::Tipo::Real)
                valor.real = std::bit_cast<double>(c.longos[r]);
            else
                valor.inteiro = c.longos[r];
        } else if (c.tamanhos[r] != SemTexto) {
            valor.tipo = Valor::Tipo::Texto;
            valor.texto = TextoEm(c.inicios[r], c.tamanhos[r]);
        }
        return valor;
    }
    // Grava pelo tipo da coluna: numa coluna de texto um número vira o seu texto; numa numérica um
    // texto vira o número que escreve (Falha quando não escreve nenhum), um real sem fração vira
    // inteiro quando o campo não tem decimais e um inteiro vira real quando tem.
    void Define(int registro, int coluna, const Celula& valor);
    // Um registro novo no fim, um valor por campo (os que faltam são nulos), gravados como em Define;
    // devolve a posição dele (a partir de 0).
    int Acrescenta(const std::vector<Celula>& valores);

private:
    static constexpr std::uint32_t SemTexto = 0xFFFFFFFF;
    // Onde um texto está: início no bloco de textos e tamanho (SemTexto quando nulo).
    struct Referencia {
        std::uint32_t inicio;
        std::uint32_t tamanho;
    };
    struct Coluna {
        explicit Coluna(ArenaDeBlocos& arena)
            : curtos(arena), longos(arena), tipos(arena), inicios(arena), tamanhos(arena) {}
        bool numerica = false;
        bool comDecimais = false;
        bool larga = false; // os números estão em `longos`
        VetorEmBlocos<std::int32_t> curtos;
        VetorEmBlocos<std::int64_t> longos;
        VetorEmBlocos<std::uint8_t> tipos;
        VetorEmBlocos<std::uint32_t> inicios;
        VetorEmBlocos<std::uint32_t> tamanhos; // SemTexto quando nulo
        // O último texto guardado: repetido (a constante de um update, a mesma sigla em seguida),
        // aponta para o mesmo lugar em vez de ocupar outro.
        Referencia ultimo{0, SemTexto};
    };
    Referencia GuardaTexto(std::string_view texto, Coluna& coluna);
    Referencia ComoTexto(const Celula& valor, Coluna& coluna);
    // O valor pelo tipo da coluna numérica, que passa a 64 bits quando ele não cabe em 32.
    Celula ComoNumero(const Celula& valor, int indice, Coluna& coluna);
    static std::int64_t Bits(const Celula& numero);
    // Cada vetor da coluna tem um valor por registro da tabela: o que Acrescenta garante.
    bool Completa(const Coluna& coluna) const;
    static void Alarga(Coluna& coluna);
    std::string_view TextoEm(std::uint32_t inicio, std::uint32_t tamanho) const {
        return {blocos_[inicio >> BitsDentroDoBloco] + (inicio & (TamanhoBlocoTexto - 1)), tamanho};
    }
    // Textos de uma tabela ficam em blocos deste tamanho; um texto nunca atravessa dois blocos. Um
    // campo dBase tem no máximo 65535 caracteres.
    static constexpr std::size_t TamanhoBlocoTexto = 1 << 20;
    static constexpr int BitsDentroDoBloco = 20;

    std::vector<Campo> campos_;
    // A arena não muda de lugar quando a tabela muda de dono: as colunas guardam o endereço dela.
    std::unique_ptr<ArenaDeBlocos> arena_ = std::make_unique<ArenaDeBlocos>();
    std::vector<Coluna> colunas_;
    int quantos_ = 0;
    // O registro que Acrescenta converte por inteiro antes de pôr nas colunas.
    struct Convertido {
        Celula numero;
        Referencia texto{0, SemTexto};
    };
    std::vector<Convertido> convertidos_;
    std::vector<char*> blocos_;
    std::size_t usadoNoUltimo_ = 0;
};
