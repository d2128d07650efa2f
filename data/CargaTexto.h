#pragma once
// Carga de um arquivo de entrada do usuário numa tabela: cada linha com ";" vira um registro. Comum
// às bases original e de tradução e às duas bases extras. O que a leitura teve de trocar (um valor
// consertado para "0", um caractere sem lugar em Windows-1252, uma linha de títulos) vira aviso.
#include "Aviso.h"
#include "Tabela.h"

#include <functional>
#include <string>
#include <vector>

// Um campo da linha, na ordem do arquivo: o nome do campo da tabela, o texto no rascunho, o texto
// de quando falta, e se vai à tabela como inteiro (conversão estrita) ou como texto.
struct CampoEntrada {
    const char* nome;
    std::string* rascunho;
    const char* padrao;
    bool inteiro;
};

struct RegrasCarga {
    std::vector<CampoEntrada> campos;
    // Regras do último campo, sobre o rascunho já sem aspas (corte na largura, marca de exceção).
    std::function<void()> regraUltimoCampo;
    // Opcional: o que muda no rascunho antes do conserto (a data escrita por extenso).
    std::function<void()> antesDoConserto;
};

struct ResultadoCarga {
    long long linhasLidas = 0;
    int registros = 0;
};

// Lê o arquivo e inclui um registro por linha de dados na tabela aberta; o gancho de antes de
// incluir da tabela conserta o rascunho. `incluido` roda depois de cada registro postado, com o
// número da linha. Os avisos da leitura entram em `avisos` na ordem de linha e campo.
// Levanta Falha quando o arquivo não pode ser lido ou está em UTF-16, quando tem linhas mas nenhuma
// vira registro, e quando um valor não converte para inteiro (arquivo, linha e campo na mensagem).
ResultadoCarga CarregaTexto(const std::string& caminho, const RegrasCarga& regras, Tabela& tabela,
                            std::vector<Aviso>& avisos, const std::function<void(long long linha)>& incluido);
