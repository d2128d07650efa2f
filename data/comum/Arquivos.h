#pragma once
// Operações de arquivo do sistema. Nomes de arquivo valem sem distinção de maiúsculas e minúsculas:
// "DEF_MUN.dbf" e "DEF_MUN.DBF" na mesma pasta são um arquivo só.
#include <cstdint>
#include <string>

// O caminho do arquivo existente cujo nome é igual ao dado sem olhar a caixa; quando nenhum existe,
// o próprio caminho. Separadores dobrados valem por um.
std::string ResolveCaminho(const std::string& caminho);

bool ArquivoExiste(const std::string& caminho);
// Apaga; devolve false quando não conseguiu (inclusive quando não existe).
bool ApagaArquivo(const std::string& caminho);
// Copia recusando sobrescrever: devolve false (com errno dizendo o motivo) quando a origem falta, o
// destino existe ou a cópia falha.
bool CopiaArquivo(const std::string& origem, const std::string& destino);
// Cria a pasta; devolve false quando não conseguiu (inclusive quando já existe).
bool CriaPasta(const std::string& caminho);
// Tamanho em bytes; levanta Falha quando o arquivo não pode ser aberto.
std::int64_t TamanhoArquivo(const std::string& caminho);
// Troca atômica: renomeia origem sobre destino.
void Renomeia(const std::string& origem, const std::string& destino);
