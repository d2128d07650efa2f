// Alvo de fuzzing: tabelas de conteúdo qualquer (códigos pequenos para haver pares, nulos, nomes)
// passam pelas operações do motor que a rodada usa (localizar, copiar com uma e com duas parceiras,
// preencher os nulos, contar e somar, ordenar) e cada resultado é conferido contra uma avaliação por
// força bruta: laços aninhados na ordem dos registros, nulo nunca igual a nada, ordenação estável.
#include "AreaTrabalho.h"
#include "Falha.h"
#include "Motor.h"
#include "Operacoes.h"
#include "PastaDoAlvo.h"
#include "Tabela.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using Numero = std::optional<std::int32_t>;
using Texto = std::optional<std::string>;

struct Original {
    Numero uf, mun, pop1, pop2;
};
struct NomeMun {
    Numero uf, mun;
    Texto nome;
};
struct SiglaUf {
    Numero uf;
    Texto sigla;
};

// Lê os bytes da entrada um a um; acabados, dá zeros.
class Leitura {
public:
    Leitura(const std::uint8_t* dados, std::size_t tamanho) : dados_(dados), tamanho_(tamanho) {}
    std::uint8_t Um() { return posicao_ < tamanho_ ? dados_[posicao_++] : 0; }
    bool Fim() const { return posicao_ >= tamanho_; }
    // Um código de 0 a `faixa` - 1, ou nulo.
    Numero Codigo(int faixa) {
        const std::uint8_t b = Um();
        return b >= 0xF0 ? Numero{} : Numero{b % faixa};
    }
    Numero Populacao() {
        const std::uint8_t alto = Um();
        return alto == 0xFF ? Numero{} : Numero{static_cast<std::int8_t>(alto) * 256 + Um()};
    }
    Texto Nome(std::size_t largura) {
        const std::uint8_t b = Um();
        if (b >= 0xF0)
            return {};
        return std::string(1 + b % std::min<std::size_t>(largura, 3), static_cast<char>('A' + b % 26));
    }

private:
    const std::uint8_t* dados_;
    std::size_t tamanho_;
    std::size_t posicao_ = 0;
};

[[noreturn]] void Diverge(const std::string& operacao, const std::string& esperado, const std::string& obtido) {
    std::fprintf(stderr, "%s: esperado\n%s\nobtido\n%s\n", operacao.c_str(), esperado.c_str(), obtido.c_str());
    std::abort();
}

Valor ValorDe(const Numero& numero) {
    return numero ? Valor{Valor::Tipo::Inteiro, *numero, 0, {}} : Valor{};
}
Valor ValorDe(const Texto& texto) {
    return texto ? Valor{Valor::Tipo::Texto, 0, 0, *texto} : Valor{};
}
std::string TextoDe(const Numero& numero) {
    return numero ? std::to_string(*numero) : "";
}
std::string TextoDe(const Texto& texto) {
    return texto.value_or("");
}
bool Iguais(const Numero& a, const Numero& b) {
    return a && b && *a == *b;
}

void Grava(const std::string& pasta, const std::string& arquivo, const std::vector<std::vector<Valor>>& registros) {
    for (const AreaTrabalho::Modelo& modelo : AreaTrabalho::Modelos())
        if (modelo.arquivo == arquivo)
            GravaDbf(pasta + arquivo, ConteudoDbf{modelo.campos, registros, 3});
}

// As linhas de uma tabela como texto, campos separados por "|".
std::string Linhas(Tabela& tabela) {
    std::string linhas;
    for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo()) {
        for (int campo = 0; campo < tabela.NumeroCampos(); ++campo)
            linhas += (campo ? "|" : "") + tabela.TextoCampo(campo);
        linhas += "\n";
    }
    return linhas;
}

std::string LinhaFinal(const Numero& uf, const Numero& mun, const Texto& sigla, const Texto& nome, const Numero& pop1,
                       const Numero& pop2) {
    return TextoDe(uf) + "|" + TextoDe(mun) + "|" + TextoDe(sigla) + "|" + TextoDe(nome) + "|" + TextoDe(pop1) + "|" +
           TextoDe(pop2) + "\n";
}

// Nulo antes de número, números pelo valor.
bool AntesNaOrdem(const Numero& a, const Numero& b) {
    return !a ? b.has_value() : b && *a < *b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const PastaDoAlvo alvo;
    const std::string pasta = alvo.Sistema() + "Trabalho/";
    alvo.Escreve("Trabalho/.existe", "");
    Leitura bytes(dados, tamanho);
    const int quantos[3] = {bytes.Um() % 24, bytes.Um() % 24, bytes.Um() % 8};
    std::vector<Original> originais;
    std::vector<NomeMun> nomes;
    std::vector<SiglaUf> siglas;
    for (int i = 0; i < quantos[0]; ++i)
        originais.push_back({bytes.Codigo(4), bytes.Codigo(6), bytes.Populacao(), bytes.Populacao()});
    for (int i = 0; i < quantos[1]; ++i)
        nomes.push_back({bytes.Codigo(4), bytes.Codigo(6), bytes.Nome(50)});
    for (int i = 0; i < quantos[2]; ++i)
        siglas.push_back({bytes.Codigo(4), bytes.Nome(2)});
    const bool comSiglas = bytes.Um() % 2 == 1;

    std::vector<std::vector<Valor>> registros;
    for (const Original& o : originais)
        registros.push_back({ValorDe(o.uf), ValorDe(o.mun), ValorDe(o.pop1), ValorDe(o.pop2)});
    Grava(pasta, AreaTrabalho::Original, registros);
    registros.clear();
    for (const NomeMun& n : nomes)
        registros.push_back({ValorDe(n.uf), ValorDe(n.mun), ValorDe(n.nome)});
    Grava(pasta, AreaTrabalho::DefMunMaiusc, registros);
    registros.clear();
    for (const SiglaUf& s : siglas)
        registros.push_back({ValorDe(s.uf), ValorDe(s.sigla)});
    Grava(pasta, AreaTrabalho::DefUfMaiusc, registros);
    Grava(pasta, AreaTrabalho::Final, {});

    Motor motor;
    Tabela original(motor);
    original.DefinePasta(pasta);
    original.DefineNome(AreaTrabalho::Original);
    original.Abre();
    Tabela final(motor);
    final.DefinePasta(pasta);
    final.DefineNome(AreaTrabalho::Final);
    final.Abre();
    const auto abre = [&pasta](Tabela& tabela, const std::string& nome) -> TabelaCarregada& {
        tabela.DefinePasta(pasta);
        tabela.DefineNome(nome);
        tabela.Abre();
        return tabela.Carregada();
    };
    Tabela defMun(motor), defUf(motor);
    Parceira porNome{&abre(defMun, AreaTrabalho::DefMunMaiusc), {"CD_UF", "CD_MUN"}, "MUN", "MUN"};
    Parceira porSigla{&abre(defUf, AreaTrabalho::DefUfMaiusc), {"CD_UF"}, "SG_UF", "UF"};
    const std::vector<std::string> copiadas{"CD_UF", "CD_MUN", "POP1", "POP2"};

    // Localizar: o primeiro registro com a chave, ou o cursor onde estava.
    for (std::int32_t uf = 0; uf < 4; ++uf)
        for (std::int32_t mun = 0; mun < 6; ++mun) {
            original.Primeiro();
            const int antes = original.RegistroAtual();
            int achado = 0;
            for (std::size_t i = 0; i < originais.size() && achado == 0; ++i)
                if (Iguais(originais[i].uf, uf) && Iguais(originais[i].mun, mun))
                    achado = static_cast<int>(i) + 1;
            const bool achou = original.Localiza("CD_UF;CD_MUN", {uf, mun});
            const int esperado = achado > 0 ? achado : antes;
            if (achou != (achado > 0) || original.RegistroAtual() != esperado)
                Diverge("localiza " + std::to_string(uf) + ";" + std::to_string(mun), std::to_string(esperado),
                        std::to_string(original.RegistroAtual()));
        }

    // A inclusão da base final por junção, como a rodada a faz, e a troca dos nulos.
    std::string esperado;
    if (comSiglas) {
        CopiaComParceiras(final.Carregada(), original.Carregada(), copiadas, {porSigla, porNome});
        for (const Original& a : originais)
            for (const SiglaUf& b : siglas)
                for (const NomeMun& c : nomes)
                    if (Iguais(a.uf, b.uf) && Iguais(a.uf, c.uf) && Iguais(a.mun, c.mun))
                        esperado += LinhaFinal(a.uf, a.mun, b.sigla, c.nome, a.pop1, a.pop2);
    } else {
        CopiaComParceiras(final.Carregada(), original.Carregada(), copiadas, {porNome});
        for (const Original& a : originais)
            for (const NomeMun& b : nomes)
                if (Iguais(a.uf, b.uf) && Iguais(a.mun, b.mun))
                    esperado += LinhaFinal(a.uf, a.mun, {}, b.nome, a.pop1, a.pop2);
    }
    if (const std::string obtido = Linhas(final); obtido != esperado)
        Diverge("jun\xe7\xe3o", esperado, obtido);
    PreencheNulos(final.Carregada(), "MUN", "<nome inexistente>");
    std::string atualizado;
    for (std::size_t inicio = 0; inicio < esperado.size();) {
        const std::size_t fim = esperado.find('\n', inicio);
        std::string linha = esperado.substr(inicio, fim - inicio);
        const std::size_t nome = linha.find('|', linha.find('|', linha.find('|') + 1) + 1) + 1;
        if (linha[nome] == '|')
            linha.insert(nome, "<nome inexistente>");
        atualizado += linha + "\n";
        inicio = fim + 1;
    }
    if (const std::string obtido = Linhas(final); obtido != atualizado)
        Diverge("atualiza\xe7\xe3o dos nulos", atualizado, obtido);

    // Contar: os registros com o código dado (nulo não conta), e somar as populações (nulo fica de fora).
    std::vector<Igualdade> igualdades;
    for (std::int32_t codigo = 0; codigo < 6; ++codigo)
        igualdades.push_back({"CD_MUN", {Valor::Tipo::Inteiro, codigo, 0, {}}});
    const Totais totais = Totaliza(original.Carregada(), igualdades, {"POP1", "POP2"});
    std::string contados, esperados;
    for (std::int32_t codigo = 0; codigo < 6; ++codigo) {
        contados += std::to_string(totais.iguais[static_cast<std::size_t>(codigo)]) + " ";
        esperados += std::to_string(std::count_if(originais.begin(), originais.end(),
                                                  [codigo](const Original& o) { return Iguais(o.mun, codigo); })) +
                     " ";
    }
    std::int64_t soma = 0, negativos = 0;
    for (const Original& o : originais) {
        soma += o.pop1.value_or(0);
        negativos += o.pop1.value_or(0) < 0;
    }
    contados += std::to_string(totais.somas[0].inteiro) + " " + std::to_string(totais.negativos[0]);
    esperados += std::to_string(soma) + " " + std::to_string(negativos);
    if (contados != esperados)
        Diverge("contagem", esperados, contados);

    // Ordenar: estável, nulo antes de número.
    std::vector<Original> ordenados = originais;
    std::stable_sort(ordenados.begin(), ordenados.end(), [](const Original& a, const Original& b) {
        return AntesNaOrdem(a.uf, b.uf) || (!AntesNaOrdem(b.uf, a.uf) && AntesNaOrdem(a.pop2, b.pop2));
    });
    std::string emOrdem;
    for (const Original& o : ordenados)
        emOrdem += TextoDe(o.uf) + "|" + TextoDe(o.mun) + "|" + TextoDe(o.pop1) + "|" + TextoDe(o.pop2) + "\n";
    std::string obtido;
    for (const int registro : OrdemEstavel(original.Carregada(), {"CD_UF", "POP2"})) {
        original.VaiPara(registro + 1);
        obtido += original.Texto("CD_UF") + "|" + original.Texto("CD_MUN") + "|" + original.Texto("POP1") + "|" +
                  original.Texto("POP2") + "\n";
    }
    if (obtido != emOrdem)
        Diverge("ordena\xe7\xe3o", emOrdem, obtido);
    original.Fecha();
    final.Fecha();
    defMun.Fecha();
    defUf.Fecha();
    return 0;
}
