#pragma once
// Arquivo texto de saída (resultado, extrato, log, avisos): linhas em CR LF, gravação com buffer.
// Toda falha de criar, gravar ou fechar levanta Falha com o número do erro do sistema e o nome do
// destino, como a falha de entrada e saída da rodada.
#include "Temporarios.h"

#include <cstdio>
#include <string>

class ArquivoSaida {
public:
    // Grava no temporário já criado (a falha de criá-lo sai daqui); as mensagens citam `destino`, o
    // nome que o usuário conhece.
    ArquivoSaida(const TemporarioCriado& temporario, const std::string& destino);
    ~ArquivoSaida();
    ArquivoSaida(const ArquivoSaida&) = delete;
    ArquivoSaida& operator=(const ArquivoSaida&) = delete;

    void EscreveLinha(const std::string& linha);
    void Fecha();

private:
    [[noreturn]] void FalhaES(const char* acao, int erro) const;
    std::string destino_;
    std::FILE* arquivo_ = nullptr;
};
