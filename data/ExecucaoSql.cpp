#include "ExecucaoSql.h"

#include "Comparacao.h"
#include "Falha.h"

#include <algorithm>
#include <charconv>
#include <strings.h>

namespace {

bool Igual(const std::string& a, const std::string& b) {
    return ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

[[noreturn]] void ErroSql(const std::string& motivo) {
    throw Falha("Erro no comando SQL: " + motivo);
}

std::string Escrita(const ColunaCitada& coluna) {
    return coluna.tabela.empty() ? coluna.nome : coluna.tabela + "." + coluna.nome;
}

// Uma tabela do FROM e o nome pelo qual as colunas a citam.
struct Fonte {
    TabelaCarregada* tabela;
    std::string apelido;
};

// Um operando ligado: a coluna de uma das fontes, ou uma constante.
struct Termo {
    int fonte = -1; // -1: constante
    int coluna = -1;
    Celula constante;
    bool numerico = false; // a coluna é numérica (a constante não tem tipo de coluna)
};

Termo Liga(const Operando& operando, const std::vector<Fonte>& fontes) {
    Termo termo;
    if (operando.tipo == Operando::Tipo::Texto) {
        termo.constante = {Valor::Tipo::Texto, 0, 0, operando.texto};
        return termo;
    }
    if (operando.tipo == Operando::Tipo::Numero) {
        const auto numero = NumeroDoTexto(operando.texto);
        if (!numero)
            ErroSql("n\xfamero inv\xe1lido: " + operando.texto);
        termo.constante = *numero;
        return termo;
    }
    const ColunaCitada& citada = operando.coluna;
    for (std::size_t f = 0; f < fontes.size(); ++f) {
        if (!citada.tabela.empty() && !Igual(citada.tabela, fontes[f].apelido))
            continue;
        const int coluna = fontes[f].tabela->Dados().Indice(citada.nome);
        if (coluna < 0)
            continue;
        if (termo.fonte >= 0)
            ErroSql("coluna amb\xedgua: " + Escrita(citada));
        termo.fonte = static_cast<int>(f);
        termo.coluna = coluna;
        termo.numerico = EhCampoNumerico(fontes[f].tabela->Dados().Campos()[static_cast<std::size_t>(coluna)]);
    }
    if (termo.fonte < 0)
        ErroSql("coluna desconhecida: " + Escrita(citada));
    return termo;
}

// As conversões da igualdade: contra uma coluna numérica o outro lado vira número; uma constante
// contra uma coluna de texto vira texto; duas constantes, ou duas colunas do mesmo tipo, como estão.
std::pair<Conversao, Conversao> ConversoesDaIgualdade(const Termo& a, const Termo& b) {
    const auto afinidade = [](const Termo& termo) { return termo.fonte < 0 ? 0 : (termo.numerico ? 2 : 1); };
    const int x = afinidade(a), y = afinidade(b);
    if (x == 2 && y < 2)
        return {Conversao::Nenhuma, Conversao::ParaNumero};
    if (y == 2 && x < 2)
        return {Conversao::ParaNumero, Conversao::Nenhuma};
    if (x == 1 && y == 0)
        return {Conversao::Nenhuma, Conversao::ParaTexto};
    if (y == 1 && x == 0)
        return {Conversao::ParaTexto, Conversao::Nenhuma};
    return {Conversao::Nenhuma, Conversao::Nenhuma};
}

struct Filtro {
    Condicao::Tipo tipo;
    Termo a, b;
    Conversao conversaoA = Conversao::Nenhuma, conversaoB = Conversao::Nenhuma;
};

// Uma igualdade entre uma coluna da tabela deste nível e um termo de um nível de fora.
struct Ligacao {
    int coluna;
    Conversao conversao;
    Termo fora;
    Conversao conversaoFora;
};

struct Nivel {
    std::vector<Filtro> filtros;
    std::vector<Ligacao> ligacoes;
    const IndiceChave* indice = nullptr;
    // A chave procurada no índice, refeita a cada registro de fora.
    std::vector<Comparavel> chave;
    std::vector<std::string> guardas;
};

// Os laços aninhados do FROM, com cada condição no nível mais fundo que ela cita.
class Juncao {
public:
    Juncao(const ComandoLocal& comando, std::vector<Fonte> fontes)
        : fontes_(std::move(fontes)), niveis_(fontes_.size()) {
        for (const Condicao& condicao : comando.condicoes) {
            Filtro filtro{condicao.tipo, Liga(condicao.esquerda, fontes_), {}};
            if (condicao.tipo == Condicao::Tipo::Igual) {
                filtro.b = Liga(condicao.direita, fontes_);
                std::tie(filtro.conversaoA, filtro.conversaoB) = ConversoesDaIgualdade(filtro.a, filtro.b);
            }
            const int nivel = std::max(filtro.a.fonte, filtro.b.fonte);
            const int outro = std::min(filtro.a.fonte, filtro.b.fonte);
            if (nivel < 0) {
                constantes_.push_back(filtro);
            } else if (condicao.tipo == Condicao::Tipo::Igual && outro >= 0 && outro != nivel) {
                const bool aDentro = filtro.a.fonte == nivel;
                niveis_[static_cast<std::size_t>(nivel)].ligacoes.push_back(
                    {aDentro ? filtro.a.coluna : filtro.b.coluna, aDentro ? filtro.conversaoA : filtro.conversaoB,
                     aDentro ? filtro.b : filtro.a, aDentro ? filtro.conversaoB : filtro.conversaoA});
            } else {
                niveis_[static_cast<std::size_t>(nivel)].filtros.push_back(filtro);
            }
        }
        for (std::size_t n = 0; n < niveis_.size(); ++n) {
            Nivel& nivel = niveis_[n];
            if (nivel.ligacoes.empty())
                continue;
            std::vector<int> colunas;
            std::vector<Conversao> conversoes;
            for (const Ligacao& ligacao : nivel.ligacoes) {
                colunas.push_back(ligacao.coluna);
                conversoes.push_back(ligacao.conversao);
            }
            nivel.indice = &fontes_[n].tabela->Indice(colunas, conversoes);
            nivel.chave.resize(colunas.size());
            nivel.guardas.resize(colunas.size());
        }
    }

    const std::vector<Fonte>& Fontes() const { return fontes_; }

    // Visita, em ordem, cada combinação de registros (um por tabela do FROM) que passa nas condições;
    // durante a visita, Valor() lê os campos da combinação.
    template <typename Visita>
    void ParaCada(Visita&& visita) {
        linha_.assign(fontes_.size(), 0);
        for (const Filtro& filtro : constantes_)
            if (!Passa(filtro))
                return;
        if (!fontes_.empty())
            Percorre(0, visita);
    }
    // As mesmas combinações guardadas, lado a lado.
    std::vector<std::int32_t> Linhas() {
        std::vector<std::int32_t> linhas;
        ParaCada([&linhas, this] { linhas.insert(linhas.end(), linha_.begin(), linha_.end()); });
        return linhas;
    }

    Celula Valor(const Termo& termo) const {
        return termo.fonte < 0 ? termo.constante
                               : fontes_[static_cast<std::size_t>(termo.fonte)].tabela->Dados().Le(
                                     linha_[static_cast<std::size_t>(termo.fonte)], termo.coluna);
    }
    void PoeLinha(const std::int32_t* linha) { linha_.assign(linha, linha + fontes_.size()); }

private:
    bool Passa(const Filtro& filtro) {
        const Celula a = Valor(filtro.a);
        if (filtro.tipo != Condicao::Tipo::Igual)
            return (a.tipo == Valor::Tipo::Nulo) == (filtro.tipo == Condicao::Tipo::Nulo);
        return ComparavelDe(a, filtro.conversaoA, guardaA_) ==
               ComparavelDe(Valor(filtro.b), filtro.conversaoB, guardaB_);
    }

    bool PassaNivel(const Nivel& nivel) {
        for (const Filtro& filtro : nivel.filtros)
            if (!Passa(filtro))
                return false;
        return true;
    }

    template <typename Visita>
    void Percorre(std::size_t n, Visita& visita) {
        if (n == fontes_.size()) {
            visita();
            return;
        }
        Nivel& nivel = niveis_[n];
        if (nivel.indice == nullptr) {
            const int quantos = fontes_[n].tabela->Quantos();
            for (int r = 0; r < quantos; ++r) {
                linha_[n] = r;
                if (PassaNivel(nivel))
                    Percorre(n + 1, visita);
            }
            return;
        }
        // A chave procurada sai dos registros de fora já escolhidos.
        std::vector<Comparavel>& chave = nivel.chave;
        for (std::size_t i = 0; i < chave.size(); ++i)
            chave[i] = ComparavelDe(Valor(nivel.ligacoes[i].fora), nivel.ligacoes[i].conversaoFora, nivel.guardas[i]);
        for (int r = nivel.indice->Primeiro(chave); r >= 0; r = nivel.indice->Proximo(r, chave)) {
            linha_[n] = r;
            if (PassaNivel(nivel))
                Percorre(n + 1, visita);
        }
    }

    std::vector<Fonte> fontes_;
    std::vector<Nivel> niveis_;
    std::vector<Filtro> constantes_;
    std::vector<std::int32_t> linha_;
    std::string guardaA_, guardaB_;
};

std::vector<Fonte> FontesDo(const ComandoLocal& comando, const std::vector<TabelaCarregada*>& tabelas) {
    const std::size_t primeira = tabelas.size() - comando.tabelas.size();
    std::vector<Fonte> fontes;
    for (std::size_t i = 0; i < comando.tabelas.size(); ++i)
        fontes.push_back({tabelas[primeira + i], comando.tabelas[i].apelido});
    return fontes;
}

// Uma coluna do resultado: um termo ligado, ou uma contagem ou soma.
struct Saida {
    ItemSelecao::Tipo tipo;
    Termo termo;
    std::string nome;
    Campo campo;
};

std::vector<Saida> Saidas(const ComandoLocal& comando, const std::vector<Fonte>& fontes) {
    std::vector<Saida> saidas;
    for (const ItemSelecao& item : comando.itens) {
        if (item.tipo == ItemSelecao::Tipo::Todas) {
            for (std::size_t f = 0; f < fontes.size(); ++f) {
                const std::vector<Campo>& campos = fontes[f].tabela->Dados().Campos();
                for (std::size_t c = 0; c < campos.size(); ++c) {
                    Termo termo;
                    termo.fonte = static_cast<int>(f);
                    termo.coluna = static_cast<int>(c);
                    saidas.push_back({ItemSelecao::Tipo::Coluna, termo, campos[c].nome, campos[c]});
                }
            }
            continue;
        }
        if (item.tipo == ItemSelecao::Tipo::Contagem) {
            saidas.push_back({item.tipo, {}, item.nome, Campo{item.nome, 'N', 20, 0}});
            continue;
        }
        const Termo termo = Liga({Operando::Tipo::Coluna, item.coluna, {}}, fontes);
        Campo campo = fontes[static_cast<std::size_t>(termo.fonte)].tabela->Dados().Campos()[static_cast<std::size_t>(
            termo.coluna)];
        if (item.tipo == ItemSelecao::Tipo::Soma)
            campo = Campo{item.nome, 'N', 20, 0};
        saidas.push_back({item.tipo, termo, item.nome, campo});
    }
    const auto agregada = [](const Saida& saida) { return saida.tipo != ItemSelecao::Tipo::Coluna; };
    if (std::any_of(saidas.begin(), saidas.end(), agregada) && !std::all_of(saidas.begin(), saidas.end(), agregada))
        ErroSql("contagem ou soma misturada com colunas soltas");
    return saidas;
}

// A soma como o SQL a dá: inteira enquanto só há inteiros, real quando entra um real, nula sem
// nenhum valor.
class Soma {
public:
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
            ErroSql("a soma passou de 64 bits");
        }
    }
    Celula Total() const {
        Celula total = soma_;
        if (total.tipo == Valor::Tipo::Real)
            total.real = static_cast<double>(real_);
        return total;
    }

private:
    Celula soma_;
    long double real_ = 0;
};

// Ordena as combinações pelas colunas do "order by", sem mexer na ordem dos empates.
void Ordena(Juncao& juncao, const ComandoLocal& comando, std::vector<std::int32_t>& linhas, std::size_t largura) {
    if (comando.ordem.empty() || largura == 0)
        return;
    std::vector<Termo> chaves;
    for (const ColunaCitada& coluna : comando.ordem)
        chaves.push_back(Liga({Operando::Tipo::Coluna, coluna, {}}, juncao.Fontes()));
    std::vector<std::size_t> ordem(linhas.size() / largura);
    for (std::size_t i = 0; i < ordem.size(); ++i)
        ordem[i] = i;
    const auto valor = [&](std::size_t linha, const Termo& termo) {
        return juncao.Fontes()[static_cast<std::size_t>(termo.fonte)].tabela->Dados().Le(
            linhas[linha * largura + static_cast<std::size_t>(termo.fonte)], termo.coluna);
    };
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
        for (const Termo& termo : chaves)
            if (const int comparacao = ComparaNaOrdem(valor(a, termo), valor(b, termo)))
                return comparacao < 0;
        return false;
    });
    std::vector<std::int32_t> ordenadas;
    ordenadas.reserve(linhas.size());
    for (std::size_t i : ordem)
        ordenadas.insert(ordenadas.end(), linhas.begin() + static_cast<std::ptrdiff_t>(i * largura),
                         linhas.begin() + static_cast<std::ptrdiff_t>((i + 1) * largura));
    linhas = std::move(ordenadas);
}

// A seleção do comando como linhas de valores, na ordem do resultado.
struct Resultado {
    std::vector<Saida> saidas;
    std::vector<std::vector<Celula>> agregadas; // uma linha só, quando há contagem ou soma
    std::vector<std::int32_t> linhas;
    std::size_t largura = 0;
};

Resultado Executa(const ComandoLocal& comando, Juncao& juncao) {
    Resultado resultado;
    resultado.saidas = Saidas(comando, juncao.Fontes());
    resultado.largura = juncao.Fontes().size();
    if (resultado.saidas[0].tipo == ItemSelecao::Tipo::Coluna) {
        resultado.linhas = juncao.Linhas();
        Ordena(juncao, comando, resultado.linhas, resultado.largura);
        return resultado;
    }
    // Contagens e somas numa passada, sem guardar as combinações.
    std::int64_t contagem = 0;
    std::vector<Soma> somas(resultado.saidas.size());
    juncao.ParaCada([&] {
        ++contagem;
        for (std::size_t s = 0; s < somas.size(); ++s)
            if (resultado.saidas[s].tipo == ItemSelecao::Tipo::Soma)
                somas[s].Acrescenta(juncao.Valor(resultado.saidas[s].termo));
    });
    std::vector<Celula> linha;
    for (std::size_t s = 0; s < somas.size(); ++s)
        linha.push_back(resultado.saidas[s].tipo == ItemSelecao::Tipo::Contagem
                            ? Celula{Valor::Tipo::Inteiro, contagem, 0, {}}
                            : somas[s].Total());
    resultado.agregadas.push_back(std::move(linha));
    return resultado;
}

// Percorre as linhas do resultado, entregando os valores de cada uma.
template <typename Visita>
void ParaCadaLinha(Juncao& juncao, const Resultado& resultado, Visita&& visita) {
    if (!resultado.agregadas.empty()) {
        visita(resultado.agregadas[0]);
        return;
    }
    std::vector<Celula> valores(resultado.saidas.size());
    for (std::size_t i = 0; i < resultado.linhas.size(); i += resultado.largura) {
        juncao.PoeLinha(&resultado.linhas[i]);
        for (std::size_t s = 0; s < valores.size(); ++s)
            valores[s] = juncao.Valor(resultado.saidas[s].termo);
        visita(valores);
    }
}

std::size_t QuantasLinhas(const Resultado& resultado) {
    return resultado.agregadas.empty() ? resultado.linhas.size() / std::max<std::size_t>(resultado.largura, 1) : 1;
}

int Inclui(const ComandoLocal& comando, TabelaCarregada& alvo, Juncao& juncao) {
    const std::vector<Campo>& campos = alvo.Dados().Campos();
    std::vector<int> destinos;
    if (comando.colunasAlvo.empty()) {
        for (std::size_t c = 0; c < campos.size(); ++c)
            destinos.push_back(static_cast<int>(c));
    } else {
        for (const std::string& nome : comando.colunasAlvo) {
            const int coluna = alvo.Dados().Indice(nome);
            if (coluna < 0)
                ErroSql("a tabela " + comando.alvo + " n\xe3o tem a coluna " + nome);
            destinos.push_back(coluna);
        }
    }
    const std::vector<Saida> saidas = Saidas(comando, juncao.Fontes());
    if (destinos.size() != saidas.size())
        ErroSql("a inclus\xe3o em " + comando.alvo + " espera " + std::to_string(destinos.size()) +
                " valores e a sele\xe7\xe3o d\xe1 " + std::to_string(saidas.size()));
    std::vector<Celula> registro(campos.size());
    const auto inclui = [&](const std::vector<Celula>& valores) {
        std::fill(registro.begin(), registro.end(), Celula{});
        for (std::size_t i = 0; i < destinos.size(); ++i)
            registro[static_cast<std::size_t>(destinos[i])] = valores[i];
        alvo.Acrescenta(registro);
    };
    // Sem ordenação, contagem nem o alvo entre as tabelas lidas, cada combinação vai direto para o
    // alvo; senão a seleção inteira fica pronta antes da primeira inclusão.
    const bool alvoLido = std::any_of(juncao.Fontes().begin(), juncao.Fontes().end(),
                                      [&alvo](const Fonte& fonte) { return fonte.tabela == &alvo; });
    if (!alvoLido && comando.ordem.empty() && saidas[0].tipo == ItemSelecao::Tipo::Coluna) {
        const int antes = alvo.Quantos();
        std::vector<Celula> valores(saidas.size());
        juncao.ParaCada([&] {
            for (std::size_t s = 0; s < valores.size(); ++s)
                valores[s] = juncao.Valor(saidas[s].termo);
            inclui(valores);
        });
        return alvo.Quantos() - antes;
    }
    const Resultado resultado = Executa(comando, juncao);
    ParaCadaLinha(juncao, resultado, inclui);
    return static_cast<int>(QuantasLinhas(resultado));
}

int Atualiza(const ComandoLocal& comando, TabelaCarregada& alvo, Juncao& juncao) {
    std::vector<std::pair<int, Celula>> atribuicoes;
    for (const auto& [nome, constante] : comando.atribuicoes) {
        const int coluna = alvo.Dados().Indice(nome);
        if (coluna < 0)
            ErroSql("a tabela " + comando.alvo + " n\xe3o tem a coluna " + nome);
        atribuicoes.emplace_back(coluna, Liga(constante, {}).constante);
    }
    const std::vector<std::int32_t> linhas = juncao.Linhas();
    for (std::int32_t registro : linhas)
        for (const auto& [coluna, valor] : atribuicoes)
            alvo.Define(registro, coluna, valor);
    return static_cast<int>(linhas.size());
}

} // namespace

LinhasSelecionadas Seleciona(const ComandoLocal& comando, const std::vector<TabelaCarregada*>& tabelas) {
    Juncao juncao(comando, FontesDo(comando, tabelas));
    const Resultado resultado = Executa(comando, juncao);
    std::vector<Campo> campos;
    LinhasSelecionadas selecionadas;
    for (const Saida& saida : resultado.saidas) {
        selecionadas.nomes.push_back(saida.nome);
        campos.push_back(saida.campo);
    }
    selecionadas.registros = Registros(std::move(campos));
    ParaCadaLinha(juncao, resultado,
                  [&selecionadas](const std::vector<Celula>& valores) { selecionadas.registros.Acrescenta(valores); });
    return selecionadas;
}

int ExecutaMudanca(const ComandoLocal& comando, const std::vector<TabelaCarregada*>& tabelas) {
    TabelaCarregada& alvo = *tabelas.at(0);
    if (comando.verbo == ComandoLocal::Verbo::Inclusao) {
        Juncao juncao(comando, FontesDo(comando, tabelas));
        return Inclui(comando, alvo, juncao);
    }
    // A atualização filtra os registros do próprio alvo, que as condições citam pelo nome dele.
    ComandoLocal filtro;
    filtro.tabelas.push_back({comando.alvo, comando.alvo});
    filtro.condicoes = comando.condicoes;
    Juncao juncao(filtro, {{&alvo, comando.alvo}});
    return Atualiza(comando, alvo, juncao);
}
