#pragma once
// Leitura e escrita de arquivos dBase (.dbf) inteiros, pela shapelib.
#include <cstdint>
#include <string>
#include <vector>

struct Campo {
    std::string nome; // como está no arquivo (maiúsculas)
    char tipo = 'C';  // 'C' texto, 'N' número (outros tipos são lidos como texto)
    int largura = 0;
    int decimais = 0;
};

// Valor de um campo: nulo, inteiro, real ou texto (sem brancos finais).
struct Valor {
    enum class Tipo { Nulo, Inteiro, Real, Texto } tipo = Tipo::Nulo;
    std::int64_t inteiro = 0;
    double real = 0;
    std::string texto;
};

struct ConteudoDbf {
    std::vector<Campo> campos;
    std::vector<std::vector<Valor>> registros;
    int driverIdioma = 3; // marca de página de código do cabeçalho (3: Windows ANSI 1252)
};

// Lê o arquivo todo; registros apagados ficam de fora. Levanta Falha quando o arquivo falta, não é
// uma tabela dBase ou está truncado.
ConteudoDbf LeDbf(const std::string& caminho);

// Visita os registros um a um sem guardar o arquivo todo: útil para tabelas grandes.
class LeitorDbf {
public:
    explicit LeitorDbf(const std::string& caminho);
    ~LeitorDbf();
    LeitorDbf(const LeitorDbf&) = delete;
    LeitorDbf& operator=(const LeitorDbf&) = delete;
    const std::vector<Campo>& Campos() const { return campos_; }
    int DriverIdioma() const { return driverIdioma_; }
    // Preenche o próximo registro não apagado; false no fim.
    bool Proximo(std::vector<Valor>& registro);

private:
    struct Dados;
    Dados* dados_;
    std::vector<Campo> campos_;
    int driverIdioma_ = 0;
};

// Escreve o arquivo inteiro de uma vez: primeiro um temporário ao lado, depois a troca pelo nome
// final, para que uma falha nunca deixe meio arquivo. Textos maiores que o campo são cortados;
// números que não cabem levantam Falha.
class EscritorDbf {
public:
    EscritorDbf(const std::string& caminho, const std::vector<Campo>& campos, int driverIdioma = 3);
    ~EscritorDbf();
    EscritorDbf(const EscritorDbf&) = delete;
    EscritorDbf& operator=(const EscritorDbf&) = delete;
    void Escreve(const std::vector<Valor>& registro);
    // Fecha e põe o arquivo no lugar; sem Conclui, o temporário é descartado.
    void Conclui();

private:
    struct Dados;
    Dados* dados_;
};

void GravaDbf(const std::string& caminho, const ConteudoDbf& conteudo);
