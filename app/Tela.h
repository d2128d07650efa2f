#pragma once
// Travessia entre os bytes Latin-1 do sistema e o texto da tela.
#include <QString>
#include <string>

// Texto que é UTF-8 válido aparece como UTF-8; qualquer outro, como Windows-1252/Latin-1, menos os
// trechos UTF-8 válidos que ele traga (o caminho de um arquivo dentro de uma mensagem).
QString ParaTela(const std::string& bytes);
// Texto da tela para Latin-1 (o que não cabe vira "?").
std::string DaTela(const QString& texto);
// Texto de caixa de mensagem: como ParaTela, com os "\r" do sistema como quebras de linha.
QString ParaCaixa(const std::string& bytes);
