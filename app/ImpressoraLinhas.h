#pragma once
// A camada de impressão de linhas: texto corrido numa fonte escolhida, cada linha na margem esquerda,
// uma abaixo da outra. Salto de página ("\f") começa página nova; uma linha que não cabe na altura
// que resta vai para a página seguinte; uma linha mais larga que a página continua na de baixo.
#include <QFont>
#include <QPainter>
#include <string>

class QPrinter;

class ImpressoraLinhas {
public:
    explicit ImpressoraLinhas(QPrinter& impressora);
    ~ImpressoraLinhas();
    ImpressoraLinhas(const ImpressoraLinhas&) = delete;
    ImpressoraLinhas& operator=(const ImpressoraLinhas&) = delete;

    // Começa o trabalho na impressora; levanta Falha quando ela não aceita.
    void Inicia();
    void DefineFonte(const QString& nome, int pontos);
    // Uma linha de texto Latin-1 seguida do seu fim de linha (CR LF).
    void Escreve(const std::string& linha);
    // Termina o trabalho; levanta Falha quando a impressora não o conclui.
    void Termina();
    // Desiste de um trabalho começado (depois de uma falha).
    void Abandona();

private:
    void Caractere(char c);
    void DesenhaPendente();
    void GaranteLugar();
    void NovaPagina();

    QPrinter& impressora_;
    QPainter pintor_;
    QFont fonte_;
    double y_ = 0;
    double alturaLinha_ = 0;
    double largura_ = 0;
    double altura_ = 0;
    // A página nova só é pedida quando algo vai ser desenhado nela: um salto no fim do texto não
    // deixa folha em branco.
    bool paginaPedida_ = false;
    std::string pendente_;
};
