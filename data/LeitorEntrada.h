#pragma once
// Leitura de um arquivo de entrada do usuário (bases original e de tradução, nomes, siglas): linhas
// já em Windows-1252, sem a marca UTF-8 do começo, com o número de cada linha física.
#include "Codificacao.h"
#include "LeitorTexto.h"

#include <string>

class LeitorEntrada {
public:
    // Marca, na linha convertida de UTF-8, o caractere que Windows-1252 não tem. A página não define
    // o 0x81, então nenhuma conversão o produz: quem corta a linha ainda sabe onde houve troca e põe
    // ali o "?". Só vale com Utf8().
    static constexpr char MarcaTroca = '\x81';

    // Decide a codificação antes de ler; um arquivo em UTF-16 é recusado com Falha.
    explicit LeitorEntrada(const std::string& caminho);

    bool LeLinha(std::string& linha);
    long long NumeroLinha() const { return leitor_.NumeroLinha(); }
    long long LinhaCtrlZ() const { return leitor_.LinhaCtrlZ(); }
    long long NaoLidasDepoisDoCtrlZ() const { return leitor_.NaoLidasDepoisDoCtrlZ(); }
    bool Utf8() const { return inicio_.codificacao == Codificacao::Utf8; }
    // NomeSemPasta do caminho.
    const std::string& Nome() const { return nome_; }

private:
    std::string nome_;
    InicioArquivo inicio_; // decidido antes de o leitor abrir o arquivo
    LeitorTexto leitor_;
    std::string bruta_;
};

// Nome do arquivo sem a pasta, em Windows-1252 (ComoWindows1252), como os avisos e as mensagens o
// citam.
std::string NomeSemPasta(const std::string& caminho);
