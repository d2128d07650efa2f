#pragma once
// Pasta temporária de teste, apagada no fim; sabe montar uma pasta de programa com Bases0.
#include <string>

class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    // Caminho da pasta, terminado em "/".
    const std::string& Caminho() const { return caminho_; }
    std::string operator/(const std::string& nome) const { return caminho_ + nome; }

    // Escreve um arquivo com os bytes dados (sem conversão de fim de linha).
    void Escreve(const std::string& nome, const std::string& bytes) const;
    std::string Le(const std::string& nome) const;
    // Copia um arquivo de tests/dados para cá.
    void CopiaDado(const std::string& nomeEmDados, const std::string& nomeAqui = "") const;
    // Cria aqui uma pasta de programa: Bases0 com os modelos da compilação; devolve o caminho com "/".
    std::string MontaSistema(const std::string& nome = "sistema") const;

private:
    std::string caminho_;
};

std::string LeArquivo(const std::string& caminho);

// O texto entre aspas simples, para a linha do shell.
std::string Aspas(const std::string& texto);

// O que um comando do shell deixou: o código de saída e as duas saídas.
struct Execucao {
    int codigo = -1;
    std::string normal;
    std::string erros;
};
// Roda a linha no shell com as saídas em arquivos da pasta dada.
Execucao RodaNoShell(const std::string& linha, const PastaTemporaria& pasta);
