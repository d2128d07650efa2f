#pragma once
// O que a leitura e a escrita de .dbf dividem: os ganchos da shapelib, a abertura sem seguir ligação e
// o número como o campo o guarda.
#include "ArquivoDbf.h"

#include <cstdio>
#include <shapefil.h>
#include <string>
#include <string_view>

// Registros lidos ou escritos de uma vez: chamadas de sistema grandes, memória pequena.
inline constexpr std::size_t TamanhoBloco = 1 << 20;

// A shapelib avisa erros por um gancho; a última mensagem fica aqui para a Falha.
extern thread_local std::string ultimoErroShapelib;

SAHooks GanchosShapelib();

// Abre sem seguir ligação; a criação (modo "w") só acontece num nome livre. A shapelib cria e reabre
// a tabela nova pelo nome, e o nome do temporário não pode levar a gravação para outro arquivo.
std::FILE* AbreSemLigacao(const char* nome, const char* acesso);
SAFile AbreSemLigacaoShapelib(const char* nome, const char* acesso);

// O número como o campo o guarda, alinhado à direita: inteiro com as casas decimais do campo em
// zeros, real arredondado nelas. Um campo tem no máximo 255 posições: um texto que passaria do espaço
// dado não caberia em campo nenhum, e volta com uma posição a mais que o campo mais largo.
inline constexpr std::size_t TamanhoNumero = 320;
std::string_view FormataNumero(const Campo& campo, const Celula& valor, char (&texto)[TamanhoNumero]);
