#pragma once
// Codificação dos arquivos de entrada. Por dentro o sistema guarda texto em Windows-1252; planilhas
// salvas no Linux vêm em UTF-8, às vezes com a marca EF BB BF na frente. Um arquivo todo em UTF-8
// válido (e com algum byte acima de 127) é convertido linha a linha; qualquer outro é lido como
// Windows-1252, como sempre foi.
#include <string>
#include <string_view>

enum class Codificacao { Windows1252, Utf8, Utf16 };

struct InicioArquivo {
    Codificacao codificacao = Codificacao::Windows1252;
    bool marcaUtf8 = false; // começa por EF BB BF
};

// Lê o arquivo até o fim ou até o primeiro Ctrl-Z (o que vem depois não é lido) e decide. A marca
// UTF-16 (FF FE ou FE FF) no começo dá Utf16. A falha de abrir ou ler levanta Falha.
InicioArquivo DetectaCodificacao(const std::string& caminho);

// O caractere Unicode de um byte Windows-1252 (as posições vazias de 0x80 a 0x9F ficam com o próprio
// código).
char32_t CaractereWindows1252(unsigned char byte);

// Converte uma linha UTF-8 válida para Windows-1252: um caractere que a página não tem vira o
// substituto (um só, qualquer que seja seu tamanho em UTF-8).
void Utf8ParaWindows1252(std::string_view utf8, std::string& saida, char substituto);

// Um texto curto de fora (o nome de um arquivo) em Windows-1252, pela regra dos arquivos: o UTF-8
// válido com algum byte acima de 127 é convertido, o caractere que a página não tem virando "?";
// qualquer outro já é Windows-1252 e fica como está.
std::string ComoWindows1252(std::string_view texto);

// Converte um texto Windows-1252 para UTF-8, byte a byte; as cinco posições sem caractere viram "?".
void Windows1252ParaUtf8(std::string_view texto, std::string& saida);
