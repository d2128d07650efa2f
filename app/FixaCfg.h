#pragma once
// Fixa.CFG: a base de tradução fixada, uma linha com o caminho completo, na pasta do usuário.
#include <string>

// O caminho fixado, ou vazio quando não há Fixa.CFG. Um Fixa.CFG cujo arquivo já não existe é
// apagado e dá vazio. Um Fixa.CFG ilegível levanta Falha.
std::string LeFixa(const std::string& dirUsuario);

// Cria ou substitui Fixa.CFG com o caminho; a falha de gravação levanta Falha.
void GravaFixa(const std::string& dirUsuario, const std::string& caminho);
