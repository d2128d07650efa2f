#pragma once
// Face falsa da janela de processamento: guarda o estado dos controles e a ordem do que a rodada fez.
#include "PainelProc.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class PainelGravador : public PainelProc {
public:
    void DefineSituacao(const std::string& texto) override;
    std::string Situacao() const override { return situacao; }
    void DefineCorSituacao(Cor cor) override;
    void DefineContador(Contador contador, const std::string& texto) override;
    std::string TextoContador(Contador contador) const override;
    void DefineFaixaProgresso(int minimo, int maximo) override;
    void DefinePosicaoProgresso(int posicao) override;
    void LimpaObs() override { obs.clear(); }
    void AcrescentaObs(const std::string& linha) override { obs.push_back(linha); }
    std::string TextoObs() const override;
    void DefineCorObs(Cor cor) override { corObs = cor; }
    void LigaGrade() override;
    void DesligaGrade() override;
    void Mensagem(const std::string& texto, const std::string& titulo) override;
    void CursorEspera() override;
    void CursorNormal() override;
    void EscondePrincipal() override;
    bool CancelamentoPedido() const override { return cancela && cancela(); }

    // Eventos na ordem: "situacao: ...", "mensagem: Titulo | texto", "grade", "cursor normal"...
    std::vector<std::string> eventos;
    // Só os textos de situação e as caixas, que é o que os testes de sequência comparam.
    std::vector<std::string> Situacoes() const;
    std::vector<std::string> Mensagens() const;

    std::string situacao;
    Cor corSituacao = Cor::FaceBotao;
    // Como os rótulos de uma janela recém-criada que já rodou: "?" até alguém contar.
    std::map<Contador, std::string> contadores{
        {Contador::BO_desc, "?"}, {Contador::BT_DESC, "?"}, {Contador::BF_DESC, "?"}};
    // Cada texto que o contador mostrou, em ordem.
    std::map<Contador, std::vector<std::string>> historicoContadores;
    int minimo = 0;
    int maximo = 100;
    std::vector<int> posicoes;
    std::vector<std::string> obs;
    Cor corObs = Cor::Vermelho;
    bool gradeLigada = false;
    bool cursorEspera = false;
    // O usuário pede para parar quando isto diz sim.
    std::function<bool()> cancela;
};
