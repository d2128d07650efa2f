#pragma once
// Saída no terminal: os textos do sistema são Latin-1; o terminal pode esperar UTF-8.
#include <string>

// Converte o texto Latin-1 para a codificação do terminal (a de nl_langinfo(CODESET) depois de
// setlocale): numa localidade Latin-1 (ISO-8859-1, ISO-8859-15, CP1252) os bytes passam como estão;
// em qualquer outra (UTF-8, a C/POSIX) cada byte Latin-1 vira UTF-8 e os trechos que já são UTF-8
// válido (um caminho citado na mensagem) passam como estão.
std::string ParaTerminal(const std::string& latin1);

// O texto de uma caixa de mensagem (linhas separadas por CR, CR CR entre parágrafos) com uma
// informação por linha do terminal.
std::string LinhasDoTerminal(const std::string& texto);
