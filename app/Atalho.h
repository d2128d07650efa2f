#pragma once
// CriaAtalho: lançador do programa na área de trabalho do usuário, com o ícone dado (um caminho).
#include "Dialogos.h"

#include <string>

class QWidget;

bool CriaAtalho(const std::string& alvo, const std::string& argumentos, const std::string& pastaTrabalho,
                const std::string& nomeAtalho, const std::string& valorPasta, const std::string& icone,
                Dialogos& dialogos, QWidget* pai);
