#include "PreparacaoBrasil.h"

#include "Falha.h"
#include "Texto.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace {

std::int32_t PrimeiroDeJaneiro(int ano) {
    return ano * 10000 + 101;
}

// Quociente arredondado para o inteiro mais próximo, empate para o par; o divisor é positivo.
std::int64_t DivideArredondando(std::int64_t dividendo, std::int64_t divisor) {
    if (dividendo < 0)
        return -DivideArredondando(-dividendo, divisor);
    const std::int64_t quociente = dividendo / divisor;
    const std::int64_t dobroDoResto = dividendo % divisor * 2;
    if (dobroDoResto > divisor || (dobroDoResto == divisor && quociente % 2 != 0))
        return quociente + 1;
    return quociente;
}

// A geração de cada par dentro da sua data: 1 para quem já existia, e quem nasce de um município
// criado na mesma data vem uma geração depois dele.
std::vector<std::pair<int, int>> Geracoes(const std::vector<const MudancaBrasil*>& pares) {
    std::map<std::tuple<std::int32_t, std::int32_t, std::int32_t>, int> geracao;
    auto de = [&geracao](const MudancaBrasil& m, std::int32_t municipio) -> int& {
        return geracao.try_emplace({m.uf, m.data, municipio}, 1).first->second;
    };
    bool mudou = true;
    for (std::size_t passada = 0; mudou; ++passada) {
        if (passada > pares.size())
            throw Falha("A tabela de mudan\xe7"
                        "as tem um ciclo de cria\xe7\xf5"
                        "es numa mesma data.");
        mudou = false;
        for (const MudancaBrasil* m : pares) {
            const int seguinte = de(*m, m->doador) + 1;
            int& receptor = de(*m, m->receptor);
            if (receptor < seguinte) {
                receptor = seguinte;
                mudou = true;
            }
        }
    }
    std::vector<std::pair<int, int>> resultado;
    for (const MudancaBrasil* m : pares)
        resultado.emplace_back(de(*m, m->doador), de(*m, m->receptor));
    return resultado;
}

// As populações do período: as da base original, com o que cada mudança já aplicada tirou ou pôs.
class PopulacaoCorrente {
public:
    explicit PopulacaoCorrente(const PopulacaoOriginal& base) : base_(base) {}

    std::optional<std::int64_t> Pop1(std::int32_t uf, std::int32_t municipio) const {
        if (const auto mudado = mudadas_.find({uf, municipio}); mudado != mudadas_.end())
            return mudado->second;
        if (const std::int64_t* original = base_.Pop1(uf, municipio))
            return *original;
        return std::nullopt;
    }

    void Move(std::int32_t uf, std::int32_t doador, std::int32_t receptor, std::int64_t pop) {
        const std::int64_t doadorAntes = *Pop1(uf, doador);
        const std::int64_t receptorAntes = Pop1(uf, receptor).value_or(0);
        mudadas_[{uf, doador}] = doadorAntes - pop;
        mudadas_[{uf, receptor}] = receptorAntes + pop;
    }

private:
    const PopulacaoOriginal& base_;
    std::map<std::pair<std::int32_t, std::int32_t>, std::int64_t> mudadas_;
};

// POP da linha: POP_MOVIDA / POP_DOADOR da referência aplicado ao POP1 corrente do doador.
std::int32_t PopulacaoMovida(const MudancaBrasil& m, std::int64_t pop1Doador) {
    std::int64_t produto = 0;
    if (__builtin_mul_overflow(*m.popMovida, pop1Doador, &produto))
        throw Falha("Popula\xe7\xe3o do munic\xedpio " + TextoInteiro(m.doador) + " da UF " + TextoInteiro(m.uf) +
                    " grande demais para a conta (" + TextoInteiro(pop1Doador) + ").");
    const std::int64_t pop = DivideArredondando(produto, m.popDoador);
    // A carga da rodada trocaria por 0, sem aviso, um POP fora dos 32 bits.
    if (pop > INT32_MAX || pop < INT32_MIN)
        throw Falha("A popula\xe7\xe3o movida de " + TextoInteiro(m.doador) + " para " + TextoInteiro(m.receptor) +
                    " da UF " + TextoInteiro(m.uf) + " sai da faixa de inteiros de 32 bits (" + TextoInteiro(pop) +
                    ").");
    return static_cast<std::int32_t>(pop);
}

// O par com a medida cuja referência é a mais perto de "de": a fração de uma população que já está
// na divisão de "de" é a que melhor se aplica a ela.
MudancaBrasil NaReferenciaMaisProxima(const MudancaBrasil& m, int de) {
    MudancaBrasil perto = m;
    if (m.segunda && std::abs(m.segunda->anoRef - de) < std::abs(m.anoRef - de))
        static_cast<MedidaMudanca&>(perto) = *m.segunda;
    return perto;
}

} // namespace

int UltimoAnoBrasil(const std::vector<MudancaBrasil>& tabela) {
    int ultimo = PrimeiroAnoBrasil;
    for (const MudancaBrasil& m : tabela)
        ultimo = std::max(ultimo, m.data / 10000);
    return ultimo;
}

std::string ProblemaDosAnos(int de, int ate, int ultimaMudanca) {
    const int ultimo = UltimoAnoAceito(ultimaMudanca);
    const std::string faixa = TextoInteiro(PrimeiroAnoBrasil) + " a " + TextoInteiro(ultimo);
    for (int ano : {de, ate})
        if (ano < PrimeiroAnoBrasil || ano > ultimo)
            return "O ano " + TextoInteiro(ano) +
                   " est\xe1 fora dos anos da tabela de mudan\xe7"
                   "as (" +
                   faixa + ").";
    if (de > ate)
        return "O ano da divis\xe3o da base (" + TextoInteiro(de) + ") \xe9 posterior ao ano de destino (" +
               TextoInteiro(ate) + ").";
    return "";
}

Preparacao PreparaMudancas(const std::vector<MudancaBrasil>& tabela, const PopulacaoOriginal& base, int de, int ate) {
    if (const std::string problema = ProblemaDosAnos(de, ate, UltimoAnoBrasil(tabela)); !problema.empty())
        throw Falha(problema);
    // A divisão de 1º de janeiro de "de" já tem as mudanças dessa data.
    std::vector<const MudancaBrasil*> periodo;
    for (const MudancaBrasil& m : tabela)
        if (m.data > PrimeiroDeJaneiro(de) && m.data <= PrimeiroDeJaneiro(ate))
            periodo.push_back(&m);
    const std::vector<std::pair<int, int>> geracoes = Geracoes(periodo);
    // A ordem em que a rodada vai aplicar as linhas; no empate, a da tabela, que é a da cadeia.
    std::vector<std::size_t> ordem(periodo.size());
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(periodo[a]->uf, periodo[a]->data, geracoes[a]) <
               std::tie(periodo[b]->uf, periodo[b]->data, geracoes[b]);
    });

    Preparacao preparacao;
    PopulacaoCorrente populacao(base);
    for (std::size_t i : ordem) {
        const MudancaBrasil m = NaReferenciaMaisProxima(*periodo[i], de);
        const std::string outraReferencia =
            m.anoRef != periodo[i]->anoRef ? "na refer\xeancia de " + TextoInteiro(m.anoRef) : "";
        auto avisa = [&](std::optional<std::int32_t> pop, const std::string& texto) {
            preparacao.avisos.push_back(
                {m.uf, m.doador, m.nomeDoador, m.receptor, m.nomeReceptor, pop, texto, m.origem});
        };
        const std::int64_t* receptorNaBase = base.Pop1(m.uf, m.receptor);
        const std::optional<std::int64_t> pop1Doador = populacao.Pop1(m.uf, m.doador);
        std::string fora;
        if (!m.popMovida)
            fora = "popula\xe7\xe3o movida desconhecida";
        else if (receptorNaBase != nullptr && *receptorNaBase != 0)
            // A base já está na divisão nova (uma estimativa do ano Y usa a divisão de Y+1): tirar do
            // doador de novo contaria a mesma gente duas vezes.
            fora = "o receptor j\xe1 tem popula\xe7\xe3o na base original (" + TextoInteiro(*receptorNaBase) + ")";
        else if (!pop1Doador)
            fora = "doador ausente da base original";
        if (!fora.empty()) {
            avisa(std::nullopt, "deixado de fora: " + fora);
            ++preparacao.deixadas;
            continue;
        }
        const std::int32_t pop = PopulacaoMovida(m, *pop1Doador);
        populacao.Move(m.uf, m.doador, m.receptor, pop);
        preparacao.linhas.push_back({m.uf, geracoes[i].first, m.doador, geracoes[i].second, m.receptor, pop, m.data});
        if (m.metodo == MetodoMudanca::Estimado) {
            avisa(pop, "popula\xe7\xe3o movida estimada" + (outraReferencia.empty() ? "" : " " + outraReferencia));
            ++preparacao.estimadas;
        } else if (!outraReferencia.empty()) {
            avisa(pop, "popula\xe7\xe3o movida " + outraReferencia);
            ++preparacao.outraReferencia;
        }
    }
    return preparacao;
}

std::string TextoLinha(const LinhaPreparada& linha) {
    return TextoInteiro(linha.uf) + ";" + TextoInteiro(linha.geracaoDoador) + ";" + TextoInteiro(linha.doador) + ";" +
           TextoInteiro(linha.geracaoReceptor) + ";" + TextoInteiro(linha.receptor) + ";" + TextoInteiro(linha.pop) +
           ";" + TextoInteiro(linha.data) + ";";
}

std::string TextoAviso(const AvisoPreparacao& aviso) {
    return "UF " + TextoInteiro(aviso.uf) + ", " + aviso.nomeDoador + " (" + TextoInteiro(aviso.doador) + ") -> " +
           aviso.nomeReceptor + " (" + TextoInteiro(aviso.receptor) + "): " + aviso.aviso +
           (aviso.pop ? " (" + TextoInteiro(*aviso.pop) + ")" : "");
}
