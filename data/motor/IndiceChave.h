#pragma once
// Índice de dispersão sobre algumas colunas de uma tabela na memória: dá, na ordem da tabela, os
// registros cujas colunas valem uma chave. Os registros de um mesmo balde formam uma lista em ordem
// crescente; um registro acrescentado no fim da tabela entra no fim da lista do seu balde. Um
// registro com alguma coluna nula fica de fora: nulo não é igual a nada.
#include "Comparacao.h"
#include "Registros.h"
#include "VetorEmBlocos.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class IndiceChave {
public:
    // Cada coluna compara com a sua conversão (Comparacao.h).
    IndiceChave(const Registros& registros, std::vector<int> colunas, std::vector<Conversao> conversoes);

    const std::vector<int>& Colunas() const { return colunas_; }
    const std::vector<Conversao>& Conversoes() const { return conversoes_; }
    // Põe no índice os registros acrescentados à tabela desde a última vez.
    void Acompanha();

    // O primeiro registro com a chave (um valor por coluna) e o seguinte depois de `registro`; -1
    // quando não há.
    int Primeiro(const std::vector<Comparavel>& chave) const;
    int Proximo(int registro, const std::vector<Comparavel>& chave) const;

private:
    struct Lista {
        std::int32_t primeiro = -1;
        std::int32_t ultimo = -1;
    };
    // A dispersão de todas as partes da chave e a da última, de que sai o balde.
    struct Dispersa {
        std::uint64_t total = 0;
        std::uint64_t ultima = 0;
    };
    std::size_t Balde(const Dispersa& dispersa) const;
    static std::uint32_t Marca(const Dispersa& dispersa);
    bool DispersaoDoRegistro(int registro, Dispersa& dispersa) const;
    bool Casa(int registro, const std::vector<Comparavel>& chave) const;
    int Procura(int registro, std::uint32_t marca, const std::vector<Comparavel>& chave) const;
    void Inclui(int registro, const Dispersa& dispersa);
    void Refaz(std::size_t baldes);

    const Registros& registros_;
    std::vector<int> colunas_;
    std::vector<Conversao> conversoes_;
    std::unique_ptr<ArenaDeBlocos> arena_ = std::make_unique<ArenaDeBlocos>();
    Lista* baldes_ = nullptr;
    std::size_t quantosBaldes_ = 0;
    int bits_ = 0;
    VetorEmBlocos<std::int32_t> proximo_{*arena_}; // por registro: o seguinte no mesmo balde
    // Por registro, 32 bits da dispersão: na lista de um balde, quem tem outra marca tem outra chave e
    // nem precisa ser lido.
    VetorEmBlocos<std::uint32_t> marcas_{*arena_};
    std::size_t noIndice_ = 0; // registros já vistos
    mutable std::string guarda_;
};
