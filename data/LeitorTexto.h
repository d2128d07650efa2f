#pragma once
// Leitura de arquivo texto linha a linha: a linha termina em CR, em LF ou em CR LF; Ctrl-Z encerra
// a entrada. Linhas de qualquer tamanho.
#include <cstdio>
#include <string>
#include <vector>

class LeitorTexto {
public:
    // Abre o arquivo; a falha levanta Falha com o nome do arquivo e o motivo.
    explicit LeitorTexto(const std::string& caminho);
    ~LeitorTexto();
    LeitorTexto(const LeitorTexto&) = delete;
    LeitorTexto& operator=(const LeitorTexto&) = delete;

    // Lê a próxima linha sem o fim de linha; devolve false no fim da entrada.
    // Um erro de leitura ou um byte nulo (o arquivo não é texto) levanta Falha.
    bool LeLinha(std::string& linha);
    // Número da última linha lida, contando toda linha física desde 1.
    long long NumeroLinha() const { return linhas_; }
    // Depois de um Ctrl-Z: a linha física que o tem e quantas linhas não brancas ficaram sem ler
    // depois dele (o resto da linha dele conta como uma). 0 quando não houve Ctrl-Z.
    long long LinhaCtrlZ() const { return linhaCtrlZ_; }
    long long NaoLidasDepoisDoCtrlZ() const { return naoLidas_; }

private:
    // Garante bytes no buffer; false no fim do arquivo.
    bool Enche();
    // Para no Ctrl-Z da posição corrente, contando o que fica sem ler.
    void ParaNoCtrlZ(long long linha);
    std::string caminho_;
    std::FILE* arquivo_ = nullptr;
    std::vector<char> buffer_;
    std::size_t posicao_ = 0;
    std::size_t tamanho_ = 0;
    long long linhas_ = 0;
    long long linhaCtrlZ_ = 0;
    long long naoLidas_ = 0;
    bool acabou_ = false;
};
