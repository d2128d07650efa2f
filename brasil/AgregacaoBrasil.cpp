#include "AgregacaoBrasil.h"

#include "Falha.h"
#include "Texto.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace {

std::int32_t PrimeiroDeJaneiro(int ano) {
    return ano * 10000 + 101;
}

// Os pares de um município criado: todos da mesma data e do mesmo receptor.
struct Criacao {
    std::int32_t uf = 0;
    std::int32_t data = 0;
    std::int32_t receptor = 0;
    int geracao = 1; // quem nasce de um criado na mesma data vem depois dele
    std::vector<const MudancaBrasil*> pares;
};

std::vector<Criacao> CriacoesDoPeriodo(const std::vector<MudancaBrasil>& tabela, int de, int ate) {
    std::vector<Criacao> criacoes;
    std::map<std::tuple<std::int32_t, std::int32_t, std::int32_t>, std::size_t> indice;
    for (const MudancaBrasil& m : tabela) {
        if (m.data <= PrimeiroDeJaneiro(ate) || m.data > PrimeiroDeJaneiro(de))
            continue;
        const auto [posicao, nova] = indice.try_emplace({m.uf, m.data, m.receptor}, criacoes.size());
        if (nova)
            criacoes.push_back({m.uf, m.data, m.receptor, 1, {}});
        criacoes[posicao->second].pares.push_back(&m);
    }
    // A geração: 1 + a maior dos doadores criados na mesma data; um ciclo não chega a um ponto fixo.
    for (std::size_t passada = 0, mudou = 1; mudou; ++passada) {
        if (passada > criacoes.size())
            throw Falha("A tabela de mudan\xe7"
                        "as tem um ciclo de cria\xe7\xf5"
                        "es numa mesma data.");
        mudou = 0;
        for (Criacao& c : criacoes)
            for (const MudancaBrasil* m : c.pares)
                if (const auto pai = indice.find({m->uf, m->data, m->doador}); pai != indice.end())
                    if (const int g = criacoes[pai->second].geracao + 1; g > c.geracao) {
                        c.geracao = g;
                        mudou = 1;
                    }
    }
    // Do mais novo ao mais velho; no empate, a ordem da tabela ao contrário.
    std::vector<Criacao> ordem(criacoes.rbegin(), criacoes.rend());
    std::stable_sort(ordem.begin(), ordem.end(), [](const Criacao& a, const Criacao& b) {
        return std::tie(b.data, b.geracao) < std::tie(a.data, a.geracao);
    });
    return ordem;
}

// A medida cuja referência é a mais perto do ano de destino.
const MedidaMudanca& MedidaPerto(const MudancaBrasil& m, int ate) {
    if (m.segunda && std::abs(m.segunda->anoRef - ate) < std::abs(m.anoRef - ate))
        return *m.segunda;
    return m;
}

std::uint64_t Chave(std::int32_t uf, std::int32_t municipio) {
    return DivisoesBrasil::Chave(uf, municipio);
}

} // namespace

std::string TextoBalanco(const Pops& antes, const Pops& depois) {
    std::string texto;
    for (std::size_t campo = 0; campo < 2; ++campo)
        texto += "POP" + TextoInteiro(static_cast<std::int64_t>(campo + 1)) + ": " + TextoInteiro(antes[campo]) +
                 " antes, " + TextoInteiro(depois[campo]) + " depois\n";
    return texto;
}

std::string LinhaAvisos(const Aviso& aviso) {
    return aviso.arquivo + ";" + (aviso.linha != 0 ? TextoInteiro(aviso.linha) : "") + ";" + aviso.campo + ";" +
           aviso.aviso + ";" + aviso.texto;
}

std::vector<std::int64_t> Reparte(std::int64_t total, const std::vector<long double>& pesos) {
    const long double soma = std::accumulate(pesos.begin(), pesos.end(), 0.0L);
    std::vector<long double> cotas(pesos.size());
    for (std::size_t i = 0; i < pesos.size(); ++i)
        cotas[i] = soma > 0 ? static_cast<long double>(total) * pesos[i] / soma
                            : static_cast<long double>(total) / static_cast<long double>(pesos.size());
    std::vector<std::int64_t> partes(pesos.size());
    std::int64_t resto = total;
    for (std::size_t i = 0; i < cotas.size(); ++i)
        resto -= partes[i] = static_cast<std::int64_t>(std::floor(cotas[i]));
    std::vector<std::size_t> ordem(cotas.size());
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
        return cotas[a] - std::floor(cotas[a]) > cotas[b] - std::floor(cotas[b]);
    });
    for (std::size_t i = 0; resto > 0 && !ordem.empty(); ++i, --resto)
        ++partes[ordem[i % ordem.size()]];
    return partes;
}

Agregacao AgregaBase(const std::vector<MudancaBrasil>& tabela, const PopulacaoOriginal& base, int de, int ate) {
    Agregacao agregacao;
    std::unordered_map<std::uint64_t, MunicipioAgregado> atual;
    for (const auto& [uf, municipio] : base.Codigos()) {
        const MunicipioAgregado m{uf, municipio, {*base.Pop1(uf, municipio), base.Pop2(uf, municipio)}};
        if (atual.try_emplace(Chave(uf, municipio), m).second)
            for (std::size_t campo = 0; campo < 2; ++campo)
                agregacao.antes[campo] += m.pops[campo];
    }
    for (const Criacao& criacao : CriacoesDoPeriodo(tabela, de, ate)) {
        MunicipioAgregado extinto{criacao.uf, criacao.receptor, {}};
        if (const auto achado = atual.find(Chave(criacao.uf, criacao.receptor)); achado != atual.end()) {
            extinto = achado->second;
            atual.erase(achado);
        }
        const std::size_t doadores = criacao.pares.size();
        std::vector<Pops> partes(doadores, Pops{});
        for (std::size_t campo = 0; campo < 2; ++campo) {
            // Com vários doadores: a fração f da tabela sobre o que o doador tem agora, f / (1 - f),
            // é a parte que ele cedeu; sem fração que sirva, o que ele tem agora.
            std::vector<long double> pesos;
            for (const MudancaBrasil* m : criacao.pares) {
                const MedidaMudanca& medida = MedidaPerto(*m, ate);
                const auto doador = atual.find(Chave(m->uf, m->doador));
                const long double tem =
                    doador == atual.end() ? 0 : static_cast<long double>(doador->second.pops[campo]);
                const bool serve = medida.popMovida && medida.popDoador > *medida.popMovida;
                pesos.push_back(serve ? tem * static_cast<long double>(*medida.popMovida) /
                                            static_cast<long double>(medida.popDoador - *medida.popMovida)
                                      : tem);
            }
            const std::vector<std::int64_t> repartido = Reparte(extinto.pops[campo], pesos);
            for (std::size_t i = 0; i < doadores; ++i)
                partes[i][campo] = repartido[i];
        }
        agregacao.repartidas += doadores > 1;
        Pops resta = extinto.pops;
        for (std::size_t i = 0; i < doadores; ++i) {
            const MudancaBrasil& m = *criacao.pares[i];
            MunicipioAgregado& doador =
                atual.try_emplace(Chave(m.uf, m.doador), MunicipioAgregado{m.uf, m.doador, {}}).first->second;
            Devolucao devolucao{m.uf, m.receptor, m.nomeReceptor, m.doador, m.nomeDoador, resta, partes[i],
                                {},   {},         doadores > 1};
            for (std::size_t campo = 0; campo < 2; ++campo) {
                resta[campo] -= partes[i][campo];
                doador.pops[campo] += partes[i][campo];
            }
            devolucao.depois = resta;
            devolucao.doadorDepois = doador.pops;
            agregacao.devolucoes.push_back(std::move(devolucao));
        }
    }
    for (const auto& [chave, m] : atual) {
        agregacao.municipios.push_back(m);
        for (std::size_t campo = 0; campo < 2; ++campo)
            agregacao.depois[campo] += m.pops[campo];
    }
    std::sort(agregacao.municipios.begin(), agregacao.municipios.end(),
              [](const MunicipioAgregado& a, const MunicipioAgregado& b) {
                  return Chave(a.uf, a.municipio) < Chave(b.uf, b.municipio);
              });
    return agregacao;
}
