#include "Operacoes.h"

#include "Comparacao.h"
#include "ConversaoValor.h"
#include "Falha.h"

#include <algorithm>
#include <numeric>

namespace {

int Coluna(const TabelaCarregada& tabela, const std::string& nome) {
    const int coluna = tabela.Dados().Indice(nome);
    if (coluna < 0)
        throw Falha("A tabela " + tabela.Caminho() + " n\xe3o tem a coluna " + nome + ".");
    return coluna;
}

bool Numerica(const TabelaCarregada& tabela, int coluna) {
    return EhCampoNumerico(tabela.Dados().Campos()[static_cast<std::size_t>(coluna)]);
}

// Uma parceira pronta para a procura: o índice da chave e a conversão de cada lado.
struct Ligada {
    const TabelaCarregada* tabela;
    const IndiceChave* indice;
    std::vector<int> naOrigem;
    std::vector<Conversao> conversoesDaOrigem;
    int coluna;
    int destino;
    std::vector<Comparavel> chave;
    std::vector<std::string> guardas;
};

// Numa igualdade entre colunas, o lado de texto vira número quando o outro é numérico.
Conversao ConversaoContra(bool esteNumerico, bool outroNumerico) {
    return outroNumerico && !esteNumerico ? Conversao::ParaNumero : Conversao::Nenhuma;
}

Ligada Liga(const Parceira& parceira, const TabelaCarregada& origem, const TabelaCarregada& destino) {
    Ligada ligada{parceira.tabela,
                  nullptr,
                  {},
                  {},
                  Coluna(*parceira.tabela, parceira.coluna),
                  Coluna(destino, parceira.destino),
                  std::vector<Comparavel>(parceira.chave.size()),
                  std::vector<std::string>(parceira.chave.size())};
    std::vector<int> colunas;
    std::vector<Conversao> conversoes;
    for (const std::string& nome : parceira.chave) {
        const int fora = Coluna(origem, nome), dentro = Coluna(*parceira.tabela, nome);
        const bool foraNumerica = Numerica(origem, fora), dentroNumerica = Numerica(*parceira.tabela, dentro);
        ligada.naOrigem.push_back(fora);
        ligada.conversoesDaOrigem.push_back(ConversaoContra(foraNumerica, dentroNumerica));
        colunas.push_back(dentro);
        conversoes.push_back(ConversaoContra(dentroNumerica, foraNumerica));
    }
    ligada.indice = &parceira.tabela->Indice(colunas, conversoes);
    return ligada;
}

// Os laços aninhados da cópia: uma parceira por nível, cada uma na ordem do seu índice.
class Copia {
public:
    Copia(TabelaCarregada& destino, const TabelaCarregada& origem, std::vector<Ligada> ligadas)
        : destino_(destino), origem_(origem), ligadas_(std::move(ligadas)),
          registro_(static_cast<std::size_t>(destino.Dados().NumeroCampos())) {}

    void Registro(int linha, const std::vector<std::pair<int, int>>& colunas) {
        std::fill(registro_.begin(), registro_.end(), Celula{});
        for (const auto& [daOrigem, doDestino] : colunas)
            registro_[static_cast<std::size_t>(doDestino)] = origem_.Dados().Le(linha, daOrigem);
        linha_ = linha;
        Nivel(0);
    }

private:
    void Nivel(std::size_t n) {
        if (n == ligadas_.size()) {
            destino_.Acrescenta(registro_);
            return;
        }
        Ligada& ligada = ligadas_[n];
        for (std::size_t i = 0; i < ligada.chave.size(); ++i)
            ligada.chave[i] = ComparavelDe(origem_.Dados().Le(linha_, ligada.naOrigem[i]), ligada.conversoesDaOrigem[i],
                                           ligada.guardas[i]);
        for (int r = ligada.indice->Primeiro(ligada.chave); r >= 0; r = ligada.indice->Proximo(r, ligada.chave)) {
            registro_[static_cast<std::size_t>(ligada.destino)] = ligada.tabela->Dados().Le(r, ligada.coluna);
            Nivel(n + 1);
        }
    }

    TabelaCarregada& destino_;
    const TabelaCarregada& origem_;
    std::vector<Ligada> ligadas_;
    std::vector<Celula> registro_;
    int linha_ = 0;
};

// A soma de uma coluna: inteira enquanto só há inteiros, real quando entra um real, nula sem valor;
// um texto vale o número que escreve, ou 0.
class Soma {
public:
    explicit Soma(std::string coluna) : coluna_(std::move(coluna)) {}
    void Acrescenta(Celula valor) {
        if (valor.tipo == Valor::Tipo::Texto)
            valor = NumeroDoTexto(valor.texto).value_or(Celula{Valor::Tipo::Inteiro, 0, 0, {}});
        if (valor.tipo == Valor::Tipo::Nulo)
            return;
        if (soma_.tipo == Valor::Tipo::Nulo)
            soma_.tipo = Valor::Tipo::Inteiro;
        if (valor.tipo == Valor::Tipo::Real || soma_.tipo == Valor::Tipo::Real) {
            if (soma_.tipo == Valor::Tipo::Inteiro)
                real_ = static_cast<long double>(soma_.inteiro);
            soma_.tipo = Valor::Tipo::Real;
            real_ += valor.tipo == Valor::Tipo::Real ? valor.real : static_cast<long double>(valor.inteiro);
        } else if (__builtin_add_overflow(soma_.inteiro, valor.inteiro, &soma_.inteiro)) {
            throw Falha("A soma de " + coluna_ + " passou de 64 bits.");
        }
    }
    Celula Total() const {
        Celula total = soma_;
        if (total.tipo == Valor::Tipo::Real)
            total.real = static_cast<double>(real_);
        return total;
    }

private:
    std::string coluna_;
    Celula soma_;
    long double real_ = 0;
};

} // namespace

int CopiaComParceiras(TabelaCarregada& destino, const TabelaCarregada& origem, const std::vector<std::string>& colunas,
                      const std::vector<Parceira>& parceiras) {
    std::vector<std::pair<int, int>> copiadas;
    for (const std::string& nome : colunas)
        copiadas.emplace_back(Coluna(origem, nome), Coluna(destino, nome));
    std::vector<Ligada> ligadas;
    for (const Parceira& parceira : parceiras)
        ligadas.push_back(Liga(parceira, origem, destino));
    const int antes = destino.Quantos();
    Copia copia(destino, origem, std::move(ligadas));
    for (int linha = 0, quantos = origem.Quantos(); linha < quantos; ++linha)
        copia.Registro(linha, copiadas);
    return destino.Quantos() - antes;
}

int PreencheNulos(TabelaCarregada& tabela, const std::string& coluna, const std::string& texto) {
    const int indice = Coluna(tabela, coluna);
    const Celula valor{Valor::Tipo::Texto, 0, 0, texto};
    int mudados = 0;
    for (int registro = 0, quantos = tabela.Quantos(); registro < quantos; ++registro)
        if (tabela.Dados().Le(registro, indice).tipo == Valor::Tipo::Nulo) {
            tabela.Define(registro, indice, valor);
            ++mudados;
        }
    return mudados;
}

std::vector<int> OrdemEstavel(const TabelaCarregada& tabela, const std::vector<std::string>& colunas) {
    std::vector<int> indices;
    for (const std::string& nome : colunas)
        indices.push_back(Coluna(tabela, nome));
    std::vector<int> ordem(static_cast<std::size_t>(tabela.Quantos()));
    std::iota(ordem.begin(), ordem.end(), 0);
    const Registros& dados = tabela.Dados();
    std::stable_sort(ordem.begin(), ordem.end(), [&dados, &indices](int a, int b) {
        for (int coluna : indices)
            if (const int comparacao = ComparaNaOrdem(dados.Le(a, coluna), dados.Le(b, coluna)))
                return comparacao < 0;
        return false;
    });
    return ordem;
}

Totais Totaliza(const TabelaCarregada& tabela, const std::vector<Igualdade>& igualdades,
                const std::vector<std::string>& somadas) {
    struct Contada {
        int coluna;
        Comparavel constante;
        std::string guarda;
    };
    std::vector<Contada> contadas(igualdades.size());
    for (std::size_t i = 0; i < igualdades.size(); ++i) {
        Contada& contada = contadas[i];
        contada.coluna = Coluna(tabela, igualdades[i].coluna);
        const Conversao conversao = Numerica(tabela, contada.coluna) ? Conversao::ParaNumero : Conversao::ParaTexto;
        contada.constante = ComparavelDe(Celula::De(igualdades[i].constante), conversao, contada.guarda);
    }
    std::vector<int> colunasSomadas;
    std::vector<Soma> somas;
    for (const std::string& nome : somadas) {
        colunasSomadas.push_back(Coluna(tabela, nome));
        somas.emplace_back(nome);
    }
    Totais totais{std::vector<std::int64_t>(contadas.size()), std::vector<std::int64_t>(somas.size()), {}};
    const Registros& dados = tabela.Dados();
    std::string guarda;
    for (int registro = 0, quantos = tabela.Quantos(); registro < quantos; ++registro) {
        for (std::size_t i = 0; i < contadas.size(); ++i)
            totais.iguais[i] += ComparavelDe(dados.Le(registro, contadas[i].coluna), Conversao::Nenhuma, guarda) ==
                                contadas[i].constante;
        for (std::size_t i = 0; i < somas.size(); ++i) {
            const Celula valor = dados.Le(registro, colunasSomadas[i]);
            totais.negativos[i] += InteiroDaCelula(valor, somadas[i]) < 0;
            somas[i].Acrescenta(valor);
        }
    }
    for (const Soma& soma : somas)
        totais.somas.push_back(soma.Total());
    return totais;
}
