#pragma once
// O relatório impresso da base final, como um fluxo de linhas de texto (Latin-1, sem fim de linha):
// colunas alinhadas à esquerda, páginas de k registros com título, cabeçalho e rodapé "Página N".
#include "Tabela.h"

#include <functional>
#include <string>
#include <vector>

class Relatorio {
public:
    // Lê a base final inteira: larguras das colunas, cabeçalho e uma linha por registro, na ordem
    // gravada. Deixa a tabela depois do último registro.
    explicit Relatorio(Tabela& T_BF_DESC);

    const std::string& Cabecalho() const { return cabecalho_; }
    const std::vector<std::string>& LinhasRegistro() const { return registros_; }

    // Manda as linhas do relatório paginado, uma a uma; o rodapé de uma página seguida de outra
    // termina em salto de página ("\f").
    void Escreve(int k, const std::string& titulo, const std::function<void(const std::string&)>& linha) const;

private:
    std::string cabecalho_;
    std::vector<std::string> registros_;
};

// O número de registros por página a partir do texto de Linhas ("05" dá 5); fora de 1 a 99 (vazio,
// zero, não numérico) falha com a mensagem do que se espera.
int RegistrosPorPagina(const std::string& linhas);

// Título das páginas: a data de hoje já no formato curto do usuário.
std::string TituloRelatorio(const std::string& dataCurta);
