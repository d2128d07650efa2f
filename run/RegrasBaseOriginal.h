#pragma once
// As regras da base original (CD_UF;CD_MUN;POP1;POP2), as mesmas na carga da rodada e na preparação
// da base de tradução: os campos no rascunho, o conserto e o aviso do município repetido.
#include "Ajustes.h"
#include "LeituraDados.h"

#include <cstdint>
#include <unordered_set>

// O conserto das regras é T_BO_DESCBeforeInsert, com o separador decimal do usuário.
RegrasCarga RegrasBaseOriginal(Rascunho& r, char separadorDecimal);

// O conserto da linha da base original antes de ela virar registro: código que não passa no teste de
// inteiro e população que não passa no teste decimal (com o separador do usuário) viram "0".
void T_BO_DESCBeforeInsert(Rascunho& r, char separadorDecimal);

// O mesmo município numa linha anterior: a população dele contaria duas vezes. Avisa a linha de agora.
void AvisaRepetido(std::unordered_set<std::uint64_t>& vistos, std::int32_t uf, std::int32_t municipio,
                   const std::string& arquivo, long long linha, std::vector<Aviso>& avisos);
