// O código de município como o IBGE o publica (7 dígitos com verificador, ou 6 sem ele) lido pela
// leitura dos arquivos do usuário como o CD_MUN de 4 dígitos, com o aviso de cada caso.
#include "Aviso.h"
#include "LeituraDados.h"
#include "NomeDoCaso.h"
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

namespace {

struct CasoCodigo {
    const char* nome;
    const char* linha;
    const char* municipio; // o CD_MUN no rascunho depois da leitura
    const char* aviso;     // vazio: nenhum
};

class CodigoIbge : public testing::TestWithParam<CasoCodigo> {};

TEST_P(CodigoIbge, LidoComoCdMun) {
    const CasoCodigo& caso = GetParam();
    PastaTemporaria pasta;
    pasta.Escreve("nomes.csv", std::string(caso.linha) + "\r\n");
    std::string uf, municipio, nome;
    const RegrasCarga regras{
        {{"CD_UF", &uf, "0", true}, {"CD_MUN", &municipio, "0", true}, {"MUN", &nome, "", false}}, nullptr, nullptr};
    std::vector<Aviso> avisos;
    LeituraDados leitura(pasta / "nomes.csv", regras, avisos);
    ASSERT_TRUE(leitura.Proxima());
    leitura.Conserta();
    EXPECT_EQ(municipio, caso.municipio);
    if (std::string(caso.aviso).empty()) {
        EXPECT_TRUE(avisos.empty());
    } else {
        ASSERT_EQ(avisos.size(), 1u);
        EXPECT_EQ(avisos[0].campo, "CD_MUN");
        EXPECT_EQ(avisos[0].aviso, caso.aviso);
        EXPECT_EQ(avisos[0].texto, std::string(caso.linha).substr(3, avisos[0].texto.size()));
    }
}

const CasoCodigo casos[] = {
    {"quatro_digitos", "15;680;Santarem", "680", ""},
    {"sete_digitos", "15;1506807;Santarem", "680", Avisos::CodigoIbgeLido.c_str()},
    {"seis_digitos", "15;150680;Santarem", "680", Avisos::CodigoIbgeLido.c_str()},
    {"sete_com_brancos", "15; 1506807;Santarem", "680", Avisos::CodigoIbgeLido.c_str()},
    {"excecao_do_ibge", "22;2201919;Bom Principio do Piaui", "191", Avisos::CodigoIbgeLido.c_str()},
    {"verificador_errado", "15;1506808;Santarem", "1506808", Avisos::VerificadorErrado.c_str()},
    {"outra_uf", "16;1506807;Santarem", "1506807", ""},
    {"seis_de_outra_uf", "16;150680;Santarem", "150680", ""},
    {"cinco_digitos", "15;15068;Santarem", "15068", ""},
    {"oito_digitos", "15;15068070;Santarem", "15068070", ""},
    {"uf_invalida", "1x;1506807;Santarem", "1506807", ""},
};

INSTANTIATE_TEST_SUITE_P(Casos, CodigoIbge, testing::ValuesIn(casos), NomeDoCaso<CasoCodigo>);

} // namespace
