#include "ConferenciaBrasil.h"

#include "PopulacaoOriginal.h"
#include "Texto.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace {

using Codigo = std::pair<std::int32_t, std::int32_t>;

std::string Municipio(const ProblemaConferencia& p) {
    return "UF " + TextoInteiro(p.uf) + ", " +
           (p.nome.empty() ? "c\xf3"
                             "digo"
                           : p.nome) +
           " (" + TextoInteiro(p.municipio) + ")";
}

std::string TextoProblema(const ProblemaConferencia& p, int ano) {
    switch (p.tipo) {
    case TipoProblema::Ausente:
        return Municipio(p) + ": ausente da base";
    case TipoProblema::ForaDaDivisao:
        return Municipio(p) + ": fora da divis\xe3o de " + TextoInteiro(ano) +
               (p.outroAno != 0 ? " (est\xe1 na de " + TextoInteiro(p.outroAno) + ")"
                                : " (em nenhuma divis\xe3o conhecida)");
    case TipoProblema::Repetido:
        return Municipio(p) + ": repetido na base (" + TextoInteiro(p.linhas) + " linhas)";
    }
    return "";
}

// Quantos códigos da base faltam ou sobram na divisão do ano.
std::size_t Diferenca(const DivisoesBrasil& divisoes, const std::unordered_set<std::uint64_t>& base, int ano) {
    std::size_t presentes = 0, ausentes = 0;
    for (const MunicipioBrasil* m : divisoes.Divisao(ano))
        ++(base.count(DivisoesBrasil::Chave(m->uf, m->municipio)) ? presentes : ausentes);
    return ausentes + (base.size() - presentes);
}

// O ano cuja divisão mais bate com a base; no empate, o mais perto do pedido. Zero quando é o pedido.
int DivisaoProvavel(const DivisoesBrasil& divisoes, const std::unordered_set<std::uint64_t>& base, int ano,
                    int ultimoAno, std::size_t diferencaDoAno) {
    int melhor = 0;
    std::size_t menor = diferencaDoAno;
    for (int outro = divisoes.PrimeiroAno(); outro <= ultimoAno; ++outro) {
        const std::size_t diferenca = Diferenca(divisoes, base, outro);
        if (diferenca < menor ||
            (diferenca == menor && melhor != 0 && std::abs(outro - ano) < std::abs(melhor - ano))) {
            menor = diferenca;
            melhor = outro;
        }
    }
    return melhor;
}

} // namespace

Conferencia ConfereBase(const DivisoesBrasil& divisoes, const std::vector<Codigo>& base, int ano, int ultimoAno) {
    Conferencia c;
    c.ano = ano;
    std::unordered_map<std::uint64_t, int> linhas;
    std::vector<Codigo> ordem;
    for (const Codigo& codigo : base)
        if (++linhas[DivisoesBrasil::Chave(codigo.first, codigo.second)] == 1)
            ordem.push_back(codigo);
    std::unordered_set<std::uint64_t> naBase;
    for (const auto& [chave, vezes] : linhas)
        naBase.insert(chave);

    const std::vector<const MunicipioBrasil*> divisao = divisoes.Divisao(ano);
    c.municipiosDivisao = divisao.size();
    for (const MunicipioBrasil* m : divisao)
        if (!naBase.count(DivisoesBrasil::Chave(m->uf, m->municipio))) {
            c.problemas.push_back({TipoProblema::Ausente, m->uf, m->municipio, m->nome, 0, 0, ""});
            ++c.ausentes;
        }
    std::sort(ordem.begin(), ordem.end());
    for (const auto& [uf, municipio] : ordem) {
        const MunicipioBrasil* naDivisao = divisoes.Municipio(uf, municipio, ano);
        const int vezes = linhas[DivisoesBrasil::Chave(uf, municipio)];
        if (naDivisao == nullptr) {
            const int outroAno = divisoes.AnoMaisProximo(uf, municipio, ano);
            const MunicipioBrasil* outro = outroAno != 0 ? divisoes.Municipio(uf, municipio, outroAno) : nullptr;
            c.problemas.push_back(
                {TipoProblema::ForaDaDivisao, uf, municipio, outro ? outro->nome : "", outroAno, vezes, ""});
            ++c.foraDaDivisao;
        }
        if (vezes > 1) {
            c.problemas.push_back(
                {TipoProblema::Repetido, uf, municipio, naDivisao ? naDivisao->nome : "", 0, vezes, ""});
            ++c.repetidos;
        }
    }
    for (ProblemaConferencia& p : c.problemas)
        p.texto = TextoProblema(p, ano);
    if (c.ausentes + c.foraDaDivisao > 0)
        c.divisaoProvavel =
            DivisaoProvavel(divisoes, naBase, ano, ultimoAno,
                            static_cast<std::size_t>(c.ausentes) + static_cast<std::size_t>(c.foraDaDivisao));
    return c;
}

Conferencia ConfereArquivo(const DivisoesBrasil& divisoes, const std::string& original, char separadorDecimal,
                           int ano) {
    // Só os códigos importam aqui; os avisos da leitura são do preparar e da rodada.
    std::vector<Aviso> avisosLeitura;
    const PopulacaoOriginal base = LePopulacaoOriginal(original, separadorDecimal, avisosLeitura);
    return ConfereBase(divisoes, base.Codigos(), ano, UltimoAnoAceito(divisoes.UltimaMudanca()));
}

std::vector<std::string> MunicipiosQueFaltam(const DivisoesBrasil& divisoes, const std::vector<Codigo>& codigos,
                                             int ano) {
    std::unordered_set<std::uint64_t> presentes;
    for (const auto& [uf, municipio] : codigos)
        presentes.insert(DivisoesBrasil::Chave(uf, municipio));
    std::vector<std::string> faltam;
    for (const MunicipioBrasil* m : divisoes.Divisao(ano))
        if (!presentes.count(DivisoesBrasil::Chave(m->uf, m->municipio)))
            faltam.push_back(m->nome);
    return faltam;
}

std::string ResumoConferencia(const Conferencia& c) {
    std::string resumo = "Confer\xeancia com a divis\xe3o de 1\xba de janeiro de " + TextoInteiro(c.ano) + " (" +
                         TextoInteiro(static_cast<std::int64_t>(c.municipiosDivisao)) + " munic\xedpios): ";
    if (c.problemas.empty())
        return resumo + "nenhum problema.";
    resumo += TextoInteiro(c.ausentes) + " ausente(s) da base, " + TextoInteiro(c.foraDaDivisao) +
              " fora da divis\xe3o e " + TextoInteiro(c.repetidos) + " repetido(s)";
    if (c.divisaoProvavel != 0)
        resumo += "; a base parece estar na divis\xe3o de " + TextoInteiro(c.divisaoProvavel);
    return resumo + ".";
}

std::string TextoConferencia(const Conferencia& c) {
    std::string texto;
    for (const ProblemaConferencia& p : c.problemas)
        texto += p.texto + "\n";
    return texto + ResumoConferencia(c) + "\n";
}
