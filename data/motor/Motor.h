#pragma once
// O motor de tabelas: toda tabela aberta vive na memória, coluna a coluna (Registros), carregada do
// .dbf na primeira abertura e escrita de volta, inteira, quando muda e é gravada ou largada pelo
// último usuário. Tabelas e comandos sobre o mesmo arquivo usam a mesma tabela carregada, então
// todo registro postado e todo comando executado valem na hora para todos.
#include "TabelaCarregada.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Motor {
public:
    Motor() = default;
    Motor(const Motor&) = delete;
    Motor& operator=(const Motor&) = delete;

    // Carrega (ou reaproveita) o arquivo e conta mais um usuário.
    TabelaCarregada& Usa(const std::string& caminho);
    // Conta um usuário a menos; o último escreve de volta o que mudou e descarrega.
    void Larga(TabelaCarregada& tabela);
    // Escreve de volta no arquivo, se algo mudou desde a carga ou a última gravação.
    void Grava(TabelaCarregada& tabela);

private:
    struct EmUso {
        std::unique_ptr<TabelaCarregada> tabela;
        int usuarios = 0;
        std::int64_t tamanho = 0;
        std::uint64_t impressao = 0;
    };
    // Uma tabela grande descarregada sem mudança fica guardada pelo conteúdo do arquivo: a base de
    // nomes, copiada de novo a cada rodada, só é relida quando o arquivo mudou.
    struct Guardada {
        std::int64_t tamanho = 0;
        std::uint64_t impressao = 0;
        std::unique_ptr<TabelaCarregada> tabela;
    };
    EmUso Carrega(const std::string& caminho);
    void Descarrega(std::map<std::string, EmUso>::iterator emUso);

    std::map<std::string, EmUso> carregadas_;
    std::vector<Guardada> guardadas_;
};
