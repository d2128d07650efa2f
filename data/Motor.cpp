#include "Motor.h"

#include "ComandoSql.h"
#include "Falha.h"
#include "ValorSql.h"

#include <sqlite3.h>
#include <strings.h>

int Motor::Carregada::Indice(const std::string& nomeCampo) const {
    for (std::size_t i = 0; i < campos.size(); ++i)
        if (::strcasecmp(campos[i].nome.c_str(), nomeCampo.c_str()) == 0)
            return static_cast<int>(i);
    return -1;
}

Motor::Carregada::~Carregada() {
    for (auto* mapa : {&localizadores, &atualizacoes})
        for (auto& [chave, comando] : *mapa)
            sqlite3_finalize(comando);
    sqlite3_finalize(inclusao);
    sqlite3_finalize(leitura);
}

Motor::Motor() {
    // Uma só linha de execução usa a conexão: sem as travas internas do SQLite.
    if (sqlite3_open_v2(":memory:", &conexao_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        throw Falha("N\xe3o foi poss\xedvel iniciar o motor de tabelas.");
    Executa("PRAGMA journal_mode=OFF;");
    Executa("PRAGMA synchronous=OFF;");
    // A base vive só na memória e nunca desfaz nada: uma transação aberta o tempo todo poupa abrir
    // e fechar uma a cada registro postado.
    Executa("BEGIN;");
}

Motor::~Motor() {
    for (auto& [sql, comando] : preparados_)
        sqlite3_finalize(comando);
    carregadas_.clear();
    sqlite3_close(conexao_);
}

sqlite3_stmt* Motor::Prepara(const std::string& sql) {
    auto achado = preparados_.find(sql);
    if (achado != preparados_.end()) {
        sqlite3_reset(achado->second);
        sqlite3_clear_bindings(achado->second);
        return achado->second;
    }
    sqlite3_stmt* comando = PreparaUmComando(conexao_, sql);
    preparados_[sql] = comando;
    return comando;
}

void Motor::Executa(const std::string& sql) {
    sqlite3_stmt* comando = PreparaUmComando(conexao_, sql);
    int passo;
    while ((passo = sqlite3_step(comando)) == SQLITE_ROW) {
    }
    sqlite3_finalize(comando);
    if (passo != SQLITE_DONE)
        throw Falha(std::string("Erro do motor de tabelas: ") + sqlite3_errmsg(conexao_));
}

void Motor::Alterou(Carregada& tabela) {
    tabela.alterada = true;
    tabela.geracao = ++geracao_;
}

Motor::Carregada& Motor::Usa(const std::string& caminho) {
    auto achada = carregadas_.find(caminho);
    if (achada != carregadas_.end()) {
        ++achada->second->usuarios;
        return *achada->second;
    }
    LeitorDbf leitor(caminho);
    auto tabela = std::make_unique<Carregada>();
    tabela->caminho = caminho;
    tabela->nomeSql = "m" + std::to_string(++contador_) + "_";
    tabela->geracao = ++geracao_;
    tabela->campos = leitor.Campos();
    tabela->driverIdioma = leitor.DriverIdioma();
    std::string criacao = "CREATE TABLE " + tabela->nomeSql + " (";
    std::string insercao = "INSERT INTO " + tabela->nomeSql + " VALUES (";
    for (std::size_t i = 0; i < tabela->campos.size(); ++i) {
        const Campo& campo = tabela->campos[i];
        const bool numero = campo.tipo == 'N' || campo.tipo == 'F';
        criacao +=
            (i ? ", " : "") + Identificador(campo.nome) + (numero ? (campo.decimais ? " REAL" : " INTEGER") : " TEXT");
        insercao += i ? ", ?" : "?";
    }
    Executa(criacao + ");");
    insercao += ");";
    sqlite3_stmt* inclui = PreparaUmComando(conexao_, insercao);
    std::vector<Valor> registro;
    try {
        while (leitor.Proximo(registro)) {
            sqlite3_reset(inclui);
            for (std::size_t i = 0; i < registro.size(); ++i)
                LigaValor(inclui, static_cast<int>(i) + 1, registro[i]);
            if (sqlite3_step(inclui) != SQLITE_DONE)
                throw Falha(std::string("Erro do motor de tabelas: ") + sqlite3_errmsg(conexao_));
            ++tabela->registros;
        }
    } catch (...) {
        sqlite3_finalize(inclui);
        Executa("DROP TABLE " + tabela->nomeSql + ";");
        throw;
    }
    sqlite3_finalize(inclui);
    tabela->usuarios = 1;
    Carregada& referencia = *tabela;
    carregadas_[caminho] = std::move(tabela);
    return referencia;
}

void Motor::Grava(Carregada& tabela) {
    if (!tabela.alterada)
        return;
    EscritorDbf escritor(tabela.caminho, tabela.campos, tabela.driverIdioma);
    sqlite3_stmt* leitura = Prepara("SELECT * FROM " + tabela.nomeSql + " ORDER BY rowid;");
    std::vector<Valor> registro(tabela.campos.size());
    int passo;
    while ((passo = sqlite3_step(leitura)) == SQLITE_ROW) {
        for (std::size_t i = 0; i < registro.size(); ++i)
            registro[i] = ValorDaColuna(leitura, static_cast<int>(i));
        escritor.Escreve(registro);
    }
    sqlite3_reset(leitura);
    if (passo != SQLITE_DONE)
        throw Falha(std::string("Erro do motor de tabelas: ") + sqlite3_errmsg(conexao_));
    escritor.Conclui();
    tabela.alterada = false;
}

void Motor::Larga(Carregada& tabela) {
    if (--tabela.usuarios > 0)
        return;
    // Mesmo que a gravação falhe a tabela sai da memória: a próxima abertura relê o disco.
    try {
        Grava(tabela);
    } catch (...) {
        Descarrega(tabela);
        throw;
    }
    Descarrega(tabela);
}

void Motor::Descarrega(Carregada& tabela) {
    const std::string nomeSql = tabela.nomeSql;
    // Comandos preparados podem citar a tabela e impedem o DROP; descarregar é raro, refazê-los é barato.
    for (auto& [sql, comando] : preparados_)
        sqlite3_finalize(comando);
    preparados_.clear();
    carregadas_.erase(tabela.caminho); // finaliza os comandos próprios da tabela
    Executa("DROP TABLE " + nomeSql + ";");
}
