#pragma once
// Importação das bases extras (nomes dos municípios, siglas das UFs) de arquivos texto separados por
// ";" para as cópias em Bases1.
#include "Ajustes.h"
#include "Dados.h"

#include <string>

struct ResultadoImportacao {
    int linhasLidas = 0;
    int registrosIncluidos = 0;
};

enum class BaseExtra { Municipios, Ufs };

// Importa o arquivo para a cópia da base em Bases1, montada ao lado e posta no lugar só quando tudo
// deu certo: uma falha deixa a cópia anterior como estava. Levanta Falha("Falha ao copiar.") quando
// o modelo não pode ser copiado e Falha com a mensagem do erro nos demais casos. Em sucesso marca a
// base como ativa nos ajustes.
ResultadoImportacao ImportaBaseExtra(BaseExtra base, const std::string& arquivo, Ajustes& ajustes, Dados& dados);

// Texto de conclusão: "Processo concluído.\r\rLinhas lidas: N\rRegistros incluídos: M\r".
std::string TextoConclusao(const ResultadoImportacao& resultado);
