#pragma once
// O motor de tabelas: uma base SQLite em memória guarda toda tabela aberta. Abrir um .dbf carrega o
// arquivo numa tabela SQLite (a ordem dos registros é a do rowid); gravar e fechar escrevem de volta
// o .dbf alterado. Tabelas e consultas usam a mesma conexão, então todo registro postado e todo
// comando executado valem na hora para todos.
#include "ArquivoDbf.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class Motor {
public:
    Motor();
    ~Motor();
    Motor(const Motor&) = delete;
    Motor& operator=(const Motor&) = delete;

    // Uma tabela de arquivo carregada na memória, compartilhada por quem a usa.
    struct Carregada;

    // Carrega (ou reaproveita) o arquivo e conta mais um usuário.
    Carregada& Usa(const std::string& caminho);
    // Conta um usuário a menos; o último escreve de volta o que mudou e descarrega.
    void Larga(Carregada& tabela);
    // Escreve de volta no arquivo, se algo mudou desde a carga ou a última gravação.
    void Grava(Carregada& tabela);

    sqlite3* Conexao() const { return conexao_; }
    // Marca a tabela como mudada: ganha uma geração nova, e quem guarda cópia de registros dela
    // sabe que precisa relê-los.
    void Alterou(Carregada& tabela);

    // Comando preparado guardado; levanta Falha com o texto do SQLite quando não prepara.
    sqlite3_stmt* Prepara(const std::string& sql);
    void Executa(const std::string& sql);

private:
    sqlite3* conexao_ = nullptr;
    std::uint64_t geracao_ = 0;
    int contador_ = 0;
    std::map<std::string, std::unique_ptr<Carregada>> carregadas_;
    std::map<std::string, sqlite3_stmt*> preparados_;
    void Descarrega(Carregada& tabela);
};

struct Motor::Carregada {
    std::string caminho;
    std::string nomeSql;
    std::vector<Campo> campos;
    int driverIdioma = 3;
    std::uint64_t geracao = 0; // única entre todas as tabelas carregadas pelo motor
    int usuarios = 0;
    bool alterada = false;
    std::int64_t registros = 0;
    // Comandos preparados da tabela, feitos no primeiro uso e desfeitos com ela.
    std::map<std::string, sqlite3_stmt*> localizadores;
    std::map<std::string, sqlite3_stmt*> atualizacoes; // pela lista de campos alterados
    sqlite3_stmt* inclusao = nullptr;
    sqlite3_stmt* leitura = nullptr;                // registros a partir de um rowid, em ordem
    int Indice(const std::string& nomeCampo) const; // -1 quando não há
    ~Carregada();
};
