#include "DivisoesBrasil.h"

#include "Falha.h"
#include "TabelaBrasil.h"
#include "Texto.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <set>

namespace {

const FormatoTabelaBrasil Formato{"lista de divis\xf5"
                                  "es municipais",
                                  {"CD_UF", "CD_MUN", "CODIGO", "NOME", "ANO_INICIAL", "ANO_FINAL"}};
enum Coluna { CD_UF, CD_MUN, CODIGO, NOME, ANO_INICIAL, ANO_FINAL };

bool Vale(const MunicipioBrasil& m, int ano) {
    return m.anoInicial <= ano && (m.anoFinal == 0 || ano <= m.anoFinal);
}

MunicipioBrasil LeMunicipio(const LinhaTabelaBrasil& linha) {
    MunicipioBrasil m;
    m.uf = linha.Inteiro(CD_UF);
    m.municipio = linha.Inteiro(CD_MUN);
    m.codigo = linha.Inteiro(CODIGO);
    if (m.codigo / 100000 != m.uf || m.codigo / 10 % 10000 != m.municipio)
        linha.Invalido(CODIGO);
    m.nome = linha.Texto(NOME);
    m.anoInicial = linha.Inteiro(ANO_INICIAL);
    m.anoFinal = static_cast<int>(linha.Numero(ANO_FINAL, true).value_or(0));
    if (m.anoInicial < 1900 || m.anoInicial > 2999)
        linha.Invalido(ANO_INICIAL);
    if (m.anoFinal != 0 && m.anoFinal < m.anoInicial)
        linha.Invalido(ANO_FINAL);
    return m;
}

} // namespace

DivisoesBrasil::DivisoesBrasil(std::vector<MunicipioBrasil> linhas) : linhas_(std::move(linhas)) {
    if (linhas_.empty())
        throw Falha("A lista de divis\xf5"
                    "es municipais do Brasil est\xe1 vazia.");
    primeiro_ = INT_MAX;
    for (std::size_t i = 0; i < linhas_.size(); ++i) {
        const MunicipioBrasil& m = linhas_[i];
        porCodigo_[Chave(m.uf, m.municipio)].push_back(i);
        primeiro_ = std::min(primeiro_, m.anoInicial);
        ultimaMudanca_ = std::max({ultimaMudanca_, m.anoInicial, m.anoFinal + 1});
    }
}

std::vector<const MunicipioBrasil*> DivisoesBrasil::Divisao(int ano) const {
    std::vector<const MunicipioBrasil*> divisao;
    for (const MunicipioBrasil& m : linhas_)
        if (Vale(m, ano))
            divisao.push_back(&m);
    std::stable_sort(divisao.begin(), divisao.end(), [](const MunicipioBrasil* a, const MunicipioBrasil* b) {
        return Chave(a->uf, a->municipio) < Chave(b->uf, b->municipio);
    });
    return divisao;
}

const MunicipioBrasil* DivisoesBrasil::Municipio(std::int32_t uf, std::int32_t municipio, int ano) const {
    const auto achado = porCodigo_.find(Chave(uf, municipio));
    if (achado != porCodigo_.end())
        for (std::size_t i : achado->second)
            if (Vale(linhas_[i], ano))
                return &linhas_[i];
    return nullptr;
}

int DivisoesBrasil::AnoMaisProximo(std::int32_t uf, std::int32_t municipio, int ano) const {
    const auto achado = porCodigo_.find(Chave(uf, municipio));
    if (achado == porCodigo_.end())
        return 0;
    int melhor = 0;
    for (std::size_t i : achado->second) {
        const MunicipioBrasil& m = linhas_[i];
        const int perto = std::clamp(ano, m.anoInicial, m.anoFinal == 0 ? std::max(ano, m.anoInicial) : m.anoFinal);
        if (melhor == 0 || std::abs(perto - ano) < std::abs(melhor - ano))
            melhor = perto;
    }
    return melhor;
}

std::uint64_t DivisoesBrasil::Chave(std::int32_t uf, std::int32_t municipio) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(uf)) << 32 | static_cast<std::uint32_t>(municipio);
}

std::vector<int> DivisoesBrasil::AnosDeMudanca() const {
    std::set<int> anos;
    for (const MunicipioBrasil& m : linhas_) {
        anos.insert(m.anoInicial);
        if (m.anoFinal != 0)
            anos.insert(m.anoFinal + 1);
    }
    return {anos.begin(), anos.end()};
}

std::string DivisoesBrasil::ProblemaDoAno(int ano) const {
    const int ultimo = UltimoAnoAceito(ultimaMudanca_);
    if (ano >= primeiro_ && ano <= ultimo)
        return "";
    return "O ano " + TextoInteiro(ano) + " est\xe1 fora das divis\xf5" + "es conhecidas (" + TextoInteiro(primeiro_) +
           " a " + TextoInteiro(ultimo) + ").";
}

int UltimoAnoAceito(int ultimaMudanca) {
    const std::chrono::year_month_day hoje{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return std::max(ultimaMudanca, static_cast<int>(hoje.year()));
}

std::string ArquivoDivisoesBrasil(const std::string& dirSistema) {
    return ArquivoDadosBrasil(dirSistema, "divisoes-brasil.csv");
}

DivisoesBrasil LeDivisoesBrasil(const std::string& caminho) {
    std::vector<MunicipioBrasil> linhas;
    LeTabelaBrasil(caminho, Formato,
                   [&linhas](const LinhaTabelaBrasil& linha) { linhas.push_back(LeMunicipio(linha)); });
    return DivisoesBrasil(std::move(linhas));
}
