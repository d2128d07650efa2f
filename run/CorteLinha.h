#pragma once
// O corte de uma linha de arquivo de entrada em campos, com as regras da carga da rodada. A rodada e
// a preparação da base de tradução leem a base original pelas mesmas regras.
#include "Ajustes.h"

#include <string>
#include <string_view>
#include <vector>

struct CampoLinha {
    std::string* rascunho;
    const char* padrao;
};

// Corta a linha em campos da esquerda para a direita. Cada campo antes do último só existe quando
// um ";" o fecha; o último fica com o resto inteiro (";" inclusive), aparado, e só quando o
// separador antes dele existe. Campos sem texto ficam com o padrão.
void CortaLinha(std::string_view linha, const std::vector<CampoLinha>& campos);

// Uma linha da base original no rascunho: CD_UF, CD_MUN, POP1 e POP2, com POP2 cortado em 12
// caracteres.
void CortaLinhaOriginal(std::string_view linha, Rascunho& r);

// O conserto da base original antes de incluir: código que não passa no teste de inteiro e população
// que não passa no teste decimal viram "0".
void ConsertaLinhaOriginal(Rascunho& r, char separadorDecimal);
