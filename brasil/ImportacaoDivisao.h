#pragma once
// As bases extras tiradas das divisões que vêm com o programa: os nomes dos municípios, ou as siglas
// das UFs, da divisão de 1º de janeiro de um ano, importados como de um arquivo.
#include "DivisoesBrasil.h"
#include "ImportacaoExtras.h"

#include <string>

// A sigla da UF pelo código do IBGE; vazia para um código que não é de UF.
std::string SiglaDaUf(std::int32_t uf);

// O texto do arquivo que a importação leria: CD_UF;CD_MUN;MUN ou CD_UF;SG_UF, linhas CR LF.
std::string TextoDaDivisao(BaseExtra base, const DivisoesBrasil& divisoes, int ano);

// Importa a base da divisão do ano pelo caminho de sempre (um temporário, apagado no fim). Um ano
// fora das divisões conhecidas levanta Falha.
ResultadoImportacao ImportaDivisao(BaseExtra base, int ano, Ajustes& ajustes, Dados& dados);
