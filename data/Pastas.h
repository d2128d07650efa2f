#pragma once
// Onde o programa lê o que vem com ele e grava o que é do usuário. Numa pasta de programa portátil
// (a da compilação, por exemplo) as duas são a pasta do executável, como sempre foi. Instalado, o
// executável fica num bin/ sem Bases0 ou sem permissão de gravação: os modelos e a ajuda vêm da pasta
// share/morvisan ao lado dele, e Bases1, Trabalho e Fixa.CFG ficam na pasta de dados do usuário.
#include <string>

struct Pastas {
    // DirSistema: Bases0 e a ajuda; só leitura quando instalado. Terminada em "/".
    std::string sistema;
    // DirUsuario: Bases1, Trabalho e Fixa.CFG; criada no primeiro uso. Terminada em "/".
    std::string usuario;
};

// A pasta do executável em execução, terminada em "/".
std::string PastaDoExecutavel();

// As pastas de um programa cujo executável está na pasta dada. A pasta do usuário é
// $XDG_DATA_HOME/morvisan (~/.local/share/morvisan quando a variável falta ou não é absoluta).
Pastas LocalizaPastas(const std::string& pastaExecutavel);

// Uma pasta só para tudo (a opção --sistema do comando em lote e os testes).
Pastas PastaUnica(const std::string& pasta);

// Cria a pasta quando falta (com as de cima) e confere que ela aceita gravação. A falha levanta
// Falha com a pasta e o motivo verdadeiro (permissão negada não é "não encontrado").
void PreparaPastaGravavel(const std::string& pasta);
