#pragma once
// Falha: a exceção do sistema; a mensagem já vem no texto que o usuário vê (Latin-1).
#include <stdexcept>
#include <string>

class Falha : public std::runtime_error {
public:
    explicit Falha(const std::string& mensagem) : std::runtime_error(mensagem) {}
};
