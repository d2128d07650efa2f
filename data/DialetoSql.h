#pragma once
// O dialeto dos comandos locais, analisado: seleção de colunas, contagens e somas de uma ou mais
// tabelas ligadas por igualdades no where, com ordenação; inclusão das linhas de uma seleção, com ou
// sem lista de colunas; atualização de colunas para constantes. Palavras e nomes valem sem olhar a
// caixa, constantes de texto ficam entre aspas duplas (ou simples), o comando termina em ";". O que
// fica fora disso é recusado com Falha.
#include <string>
#include <vector>

struct ColunaCitada {
    std::string tabela; // o apelido ou o nome da tabela; vazio quando a coluna vem sem ele
    std::string nome;
};

struct Operando {
    enum class Tipo { Coluna, Numero, Texto } tipo = Tipo::Numero;
    ColunaCitada coluna;
    std::string texto; // a constante como escrita (sem as aspas)
};

struct Condicao {
    enum class Tipo { Igual, Nulo, NaoNulo } tipo = Tipo::Igual;
    Operando esquerda;
    Operando direita; // só na igualdade
};

struct ItemSelecao {
    enum class Tipo { Todas, Coluna, Contagem, Soma } tipo = Tipo::Coluna;
    ColunaCitada coluna;
    std::string nome; // o nome da coluna no resultado
};

struct TabelaCitada {
    std::string nome;
    std::string apelido; // o nome pelo qual as colunas a citam
};

struct ComandoLocal {
    enum class Verbo { Selecao, Inclusao, Atualizacao } verbo = Verbo::Selecao;
    std::string alvo;                                          // inclusão e atualização
    std::vector<std::string> colunasAlvo;                      // inclusão com lista de colunas
    std::vector<std::pair<std::string, Operando>> atribuicoes; // atualização: coluna = constante
    std::vector<ItemSelecao> itens;
    std::vector<TabelaCitada> tabelas; // o FROM, na ordem escrita
    std::vector<Condicao> condicoes;   // ligadas por "and"
    std::vector<ColunaCitada> ordem;   // order by, ascendente

    // Os nomes de tabela na ordem em que aparecem: o alvo, depois o FROM.
    std::vector<std::string> Tabelas() const;
};

// Analisa o texto; levanta Falha para um comando vazio, com aspas sem fechar, fora do dialeto ou
// seguido de um segundo comando.
ComandoLocal AnalisaComando(const std::string& sql);
