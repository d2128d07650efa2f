#include "MudancasBrasil.h"

#include "Arquivos.h"
#include "Falha.h"
#include "LeitorTexto.h"
#include "Texto.h"

#include <array>
#include <string_view>

namespace {

const std::string Titulos = "DATA;CD_UF;CD_MUND;COD_DOADOR;DOADOR;CD_MUNR;COD_RECEPTOR;RECEPTOR;ANO_REF;POP_DOADOR;"
                            "POP_MOVIDA;METODO;ORIGEM;TEXTO_IBGE";
constexpr std::size_t Colunas = 14;
const std::array<const char*, Colunas> NomesColunas = {
    "DATA",     "CD_UF",   "CD_MUND",    "COD_DOADOR", "DOADOR", "CD_MUNR", "COD_RECEPTOR",
    "RECEPTOR", "ANO_REF", "POP_DOADOR", "POP_MOVIDA", "METODO", "ORIGEM",  "TEXTO_IBGE"};
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

// Uma linha da tabela: o texto do IBGE, último, fica com o resto da linha.
class LinhaTabela {
public:
    LinhaTabela(std::string_view linha, const std::string& caminho, long long numero)
        : caminho_(caminho), numero_(numero) {
        for (std::size_t i = 0; i + 1 < Colunas; ++i) {
            const std::size_t separador = linha.find(';');
            if (separador == std::string_view::npos)
                Erro("faltam colunas (esperadas " + TextoInteiro(Colunas) + ")");
            campos_[i] = linha.substr(0, separador);
            linha.remove_prefix(separador + 1);
        }
        campos_[Colunas - 1] = linha;
    }

    std::string Texto(Coluna coluna) const { return campos_[coluna]; }

    // Só dígitos: a tabela não tem sinal, brancos nem separador de milhar.
    std::optional<std::int64_t> Numero(Coluna coluna, bool vazioVale = false) const {
        const std::string& texto = campos_[coluna];
        if (texto.empty() && vazioVale)
            return std::nullopt;
        if (texto.empty() || texto.size() > 12)
            Invalido(coluna);
        std::int64_t valor = 0;
        for (char c : texto) {
            if (c < '0' || c > '9')
                Invalido(coluna);
            valor = valor * 10 + (c - '0');
        }
        return valor;
    }

    std::int32_t Inteiro(Coluna coluna) const {
        const std::int64_t valor = *Numero(coluna);
        if (valor > INT32_MAX)
            Invalido(coluna);
        return static_cast<std::int32_t>(valor);
    }

    [[noreturn]] void Invalido(Coluna coluna) const {
        Erro(std::string(NomesColunas[coluna]) + " inv\xe1lido ('" + campos_[coluna] + "')");
    }

    [[noreturn]] void Erro(const std::string& motivo) const {
        throw Falha("Tabela de mudan\xe7"
                    "as \"" +
                    caminho_ + "\", linha " + TextoInteiro(numero_) + ": " + motivo + ".");
    }

private:
    const std::string& caminho_;
    long long numero_;
    std::array<std::string, Colunas> campos_;
};

// O código de 7 dígitos do IBGE tem a UF e o CD_MUN do sistema dentro: os dois têm de bater.
void ConfereCodigo(const LinhaTabela& linha, Coluna codigo, std::int32_t uf, std::int32_t municipio) {
    const std::int64_t ibge = *linha.Numero(codigo);
    if (ibge / 100000 != uf || ibge / 10 % 10000 != municipio)
        linha.Invalido(codigo);
}

MudancaBrasil LeMudanca(const LinhaTabela& linha) {
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
    const std::string separador = !dirSistema.empty() && dirSistema.back() != '/' ? "/" : "";
    return dirSistema + separador + "dados/mudancas-brasil.csv";
}

std::vector<MudancaBrasil> LeMudancasBrasil(const std::string& caminho) {
    if (!ArquivoExiste(caminho))
        throw Falha("A tabela de mudan\xe7"
                    "as do Brasil n\xe3o foi encontrada em \"" +
                    caminho + "\".");
    LeitorTexto entrada(caminho);
    std::string linha;
    if (!entrada.LeLinha(linha) || linha != Titulos)
        throw Falha("O arquivo \"" + caminho +
                    "\" n\xe3o \xe9 a tabela de mudan\xe7"
                    "as do Brasil (linha de t\xedtulos " +
                    "diferente).");
    std::vector<MudancaBrasil> tabela;
    for (long long numero = 2; entrada.LeLinha(linha); ++numero)
        if (!linha.empty())
            tabela.push_back(LeMudanca(LinhaTabela(linha, caminho, numero)));
    return tabela;
}
