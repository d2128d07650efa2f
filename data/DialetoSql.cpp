#include "DialetoSql.h"

#include "Falha.h"

#include <cctype>
#include <strings.h>

namespace {

struct Ficha {
    enum class Tipo { Nome, Numero, Texto, Sinal, Fim } tipo;
    std::string texto;
};

bool Igual(const std::string& a, const char* b) {
    return ::strcasecmp(a.c_str(), b) == 0;
}

bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}

std::vector<Ficha> Fichas(const std::string& sql) {
    std::vector<Ficha> fichas;
    for (std::size_t i = 0; i < sql.size();) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        std::size_t j = i + 1;
        if (c <= ' ') {
            i = j;
            continue;
        }
        if (std::isalpha(c) || c == '_') {
            while (j < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[j])) || sql[j] == '_'))
                ++j;
            fichas.push_back({Ficha::Tipo::Nome, sql.substr(i, j - i)});
        } else if (EhDigito(static_cast<char>(c))) {
            while (j < sql.size() && (EhDigito(sql[j]) || sql[j] == '.'))
                ++j;
            if (j < sql.size() && (sql[j] == 'e' || sql[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < sql.size() && (sql[k] == '+' || sql[k] == '-'))
                    ++k;
                if (k < sql.size() && EhDigito(sql[k])) {
                    j = k;
                    while (j < sql.size() && EhDigito(sql[j]))
                        ++j;
                }
            }
            fichas.push_back({Ficha::Tipo::Numero, sql.substr(i, j - i)});
        } else if (c == '"' || c == '\'') {
            j = sql.find(static_cast<char>(c), i + 1);
            if (j == std::string::npos)
                throw Falha("Comando com aspas sem fechar: " + sql);
            ++j;
            fichas.push_back({Ficha::Tipo::Texto, sql.substr(i + 1, j - i - 2)});
        } else {
            fichas.push_back({Ficha::Tipo::Sinal, std::string(1, static_cast<char>(c))});
        }
        i = j;
    }
    fichas.push_back({Ficha::Tipo::Fim, ""});
    return fichas;
}

// Palavras que encerram uma lista e não podem ser apelido de tabela.
bool Reservada(const std::string& nome) {
    for (const char* palavra :
         {"select", "from", "where", "and",  "or", "order", "by",   "group", "having", "limit", "as",
          "is",     "not",  "null",  "join", "on", "set",   "into", "asc",   "desc",   "union"})
        if (Igual(nome, palavra))
            return true;
    return false;
}

class Analise {
public:
    explicit Analise(const std::string& sql) : sql_(sql), fichas_(Fichas(sql)) {}

    ComandoLocal Comando() {
        if (Atual().tipo == Ficha::Tipo::Fim)
            throw Falha("Comando SQL vazio.");
        ComandoLocal comando;
        if (Palavra("select")) {
            Selecao(comando);
        } else if (Palavra("insert")) {
            comando.verbo = ComandoLocal::Verbo::Inclusao;
            Espera("into");
            comando.alvo = Nome();
            if (Sinal("(")) {
                do
                    comando.colunasAlvo.push_back(Nome());
                while (Sinal(","));
                EsperaSinal(")");
            }
            Espera("select");
            Selecao(comando);
        } else if (Palavra("update")) {
            comando.verbo = ComandoLocal::Verbo::Atualizacao;
            comando.alvo = Nome();
            Espera("set");
            do {
                std::string coluna = Nome();
                EsperaSinal("=");
                comando.atribuicoes.emplace_back(std::move(coluna), Constante());
            } while (Sinal(","));
            if (Palavra("where"))
                Condicoes(comando);
        } else {
            throw Falha("Comando SQL n\xe3o suportado: " + sql_);
        }
        if (Atual().tipo != Ficha::Tipo::Fim && !Sinal(";"))
            Erro();
        while (Sinal(";")) {
        }
        if (Atual().tipo != Ficha::Tipo::Fim)
            throw Falha("Erro no comando SQL: mais de um comando num texto s\xf3.");
        return comando;
    }

private:
    const Ficha& Atual() const { return fichas_[posicao_]; }

    [[noreturn]] void Erro() const {
        const Ficha& ficha = Atual();
        throw Falha("Erro no comando SQL perto de " +
                    (ficha.tipo == Ficha::Tipo::Fim ? std::string("o fim") : "\"" + ficha.texto + "\"") + ": " + sql_);
    }

    bool Palavra(const char* palavra) {
        if (Atual().tipo != Ficha::Tipo::Nome || !Igual(Atual().texto, palavra))
            return false;
        ++posicao_;
        return true;
    }
    void Espera(const char* palavra) {
        if (!Palavra(palavra))
            Erro();
    }
    bool Sinal(const char* sinal) {
        if (Atual().tipo != Ficha::Tipo::Sinal || Atual().texto != sinal)
            return false;
        ++posicao_;
        return true;
    }
    void EsperaSinal(const char* sinal) {
        if (!Sinal(sinal))
            Erro();
    }
    std::string Nome() {
        if (Atual().tipo != Ficha::Tipo::Nome || Reservada(Atual().texto))
            Erro();
        return fichas_[posicao_++].texto;
    }

    ColunaCitada Coluna() {
        ColunaCitada coluna{"", Nome()};
        if (Sinal(".")) {
            coluna.tabela = coluna.nome;
            coluna.nome = Nome();
        }
        return coluna;
    }

    Operando Constante() {
        std::string sinal;
        if (Sinal("-"))
            sinal = "-";
        else
            Sinal("+");
        const Ficha& ficha = Atual();
        if (ficha.tipo == Ficha::Tipo::Numero) {
            ++posicao_;
            return {Operando::Tipo::Numero, {}, sinal + ficha.texto};
        }
        if (ficha.tipo == Ficha::Tipo::Texto && sinal.empty()) {
            ++posicao_;
            return {Operando::Tipo::Texto, {}, ficha.texto};
        }
        Erro();
    }

    Operando Termo() {
        if (Atual().tipo == Ficha::Tipo::Nome)
            return {Operando::Tipo::Coluna, Coluna(), {}};
        return Constante();
    }

    void Condicoes(ComandoLocal& comando) {
        do {
            Condicao condicao;
            condicao.esquerda = Termo();
            if (Palavra("is")) {
                condicao.tipo = Palavra("not") ? Condicao::Tipo::NaoNulo : Condicao::Tipo::Nulo;
                Espera("null");
            } else {
                EsperaSinal("=");
                condicao.direita = Termo();
            }
            comando.condicoes.push_back(std::move(condicao));
        } while (Palavra("and"));
    }

    ItemSelecao Item() {
        ItemSelecao item;
        const std::size_t inicio = posicao_;
        const bool contagem = Palavra("count");
        if (contagem || Palavra("sum")) {
            EsperaSinal("(");
            if (contagem) {
                item.tipo = ItemSelecao::Tipo::Contagem;
                EsperaSinal("*");
            } else {
                item.tipo = ItemSelecao::Tipo::Soma;
                item.coluna = Coluna();
            }
            EsperaSinal(")");
            for (std::size_t i = inicio; i < posicao_; ++i)
                item.nome += fichas_[i].texto;
        } else {
            item.coluna = Coluna();
            item.nome = item.coluna.nome;
        }
        if (Palavra("as"))
            item.nome = Nome();
        return item;
    }

    void Selecao(ComandoLocal& comando) {
        if (Sinal("*")) {
            comando.itens.push_back({ItemSelecao::Tipo::Todas, {}, {}});
        } else {
            do
                comando.itens.push_back(Item());
            while (Sinal(","));
        }
        Espera("from");
        do {
            TabelaCitada tabela{Nome(), {}};
            const bool comApelido = Palavra("as") || (Atual().tipo == Ficha::Tipo::Nome && !Reservada(Atual().texto));
            tabela.apelido = comApelido ? Nome() : tabela.nome;
            comando.tabelas.push_back(std::move(tabela));
        } while (Sinal(","));
        if (Palavra("where"))
            Condicoes(comando);
        if (Palavra("order")) {
            Espera("by");
            do {
                comando.ordem.push_back(Coluna());
                Palavra("asc");
            } while (Sinal(","));
        }
    }

    const std::string& sql_;
    std::vector<Ficha> fichas_;
    std::size_t posicao_ = 0;
};

} // namespace

std::vector<std::string> ComandoLocal::Tabelas() const {
    std::vector<std::string> nomes;
    if (verbo != Verbo::Selecao)
        nomes.push_back(alvo);
    for (const TabelaCitada& tabela : tabelas)
        nomes.push_back(tabela.nome);
    return nomes;
}

ComandoLocal AnalisaComando(const std::string& sql) {
    return Analise(sql).Comando();
}
