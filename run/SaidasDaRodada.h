#pragma once
// As saídas de uma rodada (resultado, comp.CSV, Morvisan.Log, Morvisan.Avisos) trocam as anteriores
// todas juntas: cada uma é gravada num temporário ao lado e só vai para o lugar quando todas estão
// prontas. Uma falha, um disco cheio ou um processo morto deixam o conjunto anterior inteiro.
#include <string>
#include <utility>
#include <vector>

class SaidasDaRodada {
public:
    SaidasDaRodada() = default;
    ~SaidasDaRodada();
    SaidasDaRodada(const SaidasDaRodada&) = delete;
    SaidasDaRodada& operator=(const SaidasDaRodada&) = delete;

    // Um temporário novo na pasta do destino; o destino só muda em Publica.
    std::string Temporario(const std::string& destino);
    // Renomeia cada temporário sobre o seu destino (um arquivo existente de mesmo nome, sem olhar a
    // caixa, é o substituído), na ordem em que foram pedidos.
    void Publica();
    // Apaga os temporários ainda não publicados.
    void Descarta();

private:
    std::vector<std::pair<std::string, std::string>> pendentes_; // temporário, destino
};
