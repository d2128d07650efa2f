#pragma once
// O tamanho que o usuário deu a uma janela redimensionável, guardado entre as sessões num arquivo
// de ajustes da pasta do usuário (Janelas.ini), ao lado das bases extras.
#include <QString>
#include <string>

class QWidget;

// Aplica o tamanho guardado (nunca abaixo do mínimo da janela nem acima da tela) e o estado maximizado.
void RestauraTamanho(QWidget* janela, const std::string& dirUsuario, const QString& nome);
// Guarda o tamanho normal (o de antes de maximizar) e se está maximizada.
void GuardaTamanho(const QWidget* janela, const std::string& dirUsuario, const QString& nome);
