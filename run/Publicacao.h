#pragma once
// A troca do conjunto de saídas de uma pasta, tudo ou nada. Antes de trocar, cada destino existente
// ganha uma ligação de reserva (".morvisan-anterior-...") e uma marca na pasta lista destinos e
// reservas; só então os temporários vão para o lugar. Uma troca que falha põe as reservas de volta;
// um processo morto no meio deixa a marca, e quem travar a pasta depois faz o mesmo.
#include <string>
#include <utility>
#include <vector>

// Os pares (temporário, destino) de uma mesma pasta trocados juntos; levanta Falha com o conjunto
// anterior de volta no lugar.
void PublicaJuntos(const std::vector<std::pair<std::string, std::string>>& trocas);

// Com a pasta travada: desfaz uma publicação interrompida (a marca ficou) e apaga reservas soltas.
void ReparaPublicacao(const std::string& pasta);
