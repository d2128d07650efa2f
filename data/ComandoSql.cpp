#include "ComandoSql.h"

#include "Falha.h"

#include <sqlite3.h>

std::string Identificador(const std::string& nome) {
    std::string citado = "\"";
    for (char c : nome) {
        citado += c;
        if (c == '"')
            citado += '"';
    }
    return citado + "\"";
}

bool NomeDeCampoValido(const std::string& nome) {
    if (nome.empty() || nome.size() > 10)
        return false;
    for (char c : nome)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

sqlite3_stmt* PreparaUmComando(sqlite3* conexao, const std::string& sql, const std::string& prefixo) {
    sqlite3_stmt* comando = nullptr;
    const char* resto = nullptr;
    if (sqlite3_prepare_v2(conexao, sql.c_str(), static_cast<int>(sql.size()), &comando, &resto) != SQLITE_OK)
        throw Falha(prefixo + sqlite3_errmsg(conexao));
    for (; resto != nullptr && *resto != '\0'; ++resto)
        if (*resto != ';' && static_cast<unsigned char>(*resto) > 32) {
            sqlite3_finalize(comando);
            throw Falha(prefixo + "mais de um comando num texto s\xf3.");
        }
    return comando;
}
