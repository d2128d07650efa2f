#pragma once
// A face da janela de processamento no terminal: cada texto de situação vira uma linha na saída,
// cada contador é escrito com seu valor final antes da próxima situação, as caixas de mensagem
// viram linhas na saída de erros e o memo Obs é escrito no fim. Com a saída de erros num terminal,
// uma linha viva mostra situação, contadores e barra de progresso, redesenhada no máximo ~60 vezes
// por segundo; os textos finais são sempre os exatos.
#include "PainelProc.h"

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

class PainelTerminal : public PainelProc {
public:
    PainelTerminal(std::ostream& saida, std::ostream& erros, bool linhaViva);

    void DefineSituacao(const std::string& texto) override;
    std::string Situacao() const override { return situacao_; }
    void DefineCorSituacao(Cor) override {}
    void DefineContador(Contador contador, const std::string& texto) override;
    std::string TextoContador(Contador contador) const override;
    void DefineFaixaProgresso(int minimo, int maximo) override;
    void DefinePosicaoProgresso(int posicao) override;
    void LimpaObs() override { obs_.clear(); }
    void AcrescentaObs(const std::string& linha) override { obs_.push_back(linha); }
    std::string TextoObs() const override;
    void DefineCorObs(Cor) override {}
    void LigaGrade() override {}
    void DesligaGrade() override {}
    void Mensagem(const std::string& texto, const std::string& titulo) override;
    void CursorEspera() override {}
    void CursorNormal() override {}
    void EscondePrincipal() override {}

    // Fim da rodada (terminada ou não), uma vez só: escreve os contadores pendentes e o memo Obs.
    void Conclui();
    // Uma linha na saída de erros (a caixa geral de erro), depois dos contadores pendentes.
    void Erro(const std::string& texto);

private:
    struct Rotulo {
        const char* titulo;
        std::string texto = "?";
        bool pendente = false;
    };
    void EscrevePendentes();
    void ApagaLinhaViva();
    void DesenhaLinhaViva(bool forcar);

    std::ostream& saida_;
    std::ostream& erros_;
    bool linhaViva_;
    bool linhaVisivel_ = false;
    std::chrono::steady_clock::time_point ultimoDesenho_{};
    std::string situacao_;
    Rotulo rotulos_[3] = {{"Base original"}, {"Base de tradu\xe7\xe3o"}, {"Base traduzida"}};
    int minimo_ = 0;
    int maximo_ = 100;
    int posicao_ = 0;
    std::vector<std::string> obs_;
};
