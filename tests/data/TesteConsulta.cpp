// Os comandos locais: cópias com junção na ordem do FROM, atualização de nulos, contagens e a leitura
// ordenada estável, sobre tabelas pequenas.
#include "ApoioMotor.h"
#include "Falha.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class TesteConsulta : public ::testing::Test {
protected:
    PastaComModelos modelos;
    Dados dados;

    Tabela& Abre(Tabela& tabela, const std::string& nome) {
        tabela.DefinePasta(modelos.Caminho());
        tabela.DefineNome(nome);
        tabela.Abre();
        return tabela;
    }
    void Executa(const std::string& sql) {
        dados.Q_BF_DESC.DefinePasta(modelos.Caminho());
        dados.Q_BF_DESC.LimpaSql();
        dados.Q_BF_DESC.AcrescentaSql(sql);
        dados.Q_BF_DESC.Executa();
    }
    std::vector<std::string> LinhasFinal() {
        std::vector<std::string> linhas;
        Tabela& final = dados.T_BF_DESC;
        for (final.Primeiro(); !final.Fim(); final.Proximo()) {
            std::string linha;
            for (int i = 0; i < final.NumeroCampos(); ++i)
                linha += (i ? "|" : "") + final.TextoCampo(i);
            linhas.push_back(linha);
        }
        return linhas;
    }
    void SetUp() override {
        Acrescenta(Abre(dados.T_BO_DESC, "Original.dbf"), {"CD_UF", "CD_MUN", "POP1", "POP2"},
                   {{"35", "30", "300", "310"},
                    {"11", "8", "80", "81"},
                    {"35", "10", "100", "110"},
                    {"12", "40", "400", "410"}});
        // Fora de ordem de propósito, e com índice (da localização) para tentar o planejador.
        Acrescenta(Abre(dados.T_DEF_MUN, "DEF_MUN.DBF"), {"CD_UF", "CD_MUN", "MUN"},
                   {{"35", "10", "Dez"}, {"11", "8", "Oito"}, {"35", "30", "Trinta"}, {"35", "30", "Trinta bis"}});
        Acrescenta(Abre(dados.T_DEF_UF, "DEF_UF.DBF"), {"CD_UF", "SG_UF"}, {{"35", "SP"}, {"11", "RO"}});
        dados.T_DEF_MUN.Localiza("CD_UF;CD_MUN", {35, 10});
        dados.T_DEF_UF.Localiza("CD_UF", {35});
        Abre(dados.T_BF_DESC, "FINAL.DBF");
    }
};

TEST_F(TesteConsulta, CopiaComAsDuasBasesSegueAOrdemDoFromELigacoesRepetidas) {
    Executa("insert into final select a.cd_uf,a.cd_mun,b.sg_uf,c.mun,a.pop1,a.pop2 from original as a, def_uf as b, "
            "def_mun as c where a.cd_uf = b.cd_uf and a.cd_uf = c.cd_uf and a.cd_mun = c.cd_mun;");
    EXPECT_EQ(LinhasFinal(), (std::vector<std::string>{"35|30|SP|Trinta|300|310", "35|30|SP|Trinta bis|300|310",
                                                       "11|8|RO|Oito|80|81", "35|10|SP|Dez|100|110"}));
    EXPECT_EQ(dados.T_BF_DESC.Registros(), 4);
}

TEST_F(TesteConsulta, CopiasParciaisDeixamNuloOQueNaoPreenchemEAtualizacaoPreenche) {
    Executa("insert into final ( cd_uf, cd_mun, mun, pop1, pop2 ) select a.cd_uf,a.cd_mun,b.mun,a.pop1,a.pop2 from "
            "original as a, def_mun as b where a.cd_uf  = b.cd_uf and a.cd_mun = b.cd_mun;");
    Executa("insert into final ( cd_uf, cd_mun, uf, pop1, pop2 ) select a.cd_uf,a.cd_mun,b.sg_uf,a.pop1,a.pop2 from "
            "original as a, def_uf as b where a.cd_uf  = b.cd_uf;");
    Executa("insert into final ( cd_uf, cd_mun , pop1, pop2) select * from original;");
    Executa("update final set UF=\"??\" where UF is null;");
    Executa("update final set MUN = \"<nome inexistente>\" where MUN is null;");
    EXPECT_EQ(LinhasFinal(),
              (std::vector<std::string>{"35|30|??|Trinta|300|310", "35|30|??|Trinta bis|300|310", "11|8|??|Oito|80|81",
                                        "35|10|??|Dez|100|110", "35|30|SP|<nome inexistente>|300|310",
                                        "11|8|RO|<nome inexistente>|80|81", "35|10|SP|<nome inexistente>|100|110",
                                        "35|30|??|<nome inexistente>|300|310", "11|8|??|<nome inexistente>|80|81",
                                        "35|10|??|<nome inexistente>|100|110", "12|40|??|<nome inexistente>|400|410"}));
}

TEST_F(TesteConsulta, ContagemPorNumeroEPorTexto) {
    Executa("insert into final ( cd_uf, cd_mun , pop1, pop2) select * from original;");
    Executa("update final set UF=\"??\" where UF is null;");
    Consulta& geral = dados.QGeral;
    geral.DefinePasta(modelos.Caminho());
    for (const auto& [sql, esperado] :
         std::vector<std::pair<std::string, double>>{{"select count(*) as Zerados from Final where CD_UF = 0;", 0},
                                                     {"select count(*) as Zerados from Final where UF = \"??\";", 4},
                                                     {"select count(*) as Zerados from Final where POP1 = 80;", 1}}) {
        geral.LimpaSql();
        geral.AcrescentaSql(sql);
        geral.Abre();
        EXPECT_EQ(geral.Numero("Zerados"), esperado) << sql;
        geral.Fecha();
    }
}

TEST_F(TesteConsulta, LeituraOrdenadaEEstavelComNulosPrimeiro) {
    Tabela& traducao = Abre(dados.T_BT_DESC, "Morvisan.dbf");
    Acrescenta(traducao, {"CD_UF", "DATA", "SIT_DOA", "SIT_REC", "POP"},
               {{"35", "20130101", "B", "_", "1"},
                {"11", "20130101", "A", "_", "2"},
                {"35", "20120101", "B", "_", "3"},
                {"35", "20130101", "", "_", "4"},
                {"35", "20130101", "B", "_", "5"},
                {"35", "20130101", "A", "_", "6"}});
    Consulta& ordem = dados.Q_BT_DESC;
    ordem.DefinePasta(modelos.Caminho());
    ordem.LimpaSql();
    ordem.AcrescentaSql("select * from morvisan order by CD_UF,DATA,SIT_DOA,SIT_REC;");
    ordem.Abre();
    std::vector<int> pops;
    for (ordem.Primeiro(); !ordem.Fim(); ordem.Proximo())
        pops.push_back(ordem.Inteiro("POP"));
    EXPECT_EQ(pops, (std::vector<int>{2, 3, 4, 6, 1, 5}));
    EXPECT_EQ(ordem.Registros(), 6);
}

TEST_F(TesteConsulta, TabelaQueNenhumObjetoAbriuEAbertaParaOComandoEGravada) {
    dados.T_BF_DESC.Fecha();
    Executa("insert into FINAL ( cd_uf, cd_mun , pop1, pop2) select * from ORIGINAL;");
    dados.T_BO_DESC.Fecha();
    Motor outro;
    Tabela releitura(outro);
    releitura.DefinePasta(modelos.Caminho());
    releitura.DefineNome("FINAL.DBF");
    releitura.Abre();
    EXPECT_EQ(releitura.Registros(), 4);
}

TEST_F(TesteConsulta, ComandosRecusadosFalhamComMensagemENadaMudam) {
    for (const std::string sql :
         {"select * from inexistente;", "insert into final selec lixo;", "",
          "update final set UF=\"?? where UF is null;", "select nada from final;", "delete from final;"}) {
        dados.Q_BF_DESC.DefinePasta(modelos.Caminho());
        dados.Q_BF_DESC.LimpaSql();
        dados.Q_BF_DESC.AcrescentaSql(sql);
        EXPECT_THROW(sql.rfind("select", 0) == 0 ? dados.Q_BF_DESC.Abre() : dados.Q_BF_DESC.Executa(), Falha) << sql;
    }
    EXPECT_EQ(dados.T_BF_DESC.Registros(), 0);
}

struct CasoComando {
    const char* nome;
    std::vector<std::string> antes; // comandos que mudam linhas, rodados primeiro
    std::string consulta;
    std::vector<std::string> colunas; // lidas de cada linha do resultado, pelo nome
    std::vector<std::string> linhas;  // "valor|valor" por linha
    std::string falha;                // quando a consulta é recusada: a mensagem
};

class ComandoDoDialeto : public TesteConsulta, public testing::WithParamInterface<CasoComando> {};

TEST_P(ComandoDoDialeto, ResultadoOuRecusaComMensagem) {
    const CasoComando& caso = GetParam();
    for (const std::string& comando : caso.antes)
        Executa(comando);
    const int antes = dados.T_BF_DESC.Registros();
    Consulta& geral = dados.QGeral;
    geral.DefinePasta(modelos.Caminho());
    geral.LimpaSql();
    geral.AcrescentaSql(caso.consulta);
    if (!caso.falha.empty()) {
        try {
            caso.consulta.rfind("select", 0) == 0 ? geral.Abre() : geral.Executa();
            ADD_FAILURE() << "devia recusar";
        } catch (const Falha& falha) {
            EXPECT_EQ(std::string(falha.what()), caso.falha);
        }
        EXPECT_EQ(dados.T_BF_DESC.Registros(), antes) << "comando recusado n\xe3o inclui nada";
        return;
    }
    geral.Abre();
    std::vector<std::string> linhas;
    for (geral.Primeiro(); !geral.Fim(); geral.Proximo()) {
        std::string linha;
        for (std::size_t i = 0; i < caso.colunas.size(); ++i)
            linha += (i ? "|" : "") + geral.Texto(caso.colunas[i]);
        linhas.push_back(linha);
    }
    EXPECT_EQ(linhas, caso.linhas);
}

const std::string copiaSemExtras = "insert into final ( cd_uf, cd_mun , pop1, pop2) select * from original;";

const CasoComando casosComando[] = {
    {"soma_de_inteiros", {}, "select sum(POP1) as P1, sum(POP2) as P2 from original;", {"P1", "P2"}, {"880|911"}, ""},
    {"soma_sem_linhas_e_nula_e_contagem_zero",
     {},
     "select sum(POP1) as P1, count(*) as N from final;",
     {"P1", "N"},
     {"|0"},
     ""},
    {"texto_que_escreve_numero_contra_coluna_numerica",
     {},
     "select count(*) as N from original where CD_UF = \"35\";",
     {"N"},
     {"2"},
     ""},
    {"numero_contra_coluna_de_texto_vale_pelo_texto",
     {copiaSemExtras, "update final set UF = 35 where CD_UF = 35;"},
     "select count(*) as N from final where UF = 35;",
     {"N"},
     {"2"},
     ""},
    {"nulo_e_nao_nulo",
     {copiaSemExtras, "update final set MUN = \"X\" where CD_MUN = 8;"},
     "select CD_MUN from final where MUN is not null and UF is null;",
     {"CD_MUN"},
     {"8"},
     ""},
    {"ordem_com_empates_na_ordem_da_tabela",
     {},
     "select * from def_mun order by CD_UF;",
     {"CD_UF", "MUN"},
     {"11|Oito", "35|Dez", "35|Trinta", "35|Trinta bis"},
     ""},
    {"juncao_de_coluna_de_texto_com_coluna_numerica",
     {copiaSemExtras, "update final set UF = \" 35\" where CD_MUN = 30;",
      "update final set UF = \"11\" where CD_MUN = 8;"},
     "select f.CD_MUN, u.SG_UF from final as f, def_uf as u where f.UF = u.CD_UF;",
     {"CD_MUN", "SG_UF"},
     {"30|SP", "8|RO"},
     ""},
    {"coluna_desconhecida", {}, "select nada from final;", {}, {}, "Erro no comando SQL: coluna desconhecida: nada"},
    {"coluna_ambigua",
     {},
     "select cd_uf from original as a, def_uf as b;",
     {},
     {},
     "Erro no comando SQL: coluna amb\xedgua: cd_uf"},
    {"inclusao_com_valores_de_menos",
     {},
     "insert into final select * from def_uf;",
     {},
     {},
     "Erro no comando SQL: a inclus\xe3o em final espera 6 valores e a sele\xe7\xe3o d\xe1 2"},
    {"ou_fora_do_dialeto",
     {},
     "select * from final where UF = \"a\" or UF = \"b\";",
     {},
     {},
     "Erro no comando SQL perto de \"or\": select * from final where UF = \"a\" or UF = \"b\";"},
    {"dois_comandos",
     {},
     "select * from final; select * from original;",
     {},
     {},
     "Erro no comando SQL: mais de um comando num texto s\xf3."},
    {"verbo_fora_do_dialeto", {}, "delete from final;", {}, {}, "Comando SQL n\xe3o suportado: delete from final;"},
};

INSTANTIATE_TEST_SUITE_P(Casos, ComandoDoDialeto, testing::ValuesIn(casosComando),
                         [](const auto& caso) { return std::string(caso.param.nome); });

// A tabela que falta é dita com a pasta e o arquivo; um comando sem pasta (a abertura das tabelas de
// trabalho falhou antes) procura na pasta corrente, e é ela que a mensagem diz.
TEST_F(TesteConsulta, TabelaQueFaltaNomeiaPastaEArquivo) {
    for (const std::string& pasta : {modelos.Caminho(), std::string()}) {
        dados.QGeral.DefinePasta(pasta);
        dados.QGeral.LimpaSql();
        dados.QGeral.AcrescentaSql("select count(*) as Zerados from Inexistente;");
        const std::string onde = pasta.empty() ? std::filesystem::current_path().string() + "/" : pasta;
        try {
            dados.QGeral.Abre();
            ADD_FAILURE() << "devia falhar";
        } catch (const Falha& falha) {
            EXPECT_EQ(std::string(falha.what()), "Tabela n\xe3o encontrada: " + onde + "Inexistente.dbf");
        }
    }
}

} // namespace
