#include "Tabela.h"

#include "Arquivos.h"
#include "ComandoSql.h"
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

sqlite3_stmt* PreparaProprio(sqlite3* conexao, const std::string& sql) {
    return PreparaUmComando(conexao, sql);
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
    geracaoBloco_ = 0;
    bloco_.clear();
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
    alterados_.assign(tabela_->campos.size(), false);
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
    alterados_.assign(tabela_->campos.size(), false);
    estado_ = Estado::Editando;
    mudou_ = false;
}

void Tabela::Posta() {
    ExigeAberta();
    const std::vector<Campo>& campos = tabela_->campos;
    sqlite3_stmt* comando = nullptr;
    int posicao = 1;
    if (estado_ == Estado::Incluindo) {
        if (tabela_->inclusao == nullptr) {
            std::string sql = "INSERT INTO " + tabela_->nomeSql + " (rowid";
            std::string marcas = "?";
            for (const Campo& campo : campos) {
                sql += ", " + Identificador(campo.nome);
                marcas += ", ?";
            }
            tabela_->inclusao = PreparaProprio(motor_.Conexao(), sql + ") VALUES (" + marcas + ");");
        }
        comando = tabela_->inclusao;
        sqlite3_bind_int64(comando, posicao++, tabela_->registros + 1);
        for (const Valor& valor : edicao_)
            LigaValor(comando, posicao++, valor);
    } else if (estado_ == Estado::Editando) {
        // Só os campos mudados entram no UPDATE: assim o índice de uma chave que não mudou fica quieto.
        std::string chave(campos.size(), '0');
        for (std::size_t i = 0; i < campos.size(); ++i)
            if (alterados_[i])
                chave[i] = '1';
        sqlite3_stmt*& atualizacao = tabela_->atualizacoes[chave];
        if (atualizacao == nullptr) {
            std::string sql;
            for (std::size_t i = 0; i < campos.size(); ++i)
                if (alterados_[i])
                    sql += (sql.empty() ? "" : ", ") + Identificador(campos[i].nome) + " = ?";
            atualizacao =
                PreparaProprio(motor_.Conexao(), "UPDATE " + tabela_->nomeSql + " SET " + sql + " WHERE rowid = ?;");
        }
        comando = atualizacao;
        for (std::size_t i = 0; i < campos.size(); ++i)
            if (alterados_[i])
                LigaValor(comando, posicao++, edicao_[i]);
        sqlite3_bind_int(comando, posicao, atual_);
    } else {
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 em edi\xe7\xe3o.");
    }
    const int passo = sqlite3_step(comando);
    sqlite3_reset(comando);
    sqlite3_clear_bindings(comando);
    if (passo != SQLITE_DONE)
        throw Falha(std::string("Erro do motor de tabelas: ") + sqlite3_errmsg(motor_.Conexao()));
    if (estado_ == Estado::Incluindo) {
        atual_ = static_cast<int>(++tabela_->registros);
        fim_ = inicio_ = false;
    }
    motor_.Alterou(*tabela_);
    estado_ = Estado::Navegando;
    // O registro gravado é o que está na edição: a próxima leitura não precisa ir ao motor.
    bloco_.assign(1, std::move(edicao_));
    inicioBloco_ = atual_;
    geracaoBloco_ = tabela_->geracao;
}

void Tabela::GuardaRegistro(int registro, sqlite3_stmt* comando, int primeiraColuna) const {
    std::vector<Valor> linha;
    const int colunas = static_cast<int>(tabela_->campos.size());
    for (int i = 0; i < colunas; ++i)
        linha.push_back(ValorDaColuna(comando, primeiraColuna + i));
    bloco_.assign(1, std::move(linha));
    inicioBloco_ = registro;
    geracaoBloco_ = tabela_->geracao;
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

void Tabela::LeRegistros(int primeiro, int quantos) const {
    if (tabela_->leitura == nullptr)
        tabela_->leitura = PreparaProprio(motor_.Conexao(), "SELECT * FROM " + tabela_->nomeSql +
                                                                " WHERE rowid >= ? ORDER BY rowid LIMIT ?;");
    sqlite3_stmt* comando = tabela_->leitura;
    sqlite3_bind_int(comando, 1, primeiro);
    sqlite3_bind_int(comando, 2, quantos);
    bloco_.clear();
    inicioBloco_ = primeiro;
    geracaoBloco_ = tabela_->geracao;
    const int colunas = static_cast<int>(tabela_->campos.size());
    while (sqlite3_step(comando) == SQLITE_ROW) {
        std::vector<Valor>& linha = bloco_.emplace_back();
        for (int i = 0; i < colunas; ++i)
            linha.push_back(ValorDaColuna(comando, i));
    }
    sqlite3_reset(comando);
}

const std::vector<Valor>& Tabela::RegistroCorrente() const {
    ExigeAberta();
    if (estado_ != Estado::Navegando)
        return edicao_;
    if (atual_ == 0) {
        vazio_.assign(tabela_->campos.size(), Valor{});
        return vazio_;
    }
    const std::vector<Valor>* linha = NoBloco(atual_);
    if (linha == nullptr) {
        // Quem percorre a tabela em ordem lê um bloco de uma vez; um acesso avulso lê só o registro.
        LeRegistros(atual_, atual_ == ultimoLido_ + 1 ? 256 : 1);
        linha = NoBloco(atual_);
        if (linha == nullptr)
            throw Falha("Registro " + std::to_string(atual_) + " fora da tabela " + nome_ + ".");
    }
    ultimoLido_ = atual_;
    return *linha;
}

const std::vector<Valor>* Tabela::NoBloco(int registro) const {
    if (geracaoBloco_ != tabela_->geracao || registro < inicioBloco_ ||
        registro >= inicioBloco_ + static_cast<int>(bloco_.size()))
        return nullptr;
    return &bloco_[static_cast<std::size_t>(registro - inicioBloco_)];
}

Valor& Tabela::ValorEditavel(const std::string& campo, int& indice) {
    indice = IndiceCampo(campo);
    if (estado_ == Estado::Navegando)
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 em edi\xe7\xe3o.");
    mudou_ = true;
    alterados_[static_cast<std::size_t>(indice)] = true;
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
                throw Falha("'" + valor + "' n\xe3o \xe9 um n\xfamero v\xe1lido.");
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
    // A grade pede registros vizinhos: um bloco a partir do pedido serve as próximas linhas.
    const std::vector<Valor>* linha = NoBloco(registro);
    if (linha == nullptr) {
        LeRegistros(registro, 64);
        linha = NoBloco(registro);
    }
    if (linha == nullptr)
        throw Falha("Registro " + std::to_string(registro) + " fora da tabela " + nome_ + ".");
    return TextoDoValor(linha->at(static_cast<std::size_t>(posicao)));
}

bool Tabela::Localiza(const std::string& chaves, const std::vector<std::int64_t>& valores) {
    ExigeAberta();
    PostaSeHouver();
    sqlite3_stmt*& localizador = tabela_->localizadores[chaves];
    if (localizador == nullptr) {
        std::string colunas, condicao, nomeIndice;
        std::size_t quantas = 0;
        for (std::size_t inicio = 0; inicio <= chaves.size(); ++quantas) {
            const std::size_t fim = std::min(chaves.find(';', inicio), chaves.size());
            const int indice = IndiceCampo(chaves.substr(inicio, fim - inicio));
            const std::string nome = Identificador(tabela_->campos[static_cast<std::size_t>(indice)].nome);
            colunas += (quantas ? ", " : "") + nome;
            condicao += (quantas ? " AND " : "") + nome + " = ?";
            nomeIndice += "_" + std::to_string(indice);
            inicio = fim + 1;
        }
        if (quantas != valores.size()) {
            tabela_->localizadores.erase(chaves);
            throw Falha("Localiza: " + std::to_string(quantas) + " campos e " + std::to_string(valores.size()) +
                        " valores.");
        }
        // O índice nasce no primeiro uso da chave e o SQLite o mantém nas inclusões e edições.
        motor_.Executa("CREATE INDEX IF NOT EXISTS " + tabela_->nomeSql + "ix" + nomeIndice + " ON " +
                       tabela_->nomeSql + " (" + colunas + ");");
        localizador = PreparaProprio(motor_.Conexao(), "SELECT rowid, * FROM " + tabela_->nomeSql + " WHERE " +
                                                           condicao + " ORDER BY rowid LIMIT 1;");
    }
    for (std::size_t i = 0; i < valores.size(); ++i)
        sqlite3_bind_int64(localizador, static_cast<int>(i) + 1, valores[i]);
    const bool achou = sqlite3_step(localizador) == SQLITE_ROW;
    if (achou) {
        // O registro achado já vem inteiro: fica guardado para as leituras que seguem.
        atual_ = sqlite3_column_int(localizador, 0);
        fim_ = inicio_ = false;
        GuardaRegistro(atual_, localizador, 1);
    }
    sqlite3_reset(localizador);
    return achou;
}
