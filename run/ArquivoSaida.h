#pragma once
// Arquivo texto de saída (resultado, extrato, log): criado de novo a cada rodada, linhas em CR LF,
// gravação com buffer. Toda falha de criar, gravar ou fechar levanta Falha com o número do erro do
// sistema, como a falha de entrada e saída da rodada.
#include <cstdio>
#include <string>

class ArquivoSaida {
public:
    // Cria o arquivo (nome sem distinção de caixa: um arquivo existente de mesmo nome é substituído).
    explicit ArquivoSaida(const std::string& caminho);
    ~ArquivoSaida();
    ArquivoSaida(const ArquivoSaida&) = delete;
    ArquivoSaida& operator=(const ArquivoSaida&) = delete;

    // Caminho de fato aberto, depois de resolvida a caixa do nome.
    const std::string& Caminho() const { return caminho_; }
    void EscreveLinha(const std::string& linha);
    void Fecha();

private:
    [[noreturn]] void FalhaES(const char* acao, int erro) const;
    std::string caminho_;
    std::FILE* arquivo_ = nullptr;
};
