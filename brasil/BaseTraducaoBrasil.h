#pragma once
// "Preparar base de tradução do Brasil": lê a tabela de mudanças e a base original, calcula e grava
// a base de tradução SAIDA e o arquivo de avisos SAIDA.avisos. O comando em lote e a janela usam isto.
#include "PreparacaoBrasil.h"

#include <string>

struct PedidoPreparacao {
    std::string dirSistema;
    std::string original;
    int de = 0;
    int ate = 0;
    std::string saida;
    char separadorDecimal = ',';
};

// O arquivo de avisos que acompanha a base de tradução.
std::string ArquivoAvisos(const std::string& saida);

// SAIDA ou SAIDA.avisos cairia sobre a base original ou sobre a tabela de mudanças?
bool PreparacaoSobreEntrada(const PedidoPreparacao& pedido);

// Faz tudo com a tabela já lida. Nada é gravado antes de a base ter sido lida e a conta feita; as
// falhas (arquivo ilegível, anos que não servem, saída sobre uma entrada, pasta sem gravação) saem
// como Falha.
Preparacao PreparaBaseBrasil(const PedidoPreparacao& pedido, const std::vector<MudancaBrasil>& tabela);

// O resumo do que foi gravado, uma informação por linha.
std::string ResumoPreparacao(const PedidoPreparacao& pedido, const Preparacao& preparacao);
