#include "MudancasBrasil.h"

#include "TabelaBrasil.h"
#include "Texto.h"

namespace {

const FormatoTabelaBrasil Formato{"tabela de mudan\xe7"
                                  "as",
                                  {"DATA", "CD_UF", "CD_MUND", "COD_DOADOR", "DOADOR", "CD_MUNR", "COD_RECEPTOR",
                                   "RECEPTOR", "ANO_REF", "POP_DOADOR", "POP_MOVIDA", "METODO", "ORIGEM", "ANO_REF_2",
                                   "POP_DOADOR_2", "POP_MOVIDA_2", "METODO_2", "ORIGEM_2", "TEXTO_IBGE"}};
enum Coluna {
    DATA,
    CD_UF,
    CD_MUND,
    COD_DOADOR,
    DOADOR,
    CD_MUNR,
    COD_RECEPTOR,
    RECEPTOR,
    ANO_REF,
    POP_DOADOR,
    POP_MOVIDA,
    METODO,
    ORIGEM,
    ANO_REF_2
};
// As colunas da medida contam a partir do ANO_REF (ou do ANO_REF_2).
enum ColunaMedida { ANO, DOADOR_NA_REFERENCIA, MOVIDA, METODO_DA_MEDIDA, ORIGEM_DA_MEDIDA };

// O código de 7 dígitos do IBGE tem a UF e o CD_MUN do sistema dentro: os dois têm de bater.
void ConfereCodigo(const LinhaTabelaBrasil& linha, Coluna codigo, std::int32_t uf, std::int32_t municipio) {
    const std::int64_t ibge = *linha.Numero(codigo);
    if (ibge / 100000 != uf || ibge / 10 % 10000 != municipio)
        linha.Invalido(codigo);
}

MedidaMudanca LeMedida(const LinhaTabelaBrasil& linha, std::size_t ano) {
    MedidaMudanca m;
    m.origem = linha.Texto(ano + ORIGEM_DA_MEDIDA);
    const std::string& metodo = linha.Texto(ano + METODO_DA_MEDIDA);
    if (metodo == "medido")
        m.metodo = MetodoMudanca::Medido;
    else if (metodo == "estimado")
        m.metodo = MetodoMudanca::Estimado;
    else if (metodo == "indeterminado")
        m.metodo = MetodoMudanca::Indeterminado;
    else
        linha.Invalido(ano + METODO_DA_MEDIDA);
    m.anoRef = static_cast<int>(linha.Numero(ano + ANO, true).value_or(0));
    m.popMovida = linha.Numero(ano + MOVIDA, true);
    // A fração movida sai de POP_MOVIDA / POP_DOADOR: só vale com doador de população positiva e
    // movida que não passa dela; indeterminado é exatamente a falta do número.
    if ((m.metodo == MetodoMudanca::Indeterminado) != !m.popMovida)
        linha.Invalido(ano + (m.popMovida ? METODO_DA_MEDIDA : MOVIDA));
    if (m.popMovida) {
        m.popDoador = *linha.Numero(ano + DOADOR_NA_REFERENCIA);
        if (m.popDoador == 0 || *m.popMovida > m.popDoador)
            linha.Erro(linha.Nome(ano + MOVIDA) + " (" + TextoInteiro(*m.popMovida) + ") fora de 0 a " +
                       linha.Nome(ano + DOADOR_NA_REFERENCIA) + " (" + TextoInteiro(m.popDoador) + ")");
    }
    return m;
}

MudancaBrasil LeMudanca(const LinhaTabelaBrasil& linha) {
    MudancaBrasil m;
    m.data = linha.Inteiro(DATA);
    if (m.data < 19000101 || m.data > 29991231)
        linha.Invalido(DATA);
    m.uf = linha.Inteiro(CD_UF);
    m.doador = linha.Inteiro(CD_MUND);
    m.receptor = linha.Inteiro(CD_MUNR);
    ConfereCodigo(linha, COD_DOADOR, m.uf, m.doador);
    ConfereCodigo(linha, COD_RECEPTOR, m.uf, m.receptor);
    m.nomeDoador = linha.Texto(DOADOR);
    m.nomeReceptor = linha.Texto(RECEPTOR);
    static_cast<MedidaMudanca&>(m) = LeMedida(linha, ANO_REF);
    if (!linha.Texto(ANO_REF_2).empty()) {
        m.segunda = LeMedida(linha, ANO_REF_2);
        if (!m.segunda->popMovida)
            linha.Invalido(static_cast<std::size_t>(ANO_REF_2) + MOVIDA);
    }
    return m;
}

} // namespace

std::string ArquivoMudancasBrasil(const std::string& dirSistema) {
    return ArquivoDadosBrasil(dirSistema, "mudancas-brasil.csv");
}

std::vector<MudancaBrasil> LeMudancasBrasil(const std::string& caminho) {
    std::vector<MudancaBrasil> tabela;
    LeTabelaBrasil(caminho, Formato, [&tabela](const LinhaTabelaBrasil& linha) { tabela.push_back(LeMudanca(linha)); });
    return tabela;
}
