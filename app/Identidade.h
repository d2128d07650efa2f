#pragma once
// Como o programa se apresenta ao sistema: nome e versão, a entrada do menu a que as janelas
// pertencem (classe da janela no X11, app_id no Wayland) e o ícone de todas as janelas.
#include <QIcon>

// O ícone do programa, desenhado em SVG e guardado no próprio executável.
QIcon IconePrograma();

// Aplica nome, versão, entrada do menu e ícone à aplicação já criada.
void IdentificaAplicacao();
