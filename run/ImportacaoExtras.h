#pragma once
// Importação das bases extras (nomes dos municípios, siglas das UFs) de arquivos texto separados por
// ";" para as cópias em Bases1.
#include "Ajustes.h"
#include "Aviso.h"
#include "Dados.h"
#include "Falha.h"

#include <string>
#include <vector>

struct ResultadoImportacao {
    long long linhasLidas = 0;
    int registrosIncluidos = 0;
    std::vector<Aviso> avisos; // da leitura, na ordem do arquivo
};

enum class BaseExtra { Municipios, Ufs };

// O modelo de Bases0 não pôde ser copiado: a janela mostra "Falha ao copiar." na caixa "Erro!", com
// o arquivo e o motivo.
class FalhaAoCopiar : public Falha {
public:
    explicit FalhaAoCopiar(const std::string& detalhe) : Falha("Falha ao copiar.\r\r" + detalhe) {}
};

// Importa o arquivo para a cópia da base em Bases1, montada ao lado e posta no lugar só quando tudo
// deu certo: uma falha deixa a cópia anterior e a marca de ativa como estavam. Levanta FalhaAoCopiar
// quando o modelo não pode ser copiado e Falha com a mensagem do erro nos demais casos. Em sucesso
// marca a base como ativa nos ajustes (base1 ou base2).
ResultadoImportacao ImportaBaseExtra(BaseExtra base, const std::string& arquivo, Ajustes& ajustes, Dados& dados);

// Os consertos da linha de T_DEF_MUN e T_DEF_UF, que a carga roda antes de a linha virar registro: o
// código do rascunho que não passa no teste de inteiro vira "0".
void T_DEF_MUNBeforeInsert(Rascunho& rascunho);
void T_DEF_UFBeforeInsert(Rascunho& rascunho);

// Texto de conclusão: "Processo concluído.\r\rLinhas lidas: N\rRegistros incluídos: M\r"; com avisos,
// "Avisos: K\r" e os dez primeiros, um por linha.
std::string TextoConclusao(const ResultadoImportacao& resultado);
