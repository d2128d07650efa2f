#pragma once
// Leitura das linhas de dados de um arquivo de entrada do usuário para o rascunho: corte em campos,
// aspas, linhas de títulos, regras do último campo, caracteres sem lugar em Windows-1252 e o conserto,
// cada troca virando um aviso com o lugar. A carga nas tabelas e a preparação da base de tradução
// leem a base original do mesmo jeito.
#include "Aviso.h"
#include "LeitorEntrada.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Um campo da linha, na ordem do arquivo: o nome do campo da tabela, o texto no rascunho, o texto
// de quando falta, e se vai à tabela como inteiro (conversão estrita) ou como texto; a largura do
// texto (0: sem limite) e se um texto guardado como está é ainda assim um número (a data).
struct CampoEntrada {
    const char* nome;
    std::string* rascunho;
    const char* padrao;
    bool inteiro;
    std::size_t largura = 0;
    bool numerico = false;
};

class LeituraDados;

struct RegrasCarga {
    std::vector<CampoEntrada> campos;
    // Regras do último campo, sobre o rascunho já sem aspas (a marca de exceção).
    std::function<void()> regraUltimoCampo = nullptr;
    // Opcional: o que muda no rascunho antes do conserto (a data escrita por extenso).
    std::function<void()> antesDoConserto = nullptr;
    // O último campo pode faltar sem aviso (a marca de exceção vazia).
    bool ultimoOpcional = false;
    // Opcional: recusa a linha (Falha com o lugar) antes do conserto.
    std::function<void(const LeituraDados&)> confere = nullptr;
    // O conserto da linha no rascunho (troca por "0" o que não passa no teste do campo), que
    // LeituraDados::Conserta roda e avisa.
    std::function<void()> conserto = nullptr;
};

class LeituraDados {
public:
    // Abre o arquivo (Falha quando ilegível ou em UTF-16); os avisos vão para `avisos`, na ordem de
    // linha e campo.
    LeituraDados(const std::string& caminho, const RegrasCarga& regras, std::vector<Aviso>& avisos);

    // Deixa no rascunho a próxima linha de dados, pronta para o conserto; false no fim. Um arquivo com
    // texto mas sem nenhuma linha de dados levanta Falha com o nome dele.
    bool Proxima();
    // Roda o conserto das regras e avisa cada troca.
    void Conserta();
    // O inteiro do campo no rascunho; a falha da conversão diz arquivo, linha e campo.
    std::int32_t Inteiro(const CampoEntrada& campo) const;
    // Falha "ARQUIVO, linha N, campo C: motivo".
    [[noreturn]] void Recusa(const CampoEntrada& campo, const std::string& motivo) const;
    const std::string& Nome() const { return leitor_.Nome(); }
    const RegrasCarga& Regras() const { return regras_; }

    long long NumeroLinha() const { return leitor_.NumeroLinha(); }
    long long LinhasLidas() const { return linhasLidas_; }

private:
    struct AvisoDoCampo {
        std::size_t campo;
        Aviso aviso;
    };
    Aviso AvisoDaLinha(const char* campo, const std::string& tipo, const std::string& texto) const;
    void PassaAvisosDaLinha();
    // A linha sem ";": nota de títulos quando começa por letra, senão achado; branca, nada.
    void PulaSemSeparador();
    // Campos que faltam, textos longos demais e milhares agrupados, cada um com o seu aviso.
    void ArrumaCampos(std::size_t presentes);
    void AvisaCtrlZ();

    LeitorEntrada leitor_;
    const RegrasCarga& regras_;
    std::vector<Aviso>& avisos_;
    std::string linha_;
    std::vector<std::string> antes_;
    std::vector<AvisoDoCampo> daLinha_;
    long long linhasLidas_ = 0;
    long long naoBrancas_ = 0;
    long long comSeparador_ = 0;
    long long dados_ = 0;
    bool fim_ = false;
};
