#include "MudancasBrasil.h"

#include "TabelaBrasil.h"
#include "Texto.h"

namespace {

const FormatoTabelaBrasil Formato{"tabela de mudan\xe7"
                                  "as",
                                  {"DATA", "CD_UF", "CD_MUND", "COD_DOADOR", "DOADOR", "CD_MUNR", "COD_RECEPTOR",
                                   "RECEPTOR", "ANO_REF", "POP_DOADOR", "POP_MOVIDA", "METODO", "ORIGEM",
                                   "TEXTO_IBGE"}};
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
    ORIGEM
};

// O código de 7 dígitos do IBGE tem a UF e o CD_MUN do sistema dentro: os dois têm de bater.
void ConfereCodigo(const LinhaTabelaBrasil& linha, Coluna codigo, std::int32_t uf, std::int32_t municipio) {
    const std::int64_t ibge = *linha.Numero(codigo);
    if (ibge / 100000 != uf || ibge / 10 % 10000 != municipio)
        linha.Invalido(codigo);
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
    m.origem = linha.Texto(ORIGEM);
    const std::string metodo = linha.Texto(METODO);
    if (metodo == "medido")
        m.metodo = MetodoMudanca::Medido;
    else if (metodo == "estimado")
        m.metodo = MetodoMudanca::Estimado;
    else if (metodo == "indeterminado")
        m.metodo = MetodoMudanca::Indeterminado;
    else
        linha.Invalido(METODO);
    linha.Numero(ANO_REF, true);
    m.popMovida = linha.Numero(POP_MOVIDA, true);
    // A fração movida sai de POP_MOVIDA / POP_DOADOR: só vale com doador de população positiva e
    // movida que não passa dela; indeterminado é exatamente a falta do número.
    if ((m.metodo == MetodoMudanca::Indeterminado) != !m.popMovida)
        linha.Invalido(m.popMovida ? METODO : POP_MOVIDA);
    if (m.popMovida) {
        m.popDoador = *linha.Numero(POP_DOADOR);
        if (m.popDoador == 0 || *m.popMovida > m.popDoador)
            linha.Erro("POP_MOVIDA (" + TextoInteiro(*m.popMovida) + ") fora de 0 a POP_DOADOR (" +
                       TextoInteiro(m.popDoador) + ")");
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
