#pragma once
// A área de trabalho: as pastas ao lado do programa, os nomes dos arquivos como cada passo os
// escreve e o esquema dos cinco modelos vazios de Bases0.
#include "ArquivoDbf.h"

#include <string>
#include <vector>

namespace AreaTrabalho {

inline const std::string Bases0 = "Bases0";
inline const std::string Bases1 = "Bases1";
inline const std::string Trabalho = "Trabalho";

inline const std::string Original = "Original.dbf";
inline const std::string Morvisan = "Morvisan.dbf";
inline const std::string Final = "FINAL.DBF";
inline const std::string DefMun = "DEF_MUN.dbf";
inline const std::string DefMunMaiusc = "DEF_MUN.DBF";
inline const std::string DefUf = "DEF_UF.dbf";
inline const std::string DefUfMaiusc = "DEF_UF.DBF";

inline const std::string ArquivoFixa = "Fixa.CFG";
inline const std::string ArquivoLog = "Morvisan.Log";
inline const std::string ArquivoComp = "comp.CSV";
inline const std::string ArquivoAvisos = "Morvisan.Avisos";

struct Modelo {
    std::string arquivo;
    std::vector<Campo> campos;
};

// Os cinco modelos, na ordem Original, Morvisan, FINAL, DEF_MUN, DEF_UF.
const std::vector<Modelo>& Modelos();

// Cria os modelos vazios na pasta dada (a pasta precisa existir).
void GeraModelos(const std::string& pasta);

// Uma base extra (DEF_MUN ou DEF_UF na pasta) só serve com as colunas do seu modelo: códigos
// numéricos, nome ou sigla de texto. Levanta Falha que nomeia a tabela e a coluna.
void ConfereBaseExtra(const std::string& pasta, const std::string& arquivo);

// Apaga de Bases1 e de Trabalho (na pasta do usuário) os temporários que um processo morto deixou
// (na partida e a cada rodada).
void LimpaTemporarios(const std::string& dirUsuario);

// Uma base extra está ativa quando sua cópia em Bases1 (na pasta do usuário) existe e guarda ao menos
// um registro.
bool BaseExtraAtiva(const std::string& dirUsuario, const std::string& arquivo);

// Algum dos arquivos que a rodada grava na pasta (NOME.CSV, comp.CSV, Morvisan.Log, Morvisan.Avisos) é
// uma das duas
// bases de entrada? Os nomes valem sem olhar a caixa, como na gravação.
bool SaidaSobreEntrada(const std::string& pasta, const std::string& nome, const std::string& original,
                       const std::string& traducao);

} // namespace AreaTrabalho
