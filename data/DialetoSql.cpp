#include "DialetoSql.h"

#include "ComandoSql.h"
#include "Falha.h"

#include <cctype>
#include <strings.h>

namespace {

struct Ficha {
    enum class Tipo { Nome, Texto, Outro, Branco } tipo;
    std::string texto;
};

bool Igual(const std::string& a, const char* b) {
    return ::strcasecmp(a.c_str(), b) == 0;
}

std::vector<Ficha> Fichas(const std::string& sql) {
    std::vector<Ficha> fichas;
    for (std::size_t i = 0; i < sql.size();) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        std::size_t j = i + 1;
        if (c <= ' ') {
            while (j < sql.size() && static_cast<unsigned char>(sql[j]) <= ' ')
                ++j;
            fichas.push_back({Ficha::Tipo::Branco, " "});
        } else if (std::isalpha(c) || c == '_') {
            while (j < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[j])) || sql[j] == '_'))
                ++j;
            fichas.push_back({Ficha::Tipo::Nome, sql.substr(i, j - i)});
        } else if (c == '"' || c == '\'') {
            j = sql.find(static_cast<char>(c), i + 1);
            if (j == std::string::npos)
                throw Falha("Comando com aspas sem fechar: " + sql);
            ++j;
            const std::string conteudo = sql.substr(i + 1, j - i - 2);
            // Constante de texto do dialeto: vira literal SQL, com o apóstrofo dobrado.
            std::string literal = "'";
            for (char letra : conteudo)
                literal += letra == '\'' ? std::string("''") : std::string(1, letra);
            fichas.push_back({Ficha::Tipo::Texto, literal + "'"});
        } else {
            fichas.push_back({Ficha::Tipo::Outro, std::string(1, static_cast<char>(c))});
        }
        i = j;
    }
    return fichas;
}

bool FimDaListaFrom(const Ficha& ficha) {
    if (ficha.tipo == Ficha::Tipo::Outro)
        return ficha.texto == ";" || ficha.texto == ")";
    for (const char* palavra :
         {"where", "order", "group", "having", "limit", "union", "join", "inner", "left", "cross", "on"})
        if (ficha.tipo == Ficha::Tipo::Nome && Igual(ficha.texto, palavra))
            return true;
    return false;
}

} // namespace

ComandoLocal::ComandoLocal(const std::string& sql) {
    const std::vector<Ficha> fichas = Fichas(sql);
    auto proximaNaoBranca = [&](std::size_t i) {
        while (i < fichas.size() && fichas[i].tipo == Ficha::Tipo::Branco)
            ++i;
        return i;
    };
    const std::size_t primeiro = proximaNaoBranca(0);
    if (primeiro == fichas.size())
        throw Falha("Comando SQL vazio.");
    const std::string& verbo = fichas[primeiro].texto;
    inclusao_ = Igual(verbo, "insert");
    const bool atualizacao = Igual(verbo, "update");
    if (!inclusao_ && !atualizacao && !Igual(verbo, "select"))
        throw Falha("Comando SQL n\xe3o suportado: " + sql);

    auto acrescentaTabela = [&](const std::string& nome, const std::string& apelido) {
        tabelas_.push_back(nome);
        pedacos_.push_back({nome, static_cast<int>(tabelas_.size()) - 1, apelido});
    };
    // Uma tabela do FROM, "nome [as] [apelido]", a partir da ficha n; devolve a última ficha lida.
    auto tabelaDoFrom = [&](std::size_t n) {
        std::size_t depois = proximaNaoBranca(n + 1);
        std::string apelido = fichas[n].texto;
        std::size_t ultima = n;
        if (depois < fichas.size() && Igual(fichas[depois].texto, "as"))
            depois = proximaNaoBranca(depois + 1);
        if (depois < fichas.size() && fichas[depois].tipo == Ficha::Tipo::Nome && !FimDaListaFrom(fichas[depois])) {
            apelido = fichas[depois].texto;
            ultima = depois;
        }
        apelidosFrom_.push_back(apelido);
        acrescentaTabela(fichas[n].texto, apelido);
        return ultima;
    };

    int profundidade = 0;
    for (std::size_t i = 0; i < fichas.size(); ++i) {
        const Ficha& ficha = fichas[i];
        if (ficha.texto == "(")
            ++profundidade;
        if (ficha.texto == ")")
            --profundidade;
        const bool nome = ficha.tipo == Ficha::Tipo::Nome && profundidade == 0;
        if (nome && Igual(ficha.texto, "order"))
            temOrdem_ = true;
        if (nome && Igual(ficha.texto, "group"))
            agregado_ = true;
        if (ficha.tipo == Ficha::Tipo::Nome) {
            const std::size_t seguinte = proximaNaoBranca(i + 1);
            for (const char* funcao : {"count", "sum", "avg", "min", "max", "total", "group_concat"})
                if (Igual(ficha.texto, funcao) && seguinte < fichas.size() && fichas[seguinte].texto == "(")
                    agregado_ = true;
        }
        const bool alvoSeguinte = nome && ((inclusao_ && Igual(ficha.texto, "into")) || (atualizacao && i == primeiro));
        if (alvoSeguinte) {
            pedacos_.push_back({ficha.texto + " "});
            const std::size_t n = proximaNaoBranca(i + 1);
            if (n < fichas.size() && fichas[n].tipo == Ficha::Tipo::Nome) {
                alvo_ = static_cast<int>(tabelas_.size());
                acrescentaTabela(fichas[n].texto, "");
                i = n;
            }
            continue;
        }
        if (nome && Igual(ficha.texto, "from")) {
            temFrom_ = true;
            pedacos_.push_back({ficha.texto});
            // Lista do FROM: tabelas separadas por vírgula; a vírgula vira CROSS JOIN, que no SQLite
            // fixa a ordem dos laços na ordem escrita.
            std::size_t k = i + 1;
            bool esperaTabela = true;
            for (; k < fichas.size() && !FimDaListaFrom(fichas[k]); ++k) {
                if (fichas[k].tipo == Ficha::Tipo::Nome && esperaTabela) {
                    k = tabelaDoFrom(k);
                    esperaTabela = false;
                } else if (fichas[k].texto == ",") {
                    pedacos_.push_back({" CROSS JOIN "});
                    esperaTabela = true;
                } else {
                    pedacos_.push_back({fichas[k].texto});
                }
            }
            i = k - 1;
            continue;
        }
        pedacos_.push_back({ficha.texto});
    }
    if (alvo_ < 0 && (inclusao_ || atualizacao))
        throw Falha("Comando SQL sem tabela: " + sql);
}
std::string ComandoLocal::Monta(const std::vector<std::string>& nomesCarregados) const {
    std::string sql;
    for (const Pedaco& pedaco : pedacos_) {
        if (pedaco.tabela < 0) {
            sql += pedaco.texto;
            continue;
        }
        sql += nomesCarregados.at(static_cast<std::size_t>(pedaco.tabela));
        if (!pedaco.apelido.empty())
            sql += " AS " + Identificador(pedaco.apelido);
    }
    // Desempate pela ordem dos registros, tabela a tabela na ordem do FROM.
    const bool ordena = temFrom_ && !agregado_ && (alvo_ < 0 || inclusao_);
    if (ordena && !apelidosFrom_.empty()) {
        std::string desempate;
        for (std::size_t i = 0; i < apelidosFrom_.size(); ++i)
            desempate += (i ? ", " : "") + Identificador(apelidosFrom_[i]) + ".rowid";
        std::size_t fim = sql.find_last_not_of(" \t\r\n");
        const bool pontoEVirgula = fim != std::string::npos && sql[fim] == ';';
        if (pontoEVirgula)
            sql.erase(fim);
        sql += temOrdem_ ? ", " + desempate : " ORDER BY " + desempate;
        if (pontoEVirgula)
            sql += ";";
    }
    return sql;
}
