// As operações da rodada sobre tabelas pequenas, fora de ordem de propósito: a ordem das linhas que
// cada uma deixa (cópia na ordem da original, parceiras na ordem dada, ordenação estável com nulos
// primeiro), as contagens e somas, e a coluna que falta.
#include "ApoioMotor.h"
#include "Falha.h"
#include "Operacoes.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class TesteOperacoes : public ::testing::Test {
public:
    PastaComModelos modelos;
    Dados dados;

    Tabela& Abre(Tabela& tabela, const std::string& nome) {
        tabela.DefinePasta(modelos.Caminho());
        tabela.DefineNome(nome);
        tabela.Abre();
        return tabela;
    }
    std::vector<std::string> Linhas(Tabela& tabela) {
        std::vector<std::string> linhas;
        for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo()) {
            std::string linha;
            for (int i = 0; i < tabela.NumeroCampos(); ++i)
                linha += (i ? "|" : "") + tabela.TextoCampo(i);
            linhas.push_back(linha);
        }
        return linhas;
    }
    void Copia(std::vector<Parceira> parceiras) {
        CopiaComParceiras(dados.T_BF_DESC.Carregada(), dados.T_BO_DESC.Carregada(), {"CD_UF", "CD_MUN", "POP1", "POP2"},
                          parceiras);
    }
    Parceira Siglas() { return {&dados.T_DEF_UF.Carregada(), {"CD_UF"}, "SG_UF", "UF"}; }
    Parceira Nomes() { return {&dados.T_DEF_MUN.Carregada(), {"CD_UF", "CD_MUN"}, "MUN", "MUN"}; }
    void SetUp() override {
        Acrescenta(Abre(dados.T_BO_DESC, "Original.dbf"), {"CD_UF", "CD_MUN", "POP1", "POP2"},
                   {{"35", "30", "300", "310"},
                    {"11", "8", "80", "81"},
                    {"35", "10", "100", "110"},
                    {"12", "40", "400", "410"}});
        // Com índice já feito pela localização, que a cópia reaproveita sem mudar a ordem.
        Acrescenta(Abre(dados.T_DEF_MUN, "DEF_MUN.DBF"), {"CD_UF", "CD_MUN", "MUN"},
                   {{"35", "10", "Dez"}, {"11", "8", "Oito"}, {"35", "30", "Trinta"}, {"35", "30", "Trinta bis"}});
        Acrescenta(Abre(dados.T_DEF_UF, "DEF_UF.DBF"), {"CD_UF", "SG_UF"}, {{"35", "SP"}, {"11", "RO"}});
        dados.T_DEF_MUN.Localiza("CD_UF;CD_MUN", {35, 10});
        Abre(dados.T_BF_DESC, "FINAL.DBF");
    }
};

struct CasoOrdem {
    const char* nome;
    std::function<void(TesteOperacoes&)> opera;
    std::vector<std::string> linhas; // da base final depois da operação
};

class OrdemDasLinhas : public TesteOperacoes, public testing::WithParamInterface<CasoOrdem> {};

TEST_P(OrdemDasLinhas, DaBaseFinal) {
    GetParam().opera(*this);
    EXPECT_EQ(Linhas(dados.T_BF_DESC), GetParam().linhas);
}

const CasoOrdem casosOrdem[] = {
    {"sem_parceiras_copia_na_ordem_da_original",
     [](TesteOperacoes& t) { t.Copia({}); },
     {"35|30|||300|310", "11|8|||80|81", "35|10|||100|110", "12|40|||400|410"}},
    {"duas_parceiras_na_ordem_dada_e_repetidas_por_parceiro",
     [](TesteOperacoes& t) {
         t.Copia({t.Siglas(), t.Nomes()});
     },
     {"35|30|SP|Trinta|300|310", "35|30|SP|Trinta bis|300|310", "11|8|RO|Oito|80|81", "35|10|SP|Dez|100|110"}},
    {"sem_parceiro_fica_de_fora_e_nulos_preenchidos_no_lugar",
     [](TesteOperacoes& t) {
         t.Copia({t.Siglas()});
         t.Copia({t.Nomes()});
         EXPECT_EQ(PreencheNulos(t.dados.T_BF_DESC.Carregada(), "UF", "??"), 4);
         EXPECT_EQ(PreencheNulos(t.dados.T_BF_DESC.Carregada(), "mun", "<nome inexistente>"), 3);
     },
     {"35|30|SP|<nome inexistente>|300|310", "11|8|RO|<nome inexistente>|80|81", "35|10|SP|<nome inexistente>|100|110",
      "35|30|??|Trinta|300|310", "35|30|??|Trinta bis|300|310", "11|8|??|Oito|80|81", "35|10|??|Dez|100|110"}},
};

INSTANTIATE_TEST_SUITE_P(Casos, OrdemDasLinhas, testing::ValuesIn(casosOrdem),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(TesteOperacoes, OrdemEstavelComNulosAntesDeNumeroEEmpatesNaOrdemDaTabela) {
    Tabela& traducao = Abre(dados.T_BT_DESC, "Morvisan.dbf");
    Acrescenta(traducao, {"CD_UF", "DATA", "SIT_DOA", "SIT_REC", "POP"},
               {{"35", "20130101", "B", "_", "1"},
                {"11", "20130101", "A", "_", "2"},
                {"35", "20120101", "B", "_", "3"},
                {"35", "20130101", "", "_", "4"},
                {"35", "20130101", "B", "_", "5"},
                {"35", "20130101", "A", "_", "6"},
                {"", "20130101", "A", "_", "7"}});
    EXPECT_EQ(OrdemEstavel(traducao.Carregada(), {"CD_UF", "DATA", "SIT_DOA", "SIT_REC"}),
              (std::vector<int>{6, 1, 2, 3, 5, 0, 4}));
}

TEST_F(TesteOperacoes, TotalizaContaPorNumeroEPorTextoESomaNumaPassada) {
    Copia({Siglas()});
    Tabela& final = dados.T_BF_DESC;
    final.VaiPara(2);
    final.Edita();
    final.DefineInteiro("POP1", -5);
    final.Posta();
    const Totais totais = Totaliza(final.Carregada(),
                                   {{"CD_UF", {Valor::Tipo::Inteiro, 35, 0, {}}},
                                    {"UF", {Valor::Tipo::Texto, 0, 0, "SP"}},
                                    {"CD_UF", {Valor::Tipo::Texto, 0, 0, " 11"}},
                                    {"MUN", {Valor::Tipo::Texto, 0, 0, ""}}},
                                   {"POP1", "POP2"});
    EXPECT_EQ(totais.iguais, (std::vector<std::int64_t>{2, 2, 1, 0}));
    EXPECT_EQ(totais.negativos, (std::vector<std::int64_t>{1, 0}));
    EXPECT_EQ(totais.somas[0].inteiro, 300 - 5 + 100);
    EXPECT_EQ(totais.somas[1].inteiro, 310 + 81 + 110);
    // Sem registros a soma é nula, e a verificação a lê como 0.
    EXPECT_EQ(Totaliza(Abre(dados.T_BT_DESC, "Morvisan.dbf").Carregada(), {}, {"POP"}).somas[0].tipo,
              Valor::Tipo::Nulo);
}

TEST_F(TesteOperacoes, ColunaQueFaltaFalhaSemIncluirNada) {
    EXPECT_THROW(CopiaComParceiras(dados.T_BF_DESC.Carregada(), dados.T_BO_DESC.Carregada(), {"CD_UF", "NADA"}, {}),
                 Falha);
    EXPECT_THROW(OrdemEstavel(dados.T_BO_DESC.Carregada(), {"NADA"}), Falha);
    EXPECT_EQ(dados.T_BF_DESC.Registros(), 0);
}

} // namespace
