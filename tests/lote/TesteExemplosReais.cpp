// Os dois exemplos reais de ponta a ponta pelo comando em lote: importar nomes e siglas, preparar a
// base de tradução pela tabela de mudanças do Brasil e traduzir.
#include "DivisoesBrasil.h"
#include "ExecutaLote.h"
#include "MudancasBrasil.h"
#include "NomeDoCaso.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

// CD_UF;CD_MUN -> POP1 de um resultado.
std::map<std::pair<int, int>, long long> Resultado(const std::string& caminho) {
    std::map<std::pair<int, int>, long long> pop;
    std::istringstream linhas(LeArquivo(caminho));
    std::string uf, sigla, municipio, nome, pop1, resto;
    while (std::getline(linhas, uf, ';') && std::getline(linhas, sigla, ';') && std::getline(linhas, municipio, ';') &&
           std::getline(linhas, nome, ';') && std::getline(linhas, pop1, ';') && std::getline(linhas, resto))
        pop[{std::stoi(uf), std::stoi(municipio)}] = std::stoll(pop1);
    return pop;
}

long long Total(const std::map<std::pair<int, int>, long long>& pop) {
    long long total = 0;
    for (const auto& [municipio, valor] : pop)
        total += valor;
    return total;
}

// Preparar e traduzir um exemplo real, com os nomes e as siglas de exemplos/ importados.
std::map<std::pair<int, int>, long long> Traduz(const SistemaLote& preparo, const std::string& base, const char* de,
                                                const char* ate) {
    const std::string exemplos = std::string(MORVISAN_EXEMPLOS) + "/";
    const std::string caminho = base.find('/') == std::string::npos ? exemplos + base : base;
    EXPECT_EQ(preparo.Roda({"importar", "municipios", exemplos + "municipios.csv"}).codigo, 0);
    EXPECT_EQ(preparo.Roda({"importar", "ufs", exemplos + "ufs.csv"}).codigo, 0);
    const SaidaLote preparada = preparo.Roda({"preparar", caminho, de, ate, preparo.pasta / "trad.csv"});
    EXPECT_EQ(preparada.codigo, 4) << preparada.erros;
    const SaidaLote traduzida =
        preparo.Roda({"traduzir", caminho, preparo.pasta / "trad.csv", preparo.pasta / "", "RES"});
    EXPECT_EQ(traduzida.codigo, 0) << traduzida.erros;
    EXPECT_NE(traduzida.normal.find("Sucesso total!"), std::string::npos) << traduzida.normal;
    return Resultado(preparo.pasta / "RES.CSV");
}

TEST(LotePrepararExemplos, Censo2010ParaADivisaoDe2013BateComOIbge) {
    SistemaLote preparo;
    const auto pop = Traduz(preparo, "censo-2010.csv", "2010", "2013");
    EXPECT_EQ(pop.size(), 5570u);
    EXPECT_EQ(Total(pop), 190755799);
    // A população de 2010 na malha de 2022 que o IBGE publicou.
    EXPECT_EQ(pop.at({15, 475}), 14775);  // Mojuí dos Campos
    EXPECT_EQ(pop.at({15, 680}), 279805); // Santarém
    EXPECT_EQ(pop.at({43, 1454}), 2619);  // Pinto Bandeira
    EXPECT_EQ(pop.at({43, 210}), 104659); // Bento Gonçalves
}

TEST(LotePrepararExemplos, Censo2000ParaADivisaoDe2010ComparadoAoAtlas) {
    SistemaLote preparo;
    const auto pop = Traduz(preparo, "censo-2000.csv", "2000", "2010");
    EXPECT_EQ(pop.size(), 5565u);
    EXPECT_EQ(Total(pop), 169799170);
    // Quem participou de alguma mudança de 2001 a 2009.
    std::set<std::pair<int, int>> mudou;
    for (const MudancaBrasil& m : LeMudancasBrasil(ArquivoMudancasBrasil(preparo.sistema)))
        if (m.data > 20000101 && m.data < 20100101)
            mudou.insert({{m.uf, m.doador}, {m.uf, m.receptor}});
    // O Atlas dá o Censo 2000 na malha de 2010: os ajustes de limites que nenhuma lista registra
    // ficam como diferença, quase toda em municípios que não mudaram.
    std::ifstream atlas(std::string(MORVISAN_FONTES) + "/atlas-malha2010.csv");
    std::string linha;
    std::getline(atlas, linha);
    int iguais = 0, diferentesSemMudanca = 0, diferentesComMudanca = 0;
    while (std::getline(atlas, linha)) {
        const std::pair<int, int> municipio{std::stoi(linha.substr(0, 2)), std::stoi(linha.substr(2, 4))};
        std::vector<std::string> campos;
        std::istringstream corte(linha);
        for (std::string campo; std::getline(corte, campo, ';');)
            campos.push_back(campo);
        if (pop.at(municipio) == std::stoll(campos.at(4)))
            ++iguais;
        else
            ++(mudou.count(municipio) ? diferentesComMudanca : diferentesSemMudanca);
    }
    EXPECT_EQ(iguais, 4696);
    EXPECT_EQ(diferentesSemMudanca, 857);
    EXPECT_EQ(diferentesComMudanca, 12);
}

// O Censo 2000 com o CD_MUN escrito como o IBGE o publica: 7 dígitos (1100015) ou 6 (110001).
std::string ComCodigosIbge(const std::string& base, std::size_t digitos) {
    const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(MORVISAN_DIR_SISTEMA));
    std::istringstream linhas(base);
    std::string convertida, uf, municipio, resto;
    while (std::getline(linhas, uf, ';') && std::getline(linhas, municipio, ';') && std::getline(linhas, resto)) {
        const MunicipioBrasil* m = divisoes.Municipio(std::stoi(uf), std::stoi(municipio), 2000);
        convertida += uf + ";" + std::to_string(m->codigo).substr(0, digitos) + ";" + resto + "\n";
    }
    return convertida;
}

struct CasoCodigos {
    const char* nome;
    std::size_t digitos;
};

class LoteCodigosIbge : public testing::TestWithParam<CasoCodigos> {};

TEST_P(LoteCodigosIbge, MesmaBaseDeTraducaoEMesmoResultado) {
    SistemaLote preparo;
    const std::string censo = std::string(MORVISAN_EXEMPLOS) + "/censo-2000.csv";
    preparo.pasta.Escreve("censo.csv", ComCodigosIbge(LeArquivo(censo), GetParam().digitos));
    for (const auto& [base, nome] : {std::pair{censo, std::string("4")}, {preparo.pasta / "censo.csv", "ibge"}}) {
        EXPECT_EQ(preparo.Roda({"preparar", base, "2000", "2010", preparo.pasta / ("trad-" + nome)}).codigo, 4);
        const SaidaLote traduzida =
            preparo.Roda({"traduzir", base, preparo.pasta / "trad-4", preparo.pasta / "", "RES" + nome});
        EXPECT_NE(traduzida.codigo, 1) << traduzida.erros;
    }
    EXPECT_EQ(preparo.pasta.Le("trad-ibge"), preparo.pasta.Le("trad-4"));
    EXPECT_EQ(preparo.pasta.Le("RESibge.CSV"), preparo.pasta.Le("RES4.CSV"));
    EXPECT_NE(preparo.pasta.Le("Morvisan.Avisos")
                  .find(";2;CD_MUN;c\xf3"
                        "digo do IBGE lido como CD_MUN;110002"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Casos, LoteCodigosIbge, testing::Values(CasoCodigos{"sete", 7}, CasoCodigos{"seis", 6}),
                         NomeDoCaso<CasoCodigos>);

// A base de 1991 na divisão de 1991: a população de 1991 do Atlas (malha de 2010), com cada receptor
// de 1993 a 2009 devolvido aos seus doadores pela medida de 1991 da tabela, do último par ao primeiro.
TEST(LotePrepararExemplos, BaseDe1991TraduzidaPara2010VoltaAoAtlas) {
    SistemaLote preparo;
    std::map<std::pair<int, int>, long long> atlas;
    std::ifstream fonte(std::string(MORVISAN_FONTES) + "/atlas-malha2010.csv");
    std::string linha;
    std::getline(fonte, linha);
    while (std::getline(fonte, linha)) {
        const std::size_t pop91 = linha.find(';', linha.find(';', linha.find(';') + 1) + 1) + 1;
        atlas[{std::stoi(linha.substr(0, 2)), std::stoi(linha.substr(2, 4))}] = std::stoll(linha.substr(pop91));
    }
    std::map<std::pair<int, int>, long long> base = atlas;
    const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(preparo.sistema));
    for (auto m = tabela.rbegin(); m != tabela.rend(); ++m)
        if (m->data < 20100101) {
            const std::int64_t movida = m->anoRef == 1991 ? *m->popMovida : *m->segunda->popMovida;
            base[{m->uf, m->doador}] += movida;
            base[{m->uf, m->receptor}] -= movida;
            base.erase({m->uf, m->receptor});
        }
    std::string texto;
    for (const auto& [municipio, pop] : base)
        texto += std::to_string(municipio.first) + ";" + std::to_string(municipio.second) + ";" + std::to_string(pop) +
                 ";" + std::to_string(pop) + "\r\n";
    preparo.pasta.Escreve("base-1991.csv", texto);
    const auto pop = Traduz(preparo, preparo.pasta / "base-1991.csv", "1991", "2010");
    int iguais = 0;
    for (const auto& [municipio, valor] : atlas)
        iguais += pop.at(municipio) == valor;
    EXPECT_GE(iguais, 5540);
    EXPECT_NEAR(pop.at({33, 285}), atlas.at({33, 285}), atlas.at({33, 285}) / 100);    // Mesquita
    EXPECT_NEAR(pop.at({29, 1955}), atlas.at({29, 1955}), atlas.at({29, 1955}) / 100); // Luís Eduardo Magalhães
}

// Os exemplos preparados em outros anos: a conferência e o resumo dizem o que falta.
struct CasoResumo {
    const char* nome;
    const char* base;
    const char* de;
    const char* ate;
    const char* saida; // no resumo
    const char* erros;
};

class LotePrepararResumo : public testing::TestWithParam<CasoResumo> {};

TEST_P(LotePrepararResumo, DizOQueFalta) {
    const CasoResumo& caso = GetParam();
    SistemaLote preparo;
    const SaidaLote saida = preparo.Roda(
        {"preparar", std::string(MORVISAN_EXEMPLOS) + "/" + caso.base, caso.de, caso.ate, preparo.pasta / "t.csv"});
    EXPECT_EQ(saida.codigo, 4);
    EXPECT_NE(saida.normal.find(caso.saida), std::string::npos) << saida.normal;
    EXPECT_NE(saida.erros.find(caso.erros), std::string::npos) << saida.erros;
}

const CasoResumo casosResumo[] = {
    {"censo_2000_como_se_fosse_de_2005", "censo-2000.csv", "2005", "2010",
     "57 ausente(s) da base, 0 fora da divis\xc3\xa3o e 0 repetido(s); a base parece estar na divis\xc3\xa3o de "
     "2000.",
     "UF 33, Mesquita (285): ausente da base\n"},
    {"ate_2025_sem_boa_esperanca", "censo-2010.csv", "2010", "2025",
     "7 mudan\xc3\xa7"
     "a(s); o resultado ficar\xc3\xa1 sem 1 munic\xc3\xadpio(s) da divis\xc3\xa3o de 2025 (Boa "
     "Esperan\xc3\xa7"
     "a do Norte).\n",
     "Boa Esperan\xc3\xa7"
     "a do Norte (183): deixado de fora"},
    {"ate_depois_da_ultima_mudanca", "censo-2010.csv", "2010", "2026", "da divis\xc3\xa3o de 2026 (Boa", "Sorriso"},
};

INSTANTIATE_TEST_SUITE_P(Casos, LotePrepararResumo, testing::ValuesIn(casosResumo), NomeDoCaso<CasoResumo>);

// Os nomes e as siglas de uma divisão, sem arquivo: "importar municipios|ufs --divisao ANO".
struct CasoDivisao {
    const char* nome;
    std::vector<std::string> argumentos;
    int codigo;
    const char* mensagem; // na saída (0) ou nos erros
};

class LoteImportarDivisao : public testing::TestWithParam<CasoDivisao> {};

TEST_P(LoteImportarDivisao, ImportaComoDeUmArquivo) {
    const CasoDivisao& caso = GetParam();
    SistemaLote preparo;
    const SaidaLote saida = preparo.Roda(caso.argumentos);
    EXPECT_EQ(saida.codigo, caso.codigo) << saida.erros;
    EXPECT_NE((caso.codigo == 0 ? saida.normal : saida.erros).find(caso.mensagem), std::string::npos)
        << saida.normal << saida.erros;
}

const CasoDivisao casosDivisao[] = {
    {"municipios_de_2013",
     {"importar", "municipios", "--divisao", "2013"},
     0,
     "Registros inclu\xc3\xad"
     "dos: 5570\n"},
    {"municipios_de_2026",
     {"importar", "municipios", "--divisao", "2026"},
     0,
     "Registros inclu\xc3\xad"
     "dos: 5571\n"},
    {"ufs_de_1991",
     {"importar", "ufs", "--divisao=1991"},
     0,
     "Registros inclu\xc3\xad"
     "dos: 27\n"},
    {"ano_sem_divisao",
     {"importar", "municipios", "--divisao", "1980"},
     2,
     "importar: O ano 1980 est\xc3\xa1 fora das divis\xc3\xb5"
     "es conhecidas (1991 a "},
};

INSTANTIATE_TEST_SUITE_P(Casos, LoteImportarDivisao, testing::ValuesIn(casosDivisao), NomeDoCaso<CasoDivisao>);

TEST(LoteImportarDivisao, UmaInstalacaoNovaTraduzComNomes) {
    SistemaLote preparo;
    EXPECT_EQ(preparo.Roda({"importar", "municipios", "--divisao", "2013"}).codigo, 0);
    EXPECT_EQ(preparo.Roda({"importar", "ufs", "--divisao", "2013"}).codigo, 0);
    const std::string censo = std::string(MORVISAN_EXEMPLOS) + "/censo-2010.csv";
    preparo.Roda({"preparar", censo, "2010", "2013", preparo.pasta / "trad.csv"});
    const SaidaLote traduzida =
        preparo.Roda({"traduzir", censo, preparo.pasta / "trad.csv", preparo.pasta / "", "RES"});
    EXPECT_NE(traduzida.normal.find("Sucesso total!"), std::string::npos) << traduzida.normal;
    EXPECT_NE(preparo.pasta.Le("RES.CSV").find("\r\n15;PA;680;Santar\xe9m;279805;"), std::string::npos);
}

} // namespace
