#include "Tabela.h"

#include "Arquivos.h"
#include "Falha.h"
#include "Texto.h"
#include "ValorSql.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace {

bool EhNumerico(const Campo& campo) {
    return campo.tipo == 'N' || campo.tipo == 'F';
}

// Quantos caracteres o número ocupa no arquivo, com sinal e casas decimais.
int LarguraNumero(const Campo& campo, std::int64_t valor) {
    int largura = valor < 0 ? 2 : 1;
    for (std::int64_t resto = valor < 0 ? -(valor / 10) : valor / 10; resto != 0; resto /= 10)
        ++largura;
    return largura + (campo.decimais > 0 ? campo.decimais + 1 : 0);
}

} // namespace

Tabela::Tabela(Motor& motor) : motor_(motor) {}

Tabela::~Tabela() {
    if (tabela_ != nullptr) {
        try {
            Fecha();
        } catch (...) {
            // No fim do programa não há mais a quem contar: o que não gravou se perde como numa queda.
        }
    }
}

void Tabela::DefinePasta(const std::string& pasta) {
    if (Aberta())
        throw Falha("N\xe3o \xe9 poss\xedvel mudar a pasta da tabela aberta " + nome_ + ".");
    pasta_ = pasta;
}

void Tabela::DefineNome(const std::string& nome) {
    if (Aberta())
        throw Falha("N\xe3o \xe9 poss\xedvel mudar o nome da tabela aberta " + nome_ + ".");
    nome_ = nome;
}

void Tabela::Abre() {
    if (Aberta())
        return;
    if (nome_.empty())
        throw Falha("Tabela sem nome.");
    const std::string separador = !pasta_.empty() && pasta_.back() != '/' ? "/" : "";
    tabela_ = &motor_.Usa(ResolveCaminho(pasta_ + separador + nome_));
    estado_ = Estado::Navegando;
    cacheRegistro_ = 0;
    Primeiro();
}

void Tabela::ExigeAberta() const {
    if (!Aberta())
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 aberta.");
}

void Tabela::Fecha() {
    ExigeAberta();
    PostaSeHouver();
    Motor::Carregada* tabela = tabela_;
    tabela_ = nullptr;
    atual_ = 0;
    fim_ = inicio_ = true;
    motor_.Larga(*tabela);
}

void Tabela::Grava() {
    ExigeAberta();
    PostaSeHouver();
    motor_.Grava(*tabela_);
}

int Tabela::Registros() const {
    ExigeAberta();
    return static_cast<int>(tabela_->registros);
}

void Tabela::Primeiro() {
    ExigeAberta();
    PostaSeHouver();
    atual_ = Registros() > 0 ? 1 : 0;
    fim_ = atual_ == 0;
    inicio_ = true;
}

void Tabela::Proximo() {
    ExigeAberta();
    PostaSeHouver();
    inicio_ = false;
    if (atual_ < Registros())
        ++atual_;
    else
        fim_ = true;
}

void Tabela::Anterior() {
    ExigeAberta();
    PostaSeHouver();
    fim_ = Registros() == 0;
    if (atual_ > 1)
        --atual_;
    else
        inicio_ = true;
}

void Tabela::Ultimo() {
    ExigeAberta();
    PostaSeHouver();
    atual_ = Registros();
    fim_ = true;
    inicio_ = atual_ <= 1;
}

void Tabela::VaiPara(int registro) {
    ExigeAberta();
    PostaSeHouver();
    if (registro < 1 || registro > Registros())
        throw Falha("Registro " + std::to_string(registro) + " fora da tabela " + nome_ + ".");
    atual_ = registro;
    fim_ = false;
    inicio_ = registro == 1;
}

void Tabela::Inclui() {
    ExigeAberta();
    PostaSeHouver();
    if (AntesDeIncluir)
        AntesDeIncluir(*this);
    edicao_.assign(tabela_->campos.size(), Valor{});
    estado_ = Estado::Incluindo;
    mudou_ = false;
}

void Tabela::Edita() {
    ExigeAberta();
    if (estado_ != Estado::Navegando)
        return;
    if (atual_ == 0)
        throw Falha("A tabela " + nome_ + " n\xe3o tem registro para editar.");
    edicao_ = RegistroCorrente();
    estado_ = Estado::Editando;
    mudou_ = false;
}

void Tabela::Posta() {
    ExigeAberta();
    const std::string& nomeSql = tabela_->nomeSql;
    const std::size_t campos = tabela_->campos.size();
    sqlite3_stmt* comando = nullptr;
    if (estado_ == Estado::Incluindo) {
        std::string sql = "INSERT INTO " + nomeSql + " (rowid";
        std::string marcas = "?";
        for (const Campo& campo : tabela_->campos) {
            sql += ", \"" + campo.nome + "\"";
            marcas += ", ?";
        }
        sql += ") VALUES (" + marcas + ");";
        comando = motor_.Prepara(sql);
        sqlite3_bind_int64(comando, 1, tabela_->registros + 1);
    } else if (estado_ == Estado::Editando) {
        std::string sql = "UPDATE " + nomeSql + " SET ";
        for (std::size_t i = 0; i < campos; ++i)
            sql += (i ? ", \"" : "\"") + tabela_->campos[i].nome + "\" = ?";
        sql += " WHERE rowid = ?;";
        comando = motor_.Prepara(sql);
        sqlite3_bind_int(comando, static_cast<int>(campos) + 1, atual_);
    } else {
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 em edi\xe7\xe3o.");
    }
    for (std::size_t i = 0; i < campos; ++i)
        LigaValor(comando, static_cast<int>(i) + (estado_ == Estado::Incluindo ? 2 : 1), edicao_[i]);
    if (sqlite3_step(comando) != SQLITE_DONE) {
        const std::string erro = sqlite3_errmsg(motor_.Conexao());
        sqlite3_reset(comando);
        throw Falha("Erro do motor de tabelas: " + erro);
    }
    sqlite3_reset(comando);
    if (estado_ == Estado::Incluindo) {
        atual_ = static_cast<int>(++tabela_->registros);
        fim_ = inicio_ = false;
    }
    motor_.Alterou(*tabela_);
    estado_ = Estado::Navegando;
}

void Tabela::Cancela() {
    estado_ = Estado::Navegando;
}

void Tabela::PostaSeHouver() {
    if (estado_ == Estado::Navegando)
        return;
    if (mudou_)
        Posta();
    else
        Cancela();
}

int Tabela::IndiceCampo(const std::string& campo) const {
    ExigeAberta();
    const int indice = tabela_->Indice(campo);
    if (indice < 0)
        throw Falha("Campo n\xe3o encontrado na tabela " + nome_ + ": " + campo);
    return indice;
}

void Tabela::LeRegistro(int registro, std::vector<Valor>& destino) const {
    sqlite3_stmt* comando = motor_.Prepara("SELECT * FROM " + tabela_->nomeSql + " WHERE rowid = ?;");
    sqlite3_bind_int(comando, 1, registro);
    destino.assign(tabela_->campos.size(), Valor{});
    if (sqlite3_step(comando) == SQLITE_ROW)
        for (std::size_t i = 0; i < destino.size(); ++i)
            destino[i] = ValorDaColuna(comando, static_cast<int>(i));
    sqlite3_reset(comando);
}

const std::vector<Valor>& Tabela::RegistroCorrente() const {
    ExigeAberta();
    if (estado_ != Estado::Navegando)
        return edicao_;
    if (cacheRegistro_ != atual_ || cacheGeracao_ != motor_.Geracao() || cache_.size() != tabela_->campos.size()) {
        if (atual_ == 0)
            cache_.assign(tabela_->campos.size(), Valor{});
        else
            LeRegistro(atual_, cache_);
        cacheRegistro_ = atual_;
        cacheGeracao_ = motor_.Geracao();
    }
    return cache_;
}

Valor& Tabela::ValorEditavel(const std::string& campo, int& indice) {
    indice = IndiceCampo(campo);
    if (estado_ == Estado::Navegando)
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 em edi\xe7\xe3o.");
    mudou_ = true;
    return edicao_[static_cast<std::size_t>(indice)];
}

void Tabela::DefineInteiro(const std::string& campo, std::int32_t valor) {
    int indice = 0;
    Valor& destino = ValorEditavel(campo, indice);
    const Campo& definicao = tabela_->campos[static_cast<std::size_t>(indice)];
    if (!EhNumerico(definicao)) {
        DefineTexto(campo, std::to_string(valor));
        return;
    }
    if (LarguraNumero(definicao, valor) > definicao.largura)
        throw Falha("O valor " + std::to_string(valor) + " n\xe3o cabe no campo " + definicao.nome + ".");
    destino = Valor{Valor::Tipo::Inteiro, valor, 0, {}};
}

void Tabela::DefineTexto(const std::string& campo, const std::string& valor) {
    int indice = 0;
    Valor& destino = ValorEditavel(campo, indice);
    const Campo& definicao = tabela_->campos[static_cast<std::size_t>(indice)];
    if (EhNumerico(definicao)) {
        const std::string aparado = Apara(valor);
        if (aparado.empty()) {
            destino = Valor{};
        } else if (definicao.decimais == 0) {
            DefineInteiro(campo, StrToInt(valor));
        } else {
            double real = 0;
            auto [fim, erro] = std::from_chars(aparado.data(), aparado.data() + aparado.size(), real);
            if (erro != std::errc() || fim != aparado.data() + aparado.size())
                throw Falha("'" + valor + "' is not a valid floating point value");
            destino = Valor{Valor::Tipo::Real, 0, real, {}};
        }
        return;
    }
    // Texto: cortado na largura do campo, sem brancos finais; texto vazio é nulo.
    std::string texto = valor.substr(0, static_cast<std::size_t>(definicao.largura));
    while (!texto.empty() && texto.back() == ' ')
        texto.pop_back();
    destino = texto.empty() ? Valor{} : Valor{Valor::Tipo::Texto, 0, 0, texto};
}

std::int32_t Tabela::Inteiro(const std::string& campo) const {
    return InteiroDoValor(RegistroCorrente()[static_cast<std::size_t>(IndiceCampo(campo))], campo);
}

std::string Tabela::Texto(const std::string& campo) const {
    return TextoCampo(IndiceCampo(campo));
}

double Tabela::Numero(const std::string& campo) const {
    return NumeroDoValor(RegistroCorrente()[static_cast<std::size_t>(IndiceCampo(campo))]);
}

int Tabela::NumeroCampos() const {
    ExigeAberta();
    return static_cast<int>(tabela_->campos.size());
}

std::string Tabela::NomeCampo(int posicao) const {
    ExigeAberta();
    return tabela_->campos.at(static_cast<std::size_t>(posicao)).nome;
}

std::string Tabela::TextoCampo(int posicao) const {
    return TextoDoValor(RegistroCorrente().at(static_cast<std::size_t>(posicao)));
}

std::string Tabela::TextoCampoEm(int registro, int posicao) const {
    ExigeAberta();
    if (registro == atual_)
        return TextoCampo(posicao);
    std::vector<Valor> linha;
    LeRegistro(registro, linha);
    return TextoDoValor(linha.at(static_cast<std::size_t>(posicao)));
}

bool Tabela::Localiza(const std::string& chaves, const std::vector<std::int64_t>& valores) {
    ExigeAberta();
    PostaSeHouver();
    std::vector<int> indices;
    for (std::size_t inicio = 0; inicio <= chaves.size();) {
        const std::size_t fim = std::min(chaves.find(';', inicio), chaves.size());
        indices.push_back(IndiceCampo(chaves.substr(inicio, fim - inicio)));
        inicio = fim + 1;
    }
    if (indices.size() != valores.size())
        throw Falha("Localiza: " + std::to_string(indices.size()) + " campos e " + std::to_string(valores.size()) +
                    " valores.");
    std::string chave;
    for (int indice : indices)
        chave += "_" + std::to_string(indice);
    sqlite3_stmt*& localizador = tabela_->localizadores[chave];
    if (localizador == nullptr) {
        // O índice nasce no primeiro uso da chave e o SQLite o mantém nas inclusões e edições.
        std::string colunas, condicao;
        for (std::size_t i = 0; i < indices.size(); ++i) {
            const std::string nome = "\"" + tabela_->campos[static_cast<std::size_t>(indices[i])].nome + "\"";
            colunas += (i ? ", " : "") + nome;
            condicao += (i ? " AND " : "") + nome + " = ?";
        }
        motor_.Executa("CREATE INDEX IF NOT EXISTS " + tabela_->nomeSql + "ix" + chave + " ON " + tabela_->nomeSql +
                       " (" + colunas + ");");
        const std::string sql =
            "SELECT rowid FROM " + tabela_->nomeSql + " WHERE " + condicao + " ORDER BY rowid LIMIT 1;";
        if (sqlite3_prepare_v2(motor_.Conexao(), sql.c_str(), -1, &localizador, nullptr) != SQLITE_OK)
            throw Falha(std::string("Erro do motor de tabelas: ") + sqlite3_errmsg(motor_.Conexao()));
    }
    for (std::size_t i = 0; i < valores.size(); ++i)
        sqlite3_bind_int64(localizador, static_cast<int>(i) + 1, valores[i]);
    const bool achou = sqlite3_step(localizador) == SQLITE_ROW;
    if (achou) {
        atual_ = sqlite3_column_int(localizador, 0);
        fim_ = inicio_ = false;
    }
    sqlite3_reset(localizador);
    return achou;
}
