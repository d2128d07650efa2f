#pragma once
// O que chega ao SQLite vindo de fora (nomes de campo lidos de um .dbf) nunca vira comando: os
// nomes entram como identificadores entre aspas e cada chamada prepara um comando só.
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// O nome entre aspas duplas, com cada aspa de dentro dobrada.
std::string Identificador(const std::string& nome);

// Nome de campo dBase comum: de 1 a 10 letras, algarismos ou sublinhados.
bool NomeDeCampoValido(const std::string& nome);

// Prepara exatamente um comando: texto depois dele (um segundo comando) é recusado com Falha, que
// começa pelo prefixo dado.
sqlite3_stmt* PreparaUmComando(sqlite3* conexao, const std::string& sql,
                               const std::string& prefixo = "Erro do motor de tabelas: ");
