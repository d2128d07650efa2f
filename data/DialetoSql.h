#pragma once
// Tradução dos comandos locais para o SQL do SQLite: constantes entre aspas duplas viram literais,
// nomes de tabela viram as tabelas carregadas, e a ordem dos registros passa a valer por construção
// (FROM em laços aninhados na ordem escrita, cada tabela na ordem dos registros; empates de um
// ORDER BY na ordem dos registros).
#include <string>
#include <utility>
#include <vector>

class ComandoLocal {
public:
    // Analisa o texto; levanta Falha para um comando vazio ou com aspas sem fechar.
    explicit ComandoLocal(const std::string& sql);

    // Nomes de tabela como escritos, na ordem em que aparecem (repetidos inclusive).
    const std::vector<std::string>& Tabelas() const { return tabelas_; }
    // Posição em Tabelas() da tabela que o comando altera; -1 num SELECT.
    int Alvo() const { return alvo_; }
    bool Inclusao() const { return inclusao_; }

    // O comando para o SQLite, com o nome carregado de cada tabela de Tabelas().
    std::string Monta(const std::vector<std::string>& nomesCarregados) const;

private:
    struct Pedaco {
        Pedaco(std::string texto_, int tabela_ = -1, std::string apelido_ = {})
            : texto(std::move(texto_)), tabela(tabela_), apelido(std::move(apelido_)) {}
        std::string texto;
        int tabela;          // o pedaço é o nome da tabela n (-1: texto comum)
        std::string apelido; // apelido a dar à tabela (vazio: nenhum)
    };
    std::vector<Pedaco> pedacos_;
    std::vector<std::string> tabelas_;
    std::vector<std::string> apelidosFrom_; // na ordem do FROM: entram no desempate

    int alvo_ = -1;
    bool inclusao_ = false;
    bool temOrdem_ = false;
    bool agregado_ = false;
    bool temFrom_ = false;
};
