#pragma once
// Uma tabela .dbf carregada na memória pelo motor e compartilhada por todos os objetos de tabela e
// comandos abertos sobre o mesmo arquivo: o que um posta ou executa vale na hora para os outros. Toda
// escrita passa por aqui, para marcar a tabela como mudada e manter os índices das localizações.
#include "IndiceChave.h"
#include "Registros.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TabelaCarregada {
public:
    TabelaCarregada(std::string caminho, Registros registros, int driverIdioma);

    const std::string& Caminho() const { return caminho_; }
    void MudaCaminho(std::string caminho) { caminho_ = std::move(caminho); }
    int DriverIdioma() const { return driverIdioma_; }
    const Registros& Dados() const { return registros_; }
    int Quantos() const { return registros_.Quantos(); }

    // Um registro novo no fim, um valor por campo; devolve a posição dele.
    int Acrescenta(const std::vector<Celula>& valores);
    void Define(int registro, int coluna, const Celula& valor);

    // O primeiro registro, na ordem da tabela, cujas colunas valem os números dados (uma coluna de
    // texto vale o número escrito em decimal); -1 quando nenhum. O índice da chave nasce no primeiro
    // uso e acompanha as inclusões; uma edição numa coluna da chave o descarta.
    int Localiza(const std::vector<int>& colunas, std::span<const std::int64_t> valores);
    // O índice das colunas, cada uma com a sua conversão na comparação; nasce no primeiro pedido e
    // vale até uma edição numa das colunas.
    const IndiceChave& Indice(const std::vector<int>& colunas, const std::vector<Conversao>& conversoes);

    // Mudou desde a última gravação; mudou desde que foi lida do arquivo.
    bool Alterada() const { return alterada_; }
    bool MudouDesdeACarga() const { return mudouDesdeACarga_; }
    void MarcaGravada() { alterada_ = false; }

private:
    std::string caminho_;
    Registros registros_;
    int driverIdioma_;
    bool alterada_ = false;
    bool mudouDesdeACarga_ = false;
    std::vector<std::unique_ptr<IndiceChave>> indices_;
    std::vector<Comparavel> chave_;
    std::vector<std::string> textosDaChave_;
    std::vector<Conversao> semConversao_;
};
