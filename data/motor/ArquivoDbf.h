#pragma once
// Leitura e escrita de arquivos dBase (.dbf) inteiros. A abertura confere o cabeçalho pela shapelib;
// os registros são lidos e escritos aqui, em blocos grandes.
#include "ImpressaoDigital.h"
#include "Valor.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct Campo {
    std::string nome; // como está no arquivo (maiúsculas)
    char tipo = 'C';  // 'C' texto, 'N' número (outros tipos são lidos como texto)
    int largura = 0;
    int decimais = 0;
};

bool EhCampoNumerico(const Campo& campo);

struct ConteudoDbf {
    std::vector<Campo> campos;
    std::vector<std::vector<Valor>> registros;
    int driverIdioma = 3; // marca de página de código do cabeçalho (3: Windows ANSI 1252)
};

// Visita os registros um a um, sem guardar o arquivo todo.
class LeitorDbf {
public:
    explicit LeitorDbf(const std::string& caminho);
    ~LeitorDbf();
    LeitorDbf(const LeitorDbf&) = delete;
    LeitorDbf& operator=(const LeitorDbf&) = delete;
    const std::vector<Campo>& Campos() const { return campos_; }
    int DriverIdioma() const { return driverIdioma_; }
    // Preenche o próximo registro não apagado; false no fim. Os textos das células valem até a
    // próxima chamada.
    bool Proximo(std::vector<Celula>& registro);
    // Depois do último registro: a impressão do cabeçalho e dos registros, a mesma de ImpressaoDbf.
    std::uint64_t ImpressaoLida() const { return impressao_.Valor(); }

private:
    std::string caminho_;
    std::vector<Campo> campos_;
    std::vector<int> deslocamentos_;
    int driverIdioma_ = 0;
    int registros_ = 0;
    int tamanhoRegistro_ = 0;
    int proximo_ = 0;
    std::FILE* arquivo_ = nullptr;
    std::vector<char> bloco_;
    std::size_t noBloco_ = 0; // registros já visitados do bloco
    std::size_t doBloco_ = 0; // registros lidos no bloco
    ImpressaoDigital impressao_;
};

// A impressão digital do cabeçalho e dos registros de um .dbf, sem interpretar os registros; 0 quando
// o arquivo não abre.
std::uint64_t ImpressaoDbf(const std::string& caminho);

// Escreve o arquivo inteiro de uma vez: primeiro um temporário ao lado, depois a troca pelo nome
// final, para que uma falha nunca deixe meio arquivo. Textos maiores que o campo são cortados;
// números que não cabem levantam Falha.
class EscritorDbf {
public:
    EscritorDbf(const std::string& caminho, const std::vector<Campo>& campos, int driverIdioma = 3);
    ~EscritorDbf();
    EscritorDbf(const EscritorDbf&) = delete;
    EscritorDbf& operator=(const EscritorDbf&) = delete;
    // Um valor por campo, na ordem dos campos.
    void Escreve(const Celula* registro);
    void Escreve(const std::vector<Valor>& registro);
    // Fecha e põe o arquivo no lugar; sem Conclui, o temporário é descartado.
    void Conclui();

private:
    void Descarrega();
    std::string caminho_;
    std::string temporario_;
    std::vector<Campo> campos_;
    std::string cabecalho_;
    std::FILE* arquivo_ = nullptr;
    std::string bloco_;
    std::size_t tamanhoRegistro_ = 0;
    std::uint32_t registros_ = 0;
    std::vector<Celula> celulas_;
};

void GravaDbf(const std::string& caminho, const ConteudoDbf& conteudo);
