// O nome de um arquivo acentuado: nos avisos gravados em Windows-1252 como o resto da linha, no
// terminal UTF-8 uma vez convertido, venha o nome do disco em UTF-8 ou em Latin-1.
#include "ExecutaLote.h"
#include "NomeDoCaso.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Onde vai a linha do caso: no fim da base original do exemplo pequeno ou numa base com a divisão de
// 2008 inteira.
enum class Base { Rodada, Divisao2008 };

struct CasoNome {
    const char* nome;
    std::string arquivo; // como o disco o guarda
    Base base;
    std::string linha;
    std::vector<std::string> argumentos; // {A} é o arquivo, {P} a pasta de teste
    int codigo;
    std::string naTela;  // trecho da saída normal ou de erros, em UTF-8
    std::string gravado; // arquivo de avisos; vazio: a rodada parou e nada foi gravado
    std::string avisos;  // trecho dele, em Windows-1252
};
void PrintTo(const CasoNome& caso, std::ostream* saida) {
    *saida << caso.nome;
}

class LoteNomeArquivo : public testing::TestWithParam<CasoNome> {};

TEST_P(LoteNomeArquivo, AvisosEmWindows1252ETelaEmUtf8) {
    const CasoNome& caso = GetParam();
    SistemaLote lote;
    std::filesystem::create_directories(lote.pasta / "saida");
    lote.pasta.CopiaDado("rodada/original.csv");
    lote.pasta.CopiaDado("rodada/traducao.csv");
    const std::string linha = caso.linha + "\r\n";
    lote.pasta.Escreve(caso.arquivo, caso.base == Base::Rodada ? lote.pasta.Le("original.csv") + linha
                                                               : ComDivisaoInteira(linha, 2008));
    const SaidaLote saida =
        lote.Roda(ComMarcas(caso.argumentos, {{"{A}", lote.pasta / caso.arquivo}, {"{P}", lote.pasta.Caminho()}}));
    EXPECT_EQ(saida.codigo, caso.codigo) << saida.erros;
    EXPECT_NE((saida.normal + saida.erros).find(caso.naTela), std::string::npos) << saida.normal << saida.erros;
    if (caso.gravado.empty())
        EXPECT_TRUE(std::filesystem::is_empty(lote.pasta / "saida"));
    else
        EXPECT_NE(lote.pasta.Le(caso.gravado).find(caso.avisos), std::string::npos) << lote.pasta.Le(caso.gravado);
}

const std::vector<std::string> Traduzir = {"traduzir", "{A}", "{P}traducao.csv", "{P}saida", "RES"};
const std::vector<std::string> Preparar = {"preparar", "{A}", "2008", "2009", "{P}saida/trad.csv"};

const CasoNome casos[] = {
    {"traduzir_nome_utf8", "Popula\xc3\xa7\xc3\xa3o.csv", Base::Rodada, "35;1;abc;5", Traduzir, 4,
     "1 aviso(s) da leitura", "saida/Morvisan.Avisos", "\r\nPopula\xe7\xe3o.csv;7;POP1;trocado por 0;abc\r\n"},
    {"traduzir_fora_da_pagina_vira_interrogacao",
     "\xc5\x9e"
     "anl\xc4\xb1urfa.csv",
     Base::Rodada, "35;1;abc;5", Traduzir, 4, "1 aviso(s) da leitura", "saida/Morvisan.Avisos",
     "\r\n?anl?urfa.csv;7;POP1;trocado por 0;abc\r\n"},
    {"traduzir_parada_na_tela", "Popula\xc3\xa7\xc3\xa3o.csv", Base::Rodada, "35;1;5000 ;7000", Traduzir, 1,
     "Popula\xc3\xa7\xc3\xa3o.csv, linha 7, campo POP1: '5000 ' n\xc3\xa3o \xc3\xa9 um", "", ""},
    {"preparar_nome_utf8", "Popula\xc3\xa7\xc3\xa3o.csv", Base::Divisao2008, "22;1100;715360;x", Preparar, 4,
     "Popula\xc3\xa7\xc3\xa3o.csv, linha 1, campo POP2: trocado por 0 'x'\n", "saida/trad.csv.avisos",
     ";Popula\xe7\xe3o.csv, linha 1, campo POP2: trocado por 0 'x'\r\n"},
    // Um nome que não é UTF-8 já é Windows-1252: fica como está e o terminal o converte.
    {"preparar_nome_latin1", "Popula\xe7\xe3o.csv", Base::Divisao2008, "22;1100;715360;x", Preparar, 4,
     "Popula\xc3\xa7\xc3\xa3o.csv, linha 1, campo POP2: trocado por 0 'x'\n", "saida/trad.csv.avisos",
     ";Popula\xe7\xe3o.csv, linha 1, campo POP2: trocado por 0 'x'\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Nomes, LoteNomeArquivo, testing::ValuesIn(casos), NomeDoCaso<CasoNome>);

} // namespace
