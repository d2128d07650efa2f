#pragma once
// Arquivos temporários do programa: gravados ao lado do destino com um nome oculto que diz de que
// processo são e termina num sorteio (".morvisan-<pid>-<16 hexadecimais>.<extensão>"), e só depois
// renomeados por cima dele. O sorteio e a criação exclusiva impedem que alguém com acesso à pasta
// plante antes uma ligação no nome e faça a gravação cair noutro arquivo. Um processo morto no meio
// deixa o temporário para trás; a próxima partida ou rodada o apaga.
#include <string>

// 16 algarismos hexadecimais sorteados pelo núcleo: um nome que ninguém adivinha.
std::string Sorteio();

// Um nome sorteado, ainda não criado, na pasta do destino, com a extensão dada (sem ponto).
std::string CaminhoTemporario(const std::string& destino, const std::string& extensao);

// Cria o arquivo só se o nome está livre (nunca abre um existente, nunca segue uma ligação) e o devolve
// aberto para leitura e escrita; -1 com errno quando não deu.
int CriaExclusivo(const std::string& caminho);

struct TemporarioCriado {
    std::string caminho;
    int descritor = -1; // -1: não criado, e erro diz por quê
    int erro = 0;
};

// Um temporário novo na pasta do destino, já criado e aberto (outro sorteio quando o nome está tomado).
TemporarioCriado CriaTemporario(const std::string& destino, const std::string& extensao);

// Apaga da pasta os temporários do programa cujo processo já não existe.
void LimpaTemporariosOrfaos(const std::string& pasta);
