#pragma once
// CriaAtalho: lançador do programa na área de trabalho do usuário.
#include "Dialogos.h"

#include <string>

class QWidget;

bool CriaAtalho(const std::string& alvo, const std::string& argumentos, const std::string& pastaTrabalho,
                const std::string& nomeAtalho, const std::string& valorPasta, Dialogos& dialogos, QWidget* pai);
