#pragma once
// As tabelas do Brasil que vêm com o programa (dados/ na pasta dele): Windows-1252, ";", uma linha de
// títulos, números só de dígitos. Linha fora do formato levanta Falha com o arquivo e a linha.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Uma tabela: o nome para as mensagens ("tabela de mudanças") e as colunas; a última fica com o
// resto da linha.
struct FormatoTabelaBrasil {
    std::string descricao;
    std::vector<std::string> colunas;
};

class LinhaTabelaBrasil {
public:
    LinhaTabelaBrasil(std::string_view linha, const FormatoTabelaBrasil& formato, const std::string& caminho,
                      long long numero);

    const std::string& Texto(std::size_t coluna) const { return campos_[coluna]; }
    const std::string& Nome(std::size_t coluna) const { return formato_.colunas[coluna]; }
    // Só dígitos: sem sinal, brancos nem separador de milhar.
    std::optional<std::int64_t> Numero(std::size_t coluna, bool vazioVale = false) const;
    std::int32_t Inteiro(std::size_t coluna) const;

    [[noreturn]] void Invalido(std::size_t coluna) const;
    [[noreturn]] void Erro(const std::string& motivo) const;

private:
    const FormatoTabelaBrasil& formato_;
    const std::string& caminho_;
    long long numero_;
    std::vector<std::string> campos_;
};

// O arquivo dados/NOME na pasta do programa.
std::string ArquivoDadosBrasil(const std::string& dirSistema, const std::string& nome);

// Passa cada linha não vazia da tabela, na ordem do arquivo. Arquivo que falta ou de outros títulos
// levanta Falha.
void LeTabelaBrasil(const std::string& caminho, const FormatoTabelaBrasil& formato,
                    const std::function<void(const LinhaTabelaBrasil&)>& linha);
