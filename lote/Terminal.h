#pragma once
// Saída no terminal: os textos do sistema são Latin-1; o terminal pode esperar UTF-8.
#include <string>

// Converte o texto Latin-1 para a codificação do terminal (a de nl_langinfo(CODESET) depois de
// setlocale): para UTF-8 cada byte Latin-1 é convertido e os trechos que já são UTF-8 válido (um
// caminho citado na mensagem) passam como estão; qualquer outra fica com os bytes como estão.
std::string ParaTerminal(const std::string& latin1);

// O texto de uma caixa de mensagem (linhas separadas por CR, CR CR entre parágrafos) com uma
// informação por linha do terminal.
std::string LinhasDoTerminal(const std::string& texto);
