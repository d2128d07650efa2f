#pragma once
// Uma rodada de teste completa: pasta de programa com Bases0, arquivos de entrada, pasta de saída,
// ajustes, objetos de dados, a face gravadora e o processamento.
#include "NomeDoCaso.h"
#include "PainelGravador.h"
#include "PastaTemporaria.h"
#include "Processamento.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct RodadaTeste {
    explicit RodadaTeste(char separadorDecimal = '.');

    // Conteúdo exato (bytes) dos dois arquivos de entrada.
    void Original(const std::string& bytes) const;
    void Traducao(const std::string& bytes) const;
    // Linhas terminadas em CR LF.
    static std::string Linhas(const std::vector<std::string>& linhas);
    // Importa as bases extras para Bases1 (ficam ativas).
    void Municipios(const std::vector<std::string>& linhas);
    void Ufs(const std::vector<std::string>& linhas);
    // Bases extras (lista vazia: base inativa) e as duas entradas, linha a linha.
    void Prepara(const std::vector<std::string>& municipios, const std::vector<std::string>& ufs,
                 const std::vector<std::string>& original, const std::vector<std::string>& traducao);

    // Os passos até a base de tradução carregada, até a base final montada, até a transferência.
    void Carrega();
    void MontaFinal();
    void Traduz();

    // Registros de uma tabela de trabalho aberta, campos separados por "|".
    static std::vector<std::string> Registros(Tabela& tabela);
    std::string Saida(const std::string& nome) const;

    PastaTemporaria pasta;
    Ajustes ajustes;
    Dados dados;
    PainelGravador painel;
    Processamento processamento{ajustes, dados, painel};
};
