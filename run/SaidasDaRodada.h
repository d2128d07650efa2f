#pragma once
// As saídas de uma rodada (resultado, comp.CSV, Morvisan.Log, Morvisan.Avisos) trocam as anteriores
// todas juntas: cada uma é gravada num temporário ao lado e só vai para o lugar quando todas estão
// prontas. Uma falha, um disco cheio, uma troca de nome recusada ou um processo morto deixam o
// conjunto anterior inteiro; uma só rodada por vez grava na pasta.
#include "Temporarios.h"
#include "TravaPasta.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class SaidasDaRodada {
public:
    SaidasDaRodada() = default;
    ~SaidasDaRodada();
    SaidasDaRodada(const SaidasDaRodada&) = delete;
    SaidasDaRodada& operator=(const SaidasDaRodada&) = delete;

    // Trava a pasta de saída até Libera (Falha que nomeia a pasta quando outra rodada a tem), põe de
    // volta o conjunto que uma rodada morta deixou pela metade e apaga os temporários dos mortos.
    void Reserva(const std::string& pasta);
    // Um temporário novo, já criado na pasta do destino; o destino só muda em Publica.
    TemporarioCriado Temporario(const std::string& destino);
    // Troca os destinos pelos temporários, na ordem em que foram pedidos (um arquivo existente de
    // mesmo nome, sem olhar a caixa, é o substituído). Uma troca que falha desfaz as anteriores e
    // levanta Falha: fica o conjunto anterior, byte a byte.
    void Publica();
    // Apaga os temporários ainda não publicados.
    void Descarta();
    // Descarta e solta a trava da pasta.
    void Libera();

private:
    std::optional<TravaPasta> trava_;
    std::vector<std::pair<std::string, std::string>> pendentes_; // temporário, destino
};
