#pragma once
// Saída no terminal: os textos do sistema são Latin-1; o terminal pode esperar UTF-8.
#include <string>

// Converte o texto Windows-1252 para a codificação do terminal (a de nl_langinfo(CODESET) depois de
// setlocale): numa localidade Latin-1 (ISO-8859-1, ISO-8859-15, CP1252) os bytes passam como estão;
// em qualquer outra (UTF-8, a C/POSIX) cada byte vira o seu caractere em UTF-8, um a um: bytes que
// parecem UTF-8 num arquivo Latin-1 são os caracteres de lá ("C\xc3\xb3digo" não vira "Código").
std::string ParaTerminal(const std::string& latin1);

// Um texto que já vem na codificação do terminal (um caminho acentuado da linha de comando): onde
// aparecer numa mensagem, passa como está em vez de ser convertido de novo.
void PassaComoEsta(const std::string& trecho);

// O texto de uma caixa de mensagem (linhas separadas por CR, CR CR entre parágrafos) com uma
// informação por linha do terminal.
std::string LinhasDoTerminal(const std::string& texto);
