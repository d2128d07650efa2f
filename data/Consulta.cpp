#include "Consulta.h"

#include "Arquivos.h"
#include "ConversaoValor.h"
#include "Falha.h"
#include "Motor.h"

#include <exception>
#include <filesystem>
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
    const std::vector<TabelaCarregada*>& Usadas() const { return usadas_; }

private:
    Motor& motor_;
    const int excecoes_ = std::uncaught_exceptions();
    std::vector<TabelaCarregada*> usadas_;
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
    const ComandoLocal comando = AnalisaComando(sql_);
    TabelasDoComando tabelas(motor_, pasta_, comando);
    if (comando.verbo == ComandoLocal::Verbo::Selecao)
        Seleciona(comando, tabelas.Usadas());
    else
        ExecutaMudanca(comando, tabelas.Usadas());
}

void Consulta::Abre() {
    Fecha();
    const ComandoLocal comando = AnalisaComando(sql_);
    if (comando.verbo != ComandoLocal::Verbo::Selecao)
        throw Falha("O comando n\xe3o devolve registros: " + sql_);
    TabelasDoComando tabelas(motor_, pasta_, comando);
    linhas_ = Seleciona(comando, tabelas.Usadas());
    Primeiro();
}

void Consulta::Fecha() {
    linhas_.reset();
    fim_ = true;
    atual_ = 0;
}

void Consulta::Primeiro() {
    atual_ = 0;
    fim_ = Registros() == 0;
}

void Consulta::Proximo() {
    if (atual_ + 1 < Registros())
        ++atual_;
    else
        fim_ = true;
}

int Consulta::Registros() const {
    return linhas_ ? linhas_->registros.Quantos() : 0;
}

Celula Consulta::ValorCampo(const std::string& campo) const {
    if (!linhas_)
        throw Falha("A consulta n\xe3o est\xe1 aberta.");
    for (std::size_t i = 0; i < linhas_->nomes.size(); ++i)
        if (::strcasecmp(linhas_->nomes[i].c_str(), campo.c_str()) == 0) {
            if (Registros() == 0)
                throw Falha("A consulta n\xe3o tem registros.");
            return linhas_->registros.Le(atual_, static_cast<int>(i));
        }
    throw Falha("Campo n\xe3o encontrado na consulta: " + campo);
}

std::int32_t Consulta::Inteiro(const std::string& campo) const {
    return InteiroDaCelula(ValorCampo(campo), campo);
}

std::string Consulta::Texto(const std::string& campo) const {
    return TextoDaCelula(ValorCampo(campo));
}

double Consulta::Numero(const std::string& campo) const {
    return NumeroDaCelula(ValorCampo(campo));
}
