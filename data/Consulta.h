#pragma once
// Objeto de comando: roda os comandos SQL locais (DialetoSql.h) na pasta dada. Tabelas são os nomes
// dos arquivos .dbf da pasta sem a extensão, em qualquer caixa. Uma tabela que nenhum objeto abriu é
// aberta só para o comando.
#include "ExecucaoSql.h"

#include <cstdint>
#include <optional>
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
    bool Aberta() const { return linhas_.has_value(); }

    void Primeiro();
    void Proximo();
    bool Fim() const { return fim_; }
    int Registros() const;
    std::int32_t Inteiro(const std::string& campo) const;
    std::string Texto(const std::string& campo) const;
    double Numero(const std::string& campo) const;

private:
    Celula ValorCampo(const std::string& campo) const;
    Motor& motor_;
    std::string pasta_;
    std::string sql_;
    bool fim_ = true;
    int atual_ = 0;
    std::optional<LinhasSelecionadas> linhas_;
};
