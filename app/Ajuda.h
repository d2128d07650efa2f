#pragma once
// A ajuda do programa num visualizador próprio: primeiro o sumário, depois o tópico pedido.
#include <string>

class QWidget;

void AbreAjuda(const std::string& dirSistema, const std::string& topico, QWidget* pai);
