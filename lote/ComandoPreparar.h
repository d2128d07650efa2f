#pragma once
// morvisan-lote preparar ORIGINAL DE ATE SAIDA e conferir ORIGINAL ANO
#include "Ajustes.h"
#include "Aviso.h"
#include "ConferenciaBrasil.h"
#include "LinhaComando.h"

#include <functional>

// O ano de um argumento, só de dígitos ("2010"); outro texto levanta ErroUso com o nome do comando.
int AnoDoArgumento(const std::string& comando, const std::string& texto);

// --pular-excecoes só vale para traduzir: com outro comando levanta ErroUso.
void SemPularExcecoes(const LinhaComando& linha);

// Roda o trabalho; as falhas saem com 1 e a mensagem na saída de erros, o uso errado segue adiante.
int SaiComFalha(const std::function<int()>& trabalho);

// Na saída de erros: os problemas da conferência, os achados da leitura (as notas ficam só no
// arquivo de avisos e no resumo) e os demais avisos, um por linha.
void EscreveAvisos(const std::vector<ProblemaConferencia>& problemas, const std::vector<Aviso>& leitura,
                   const std::vector<std::string>& outros);

// Prepara a base de tradução do Brasil (argumentos: os quatro, já contados); devolve o código de
// saída (0 certo, 4 com par estimado ou deixado de fora, 1 falha, 2 saída sobre uma entrada). Um
// argumento que não serve levanta ErroUso.
int ComandoPreparar(Ajustes& ajustes, const LinhaComando& linha);

// Confere a base com a divisão de 1º de janeiro do ano (argumentos: os dois, já contados); devolve 0
// sem problema, 4 com algum, 1 falha. Um argumento que não serve levanta ErroUso.
int ComandoConferir(Ajustes& ajustes, const LinhaComando& linha);
