#pragma once
// As áreas comparáveis entre as divisões de dois anos: grupos ligados de doadores e receptores das
// mudanças entre as duas datas, cuja borda de fora não mudou; qualquer variável somada sobre eles
// vale nos dois anos. Cada área leva o menor código de 7 dígitos dos seus membros, que não muda
// quando outra área muda.
#include "Aviso.h"
#include "DivisoesBrasil.h"
#include "MudancasBrasil.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Uma linha da lista: um município na divisão de um dos dois anos.
struct MembroArea {
    std::int32_t area = 0;
    int ano = 0;
    std::int32_t uf = 0;
    std::int32_t municipio = 0;
    std::int32_t codigo = 0;
    std::string nome;
};

// As linhas das duas divisões, em ordem de área, ano, UF e código.
std::vector<MembroArea> AreasComparaveis(const std::vector<MudancaBrasil>& tabela, const DivisoesBrasil& divisoes,
                                         int anoA, int anoB);

// A lista cairia sobre uma das tabelas do programa?
bool AreasSobreEntrada(const std::string& dirSistema, const std::string& saida);

// Grava a lista em "saida" (AREA;ANO;CD_UF;CD_MUN;COD_IBGE;MUN), inteira ou nada.
void GravaAreas(const std::vector<MembroArea>& membros, const std::string& saida);

// Lê uma lista gravada por GravaAreas; linha fora do formato levanta Falha com o arquivo e a linha.
std::vector<MembroArea> LeAreas(const std::string& caminho);

// A soma de uma base sobre as áreas: o nome é o do membro de maior POP1 na base.
struct SomaArea {
    std::int32_t area = 0;
    std::string nome;
    std::array<std::int64_t, 2> pops{};
};

struct SomaAreas {
    std::vector<SomaArea> areas;
    std::vector<Aviso> avisos; // da leitura da base e membros ausentes dela
    std::array<std::int64_t, 2> antes{};
    std::array<std::int64_t, 2> depois{};
};

// Soma a base (na divisão de "ano") sobre as áreas desse ano. Um código da base fora das áreas do ano,
// ou repetido, levanta Falha: a soma perderia ou contaria em dobro.
SomaAreas SomaSobreAreas(const std::vector<MembroArea>& membros, int ano, const std::string& original,
                         char separadorDecimal);

// Grava PASTA/NOME.CSV (AREA;NOME;POP1;POP2) e Morvisan.Avisos juntos.
void GravaSomaAreas(const SomaAreas& soma, const std::string& pasta, const std::string& nome);

// O resumo e o balanço, uma informação por linha.
std::string ResumoSomaAreas(const SomaAreas& soma, const std::string& pasta, const std::string& nome);
