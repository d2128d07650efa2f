#include "Consulta.h"

#include "Arquivos.h"
#include "ComandoSql.h"
#include "DialetoSql.h"
#include "Falha.h"
#include "Motor.h"
#include "ValorSql.h"

#include <exception>
#include <filesystem>
#include <sqlite3.h>
#include <strings.h>

namespace {

// A pasta e o arquivo procurados, por inteiro: um comando sem pasta definida procura na pasta corrente
// do programa, e é ela que a mensagem diz.
std::string CaminhoInteiro(const std::string& caminho) {
    std::error_code erro;
    const std::filesystem::path inteiro = std::filesystem::absolute(caminho, erro);
    return erro ? caminho : inteiro.lexically_normal().string();
}

// As tabelas que o comando cita ficam em uso enquanto ele roda; ao sair, cada uma é largada (a que
// só o comando usava é gravada e descarregada).
class TabelasDoComando {
public:
    TabelasDoComando(Motor& motor, const std::string& pasta, const ComandoLocal& comando) : motor_(motor) {
        const std::string separador = !pasta.empty() && pasta.back() != '/' ? "/" : "";
        for (const std::string& nome : comando.Tabelas()) {
            const std::string caminho = ResolveCaminho(pasta + separador + nome + ".dbf");
            if (!ArquivoExiste(caminho))
                throw Falha("Tabela n\xe3o encontrada: " + CaminhoInteiro(caminho));
            usadas_.push_back(&motor_.Usa(caminho));
            nomes_.push_back(usadas_.back()->nomeSql);
        }
    }
    ~TabelasDoComando() noexcept(false) {
        // Saindo por causa de outra falha, a de gravar não pode subir por cima dela.
        const bool desfazendo = std::uncaught_exceptions() > excecoes_;
        std::exception_ptr primeira;
        for (auto* tabela : usadas_) {
            try {
                motor_.Larga(*tabela);
            } catch (...) {
                if (!primeira)
                    primeira = std::current_exception();
            }
        }
        if (primeira && !desfazendo)
            std::rethrow_exception(primeira);
    }
    TabelasDoComando(const TabelasDoComando&) = delete;
    TabelasDoComando& operator=(const TabelasDoComando&) = delete;
    Motor::Carregada& operator[](std::size_t i) { return *usadas_.at(i); }
    const std::vector<std::string>& Nomes() const { return nomes_; }

private:
    Motor& motor_;
    const int excecoes_ = std::uncaught_exceptions();
    std::vector<Motor::Carregada*> usadas_;
    std::vector<std::string> nomes_;
};

class Preparado {
public:
    Preparado(sqlite3* conexao, const std::string& sql) {
        comando_ = PreparaUmComando(conexao, sql, "Erro no comando SQL: ");
    }
    ~Preparado() { sqlite3_finalize(comando_); }
    Preparado(const Preparado&) = delete;
    Preparado& operator=(const Preparado&) = delete;
    sqlite3_stmt* operator*() const { return comando_; }

private:
    sqlite3_stmt* comando_ = nullptr;
};

} // namespace

Consulta::Consulta(Motor& motor) : motor_(motor) {}

void Consulta::DefinePasta(const std::string& pasta) {
    pasta_ = pasta;
}

void Consulta::LimpaSql() {
    Fecha();
    sql_.clear();
}

void Consulta::AcrescentaSql(const std::string& linha) {
    Fecha();
    sql_ += (sql_.empty() ? "" : "\n") + linha;
}

void Consulta::Executa() {
    Fecha();
    const ComandoLocal comando(sql_);
    TabelasDoComando tabelas(motor_, pasta_, comando);
    Preparado preparado(motor_.Conexao(), comando.Monta(tabelas.Nomes()));
    int passo;
    while ((passo = sqlite3_step(*preparado)) == SQLITE_ROW) {
    }
    if (passo != SQLITE_DONE)
        throw Falha(std::string("Erro no comando SQL: ") + sqlite3_errmsg(motor_.Conexao()));
    if (comando.Alvo() >= 0 && sqlite3_changes(motor_.Conexao()) > 0) {
        Motor::Carregada& alvo = tabelas[static_cast<std::size_t>(comando.Alvo())];
        if (comando.Inclusao())
            alvo.registros += sqlite3_changes(motor_.Conexao());
        motor_.Alterou(alvo);
    }
}

void Consulta::Abre() {
    Fecha();
    const ComandoLocal comando(sql_);
    if (comando.Alvo() >= 0)
        throw Falha("O comando n\xe3o devolve registros: " + sql_);
    TabelasDoComando tabelas(motor_, pasta_, comando);
    Preparado preparado(motor_.Conexao(), comando.Monta(tabelas.Nomes()));
    const int colunas = sqlite3_column_count(*preparado);
    for (int i = 0; i < colunas; ++i)
        colunas_.emplace_back(sqlite3_column_name(*preparado, i));
    int passo;
    while ((passo = sqlite3_step(*preparado)) == SQLITE_ROW) {
        std::vector<Valor> linha;
        for (int i = 0; i < colunas; ++i)
            linha.push_back(ValorDaColuna(*preparado, i));
        linhas_.push_back(std::move(linha));
    }
    if (passo != SQLITE_DONE) {
        colunas_.clear();
        linhas_.clear();
        throw Falha(std::string("Erro no comando SQL: ") + sqlite3_errmsg(motor_.Conexao()));
    }
    aberta_ = true;
    Primeiro();
}

void Consulta::Fecha() {
    aberta_ = false;
    fim_ = true;
    atual_ = 0;
    colunas_.clear();
    linhas_.clear();
}

void Consulta::Primeiro() {
    atual_ = 0;
    fim_ = linhas_.empty();
}

void Consulta::Proximo() {
    if (atual_ + 1 < linhas_.size())
        ++atual_;
    else
        fim_ = true;
}

int Consulta::Registros() const {
    return static_cast<int>(linhas_.size());
}

const Valor& Consulta::ValorCampo(const std::string& campo) const {
    if (!aberta_)
        throw Falha("A consulta n\xe3o est\xe1 aberta.");
    for (std::size_t i = 0; i < colunas_.size(); ++i)
        if (::strcasecmp(colunas_[i].c_str(), campo.c_str()) == 0) {
            if (linhas_.empty())
                throw Falha("A consulta n\xe3o tem registros.");
            return linhas_[atual_][i];
        }
    throw Falha("Campo n\xe3o encontrado na consulta: " + campo);
}

std::int32_t Consulta::Inteiro(const std::string& campo) const {
    return InteiroDoValor(ValorCampo(campo), campo);
}

std::string Consulta::Texto(const std::string& campo) const {
    return TextoDoValor(ValorCampo(campo));
}

double Consulta::Numero(const std::string& campo) const {
    return NumeroDoValor(ValorCampo(campo));
}
