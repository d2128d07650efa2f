// Os arquivos como as planilhas os deixam, pelo comando em lote: o que não muda número nenhum dá o
// resultado do arquivo limpo byte a byte e saída 0; o que muda ou perde um valor sai 4 com o aviso em
// Morvisan.Avisos, ou 1 sem resultado gravado quando a mudança não pode ser aplicada.
#include "ExecutaLote.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Qual arquivo do exemplo pequeno o caso troca; os outros ficam os limpos.
enum class Alvo { Original, Traducao, Municipios, Ufs };

struct CasoVariante {
    const char* nome;
    Alvo alvo;
    int codigo;          // do importar, quando o alvo é uma base extra (a rodada depois sai com 0)
    std::string naSaida; // trecho da saída normal ou de erro
    std::string avisos;  // Morvisan.Avisos depois do cabeçalho
    std::string bytes;
};

const char* Limpo(Alvo alvo) {
    static const char* nomes[] = {"original.csv", "traducao.csv", "municipios.csv", "ufs.csv"};
    return nomes[static_cast<int>(alvo)];
}

class LoteVariantes : public testing::TestWithParam<CasoVariante> {};

TEST_P(LoteVariantes, CodigoAvisosEResultado) {
    const CasoVariante& caso = GetParam();
    SistemaLote lote;
    const std::string saida = lote.pasta / "saida/";
    std::filesystem::create_directories(saida);
    for (Alvo alvo : {Alvo::Original, Alvo::Traducao, Alvo::Municipios, Alvo::Ufs})
        lote.pasta.CopiaDado(std::string("rodada/") + Limpo(alvo));
    ASSERT_EQ(lote.Roda({"importar", "municipios", lote.pasta / "municipios.csv"}).codigo, 0);
    ASSERT_EQ(lote.Roda({"importar", "ufs", lote.pasta / "ufs.csv"}).codigo, 0);
    lote.pasta.Escreve("variante.csv", caso.bytes);
    std::string original = lote.pasta / "original.csv", traducao = lote.pasta / "traducao.csv", mensagens;
    const bool extra = caso.alvo == Alvo::Municipios || caso.alvo == Alvo::Ufs;
    if (extra) {
        const SaidaLote importa =
            lote.Roda({"importar", caso.alvo == Alvo::Ufs ? "ufs" : "municipios", lote.pasta / "variante.csv"});
        EXPECT_EQ(importa.codigo, caso.codigo) << importa.erros;
        mensagens = importa.normal + importa.erros;
    } else {
        (caso.alvo == Alvo::Original ? original : traducao) = lote.pasta / "variante.csv";
    }
    const SaidaLote rodada = lote.Roda({"traduzir", original, traducao, saida, "RES"});
    const int codigo = extra ? 0 : caso.codigo;
    mensagens += rodada.normal + rodada.erros;
    EXPECT_EQ(rodada.codigo, codigo) << mensagens;
    EXPECT_NE(mensagens.find(caso.naSaida), std::string::npos) << mensagens;
    // Sucesso total só com saída 0; nada gravado depois de uma parada.
    EXPECT_EQ(rodada.normal.find("Sucesso total!") != std::string::npos, codigo == 0) << rodada.normal;
    if (codigo == 1) {
        EXPECT_TRUE(std::filesystem::is_empty(saida));
        return;
    }
    EXPECT_EQ(lote.pasta.Le("saida/Morvisan.Avisos"), "ARQUIVO;LINHA;CAMPO;AVISO;TEXTO\r\n" + caso.avisos);
    // O que não mudou número nenhum (ou a importação recusada) dá o resultado limpo, byte a byte.
    if (caso.codigo == 0 || (extra && caso.codigo == 1))
        for (const char* arquivo : {"RES.CSV", "comp.CSV", "Morvisan.Log"}) {
            const std::string esperado = std::string(MORVISAN_DADOS_TESTE) + "/rodada/esperado/" + arquivo;
            EXPECT_EQ(lote.pasta.Le(std::string("saida/") + arquivo), LeArquivo(esperado)) << arquivo;
        }
}

// O exemplo limpo: original.csv com 6 municípios, traducao.csv com 5 mudanças (a 3ª com "*").
const std::string Original = "11;8;950;990\r\n11;13;2000;1000\r\n12;40;3000;3001\r\n";
const std::string OriginalFim = "15;680;5000;5100\r\n43;210;2;7\r\n35;5030;100;100\r\n";
const std::string Traducao = "11;1;13;2;99;500;20130101;\r\n12;1;40;2;41;1000;20130101;\r\n";
const std::string Ufs = "11;RO\r\n12;AC\r\n15;PA\r\n35;SP\r\n43;RS\r\n";
const std::string Para = "variante.csv, linha ";

const CasoVariante casos[] = {
    {"sete_campos_sem_ponto_e_virgula_final", Alvo::Traducao, 0, "Sucesso total!", "",
     "11;1;13;2;99;500;20130101\r\n12;1;40;2;41;1000;20130101\r\n15;1;680;2;475;1250;20130101;*\r\n"
     "43;1;210;2;1454;1;20130101\r\n15;1;475;3;476;250;20140101\r\n"},
    {"titulos_milhares_e_linhas_em_branco_so_notas", Alvo::Original, 0, "4 nota(s) da leitura -> veja Morvisan.Avisos",
     "variante.csv;1;;linha de t\xEDtulos pulada;Censo 2010\r\n"
     "variante.csv;2;;linha de t\xEDtulos pulada;CD_UF;CD_MUN;POP1;POP2\r\n"
     "variante.csv;7;POP1;separador de milhar lido;5.000\r\nvariante.csv;7;POP2;separador de milhar lido;5.100\r\n",
     "Censo 2010\r\nCD_UF;CD_MUN;POP1;POP2\r\n;;;\r\n" + Original + "15;680;5.000;5.100\r\n 43;210;2;7\r\n;;;;\r\n" +
         "35;5030;100;100\r\n"},
    {"pop2_com_zeros_a_esquerda_lido_inteiro", Alvo::Original, 0, "", "",
     "11;8;950;0000000000990\r\n11;13;2000;1000\r\n12;40;3000;3001\r\n" + OriginalFim},
    {"original_sem_pop2", Alvo::Original, 4, "1 aviso(s) da leitura", "variante.csv;4;POP2;campo ausente;\r\n",
     Original + "15;680;5000\r\n43;210;2;7\r\n35;5030;100;100\r\n"},
    {"linha_com_tabulacoes_sem_ponto_e_virgula", Alvo::Original, 4, "",
     "variante.csv;4;;linha sem ; pulada;15\t680\t5000\t5100\r\n", Original + "15\t680\t5000\t5100\r\n43;210;2;7\r\n"},
    {"ctrl_z_com_linhas_depois", Alvo::Original, 4, "", "variante.csv;4;;lido at\xE9 o Ctrl-Z;3\r\n",
     Original + "\x1a" + OriginalFim},
    {"municipio_repetido", Alvo::Original, 4, "", "variante.csv;7;CD_MUN;repetido na base original;13\r\n",
     Original + OriginalFim + "11;13;2000;1000\r\n"},
    {"doador_fica_negativo", Alvo::Traducao, 4,
     "1 Popula\xC3\xA7\xC3\xA3o(\xC3\xB5"
     "es) real(is) negativa(s).\n"
     "-> a base de tradu\xC3\xA7\xC3\xA3o tira do doador mais do que ele tem",
     "",
     Traducao + "15;1;680;2;475;1250;20130101;*\r\n43;1;210;2;1454;3;20130101;\r\n15;1;475;3;476;250;20140101;\r\n"},
    {"populacao_decimal_na_traducao_para", Alvo::Traducao, 1,
     Para + "3, campo POP: '1250,5' n\xC3\xA3o \xC3\xA9 um n\xC3\xBAmero inteiro v\xC3\xA1lido.", "",
     Traducao + "15;1;680;2;475;1250,5;20130101;*\r\n"},
    {"letra_na_data_para", Alvo::Traducao, 1, Para + "3, campo DATA: '2013010l'", "",
     Traducao + "15;1;680;2;475;1250;2013010l;*\r\n"},
    {"situacao_vazia_para", Alvo::Traducao, 1, Para + "1, campo SIT_DOA: campo vazio.", "",
     "11;;13;2;99;500;20130101;\r\n"},
    {"sigla_longa_cortada", Alvo::Ufs, 4, "linha 1, SG_UF: cortado 'Rond\xC3\xB4nia'", "",
     "11;Rond\xF4nia\r\n" + Ufs.substr(7)},
    // Bytes que parecem UTF-8 num arquivo Windows-1252 saem no terminal como os caracteres de lá.
    {"titulo_windows_1252_no_terminal_byte_a_byte", Alvo::Ufs, 0,
     "linha 1: linha de t\xC3\xADtulos pulada 'C\xC3\x83\xC2\xB3"
     "digo;Sigla \xE2\x82\xAC'",
     "",
     "C\xC3\xB3"
     "digo;Sigla \x80\r\n" +
         Ufs},
    {"nomes_vazios_recusados", Alvo::Municipios, 1, "variante.csv: nenhuma linha de dados.", "", ""},
    {"nomes_so_com_a_marca_recusados", Alvo::Municipios, 1, "variante.csv: nenhuma linha de dados.", "",
     "\xEF\xBB\xBF"},
};

INSTANTIATE_TEST_SUITE_P(Planilhas, LoteVariantes, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<CasoVariante>& caso) { return caso.param.nome; });

} // namespace
