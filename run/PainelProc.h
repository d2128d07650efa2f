#pragma once
// O que os passos da rodada veem da janela de processamento: textos, contadores, progresso, memo,
// grade, caixas de mensagem e cursor. A janela e o comando em lote implementam; os testes gravam.
#include <stdexcept>
#include <string>

// Registros entre duas conferências do cancelamento dentro de um passo.
inline constexpr int LoteCancelamento = 4096;

// O usuário cancelou a rodada: sai pelos passos como uma falha e nada é publicado.
class RodadaCancelada : public std::runtime_error {
public:
    RodadaCancelada() : std::runtime_error("Rodada cancelada.") {}
};

enum class Cor { FaceBotao, Vermelho, Azul };

enum class Contador { BO_desc, BT_DESC, BF_DESC };

class PainelProc {
public:
    virtual ~PainelProc() = default;

    // Barra de situação SitAtual.
    virtual void DefineSituacao(const std::string& texto) = 0;
    virtual std::string Situacao() const = 0;
    virtual void DefineCorSituacao(Cor cor) = 0;

    // Rótulos contadores; a checagem final relê o texto.
    virtual void DefineContador(Contador contador, const std::string& texto) = 0;
    virtual std::string TextoContador(Contador contador) const = 0;

    // Barra de progresso Prog_BT.
    virtual void DefineFaixaProgresso(int minimo, int maximo) = 0;
    virtual void DefinePosicaoProgresso(int posicao) = 0;

    // Memo Obs.
    virtual void LimpaObs() = 0;
    virtual void AcrescentaObs(const std::string& linha) = 0;
    virtual std::string TextoObs() const = 0;
    virtual void DefineCorObs(Cor cor) = 0;

    // Grade Resultado e navegador Ponteiro sobre a base final.
    virtual void LigaGrade() = 0;
    virtual void DesligaGrade() = 0;

    // Caixa de mensagem com título, texto e um botão OK, sem ícone.
    virtual void Mensagem(const std::string& texto, const std::string& titulo) = 0;

    // Ampulheta da aplicação.
    virtual void CursorEspera() = 0;
    virtual void CursorNormal() = 0;

    // Janela principal escondida durante a rodada.
    virtual void EscondePrincipal() = 0;

    // O usuário pediu para parar; os passos conferem entre si e de lote em lote de registros.
    virtual bool CancelamentoPedido() const { return false; }
    void ConfereCancelamento() const {
        if (CancelamentoPedido())
            throw RodadaCancelada();
    }
};
