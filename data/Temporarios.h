#pragma once
// Arquivos temporários do programa: gravados ao lado do destino com um nome oculto que diz de que
// processo são (".morvisan-<pid>-<n>.<extensão>"), e só depois renomeados por cima dele. Um processo
// morto no meio deixa o temporário para trás; a próxima partida ou rodada o apaga.
#include <string>

// Caminho de um temporário novo na pasta do destino, com a extensão dada (sem ponto).
std::string CaminhoTemporario(const std::string& destino, const std::string& extensao);

// Apaga da pasta os temporários do programa cujo processo já não existe.
void LimpaTemporariosOrfaos(const std::string& pasta);
