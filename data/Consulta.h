#pragma once
// Objeto de comando: roda os comandos SQL locais na pasta dada. Dialeto: o comando termina em ";",
// constantes de texto ficam entre aspas duplas, tabelas são os nomes dos arquivos .dbf da pasta sem
// a extensão, em qualquer caixa. Uma tabela que nenhum objeto abriu é aberta só para o comando.
#include "ArquivoDbf.h"

#include <cstdint>
#include <string>
#include <vector>

class Motor;

class Consulta {
public:
    explicit Consulta(Motor& motor);
    void DefinePasta(const std::string& pasta);
    void LimpaSql();
    void AcrescentaSql(const std::string& linha);
    const std::string& Sql() const { return sql_; }

    // Comando que muda linhas.
    void Executa();
    // Comando que devolve linhas; lido depois como uma tabela.
    void Abre();
    void Fecha();
    bool Aberta() const { return aberta_; }

    void Primeiro();
    void Proximo();
    bool Fim() const { return fim_; }
    int Registros() const;
    std::int32_t Inteiro(const std::string& campo) const;
    std::string Texto(const std::string& campo) const;
    double Numero(const std::string& campo) const;

private:
    const Valor& ValorCampo(const std::string& campo) const;
    Motor& motor_;
    std::string pasta_;
    std::string sql_;
    bool aberta_ = false;
    bool fim_ = true;
    std::size_t atual_ = 0;
    std::vector<std::string> colunas_;
    std::vector<std::vector<Valor>> linhas_;
};
