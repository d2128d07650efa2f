#pragma once
// TProc: a janela de processamento. Cada vez que a principal a mostra em modo modal, faz uma rodada
// inteira ao ficar ativa, numa linha de execução à parte: a janela segue pintando e respondendo, e
// os passos chegam aos controles por chamadas enfileiradas. Depois mostra a base final na grade.
#include "Ajustes.h"
#include "Dados.h"
#include "Dialogos.h"
#include "PainelProc.h"
#include "Processamento.h"

#include <QDialog>
#include <QPrinter>
#include <array>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

class ModeloGrade;
class Navegador;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTableView;
class QThread;
class QToolButton;

class TProc : public QDialog, public PainelProc {
    Q_OBJECT
public:
    // principal: a janela que a rodada esconde e que FecharClick traz de volta.
    TProc(Ajustes& ajustes, Dados& dados, Dialogos& dialogos, QWidget* principal);
    ~TProc() override;

    // Mostra em modo modal; a rodada parte quando a janela fica ativa.
    int exec() override;
    // Da exibição até o fim da rodada (terminada, parada, cancelada ou com falha).
    bool Rodando() const { return rodando_; }

    // Chamadas dos passos: da linha da rodada, guardam o estado e vão para a tela pela fila.
    void DefineSituacao(const std::string& texto) override;
    std::string Situacao() const override;
    void DefineCorSituacao(Cor cor) override;
    void DefineContador(Contador contador, const std::string& texto) override;
    std::string TextoContador(Contador contador) const override;
    void DefineFaixaProgresso(int minimo, int maximo) override;
    void DefinePosicaoProgresso(int posicao) override;
    void LimpaObs() override;
    void AcrescentaObs(const std::string& linha) override;
    std::string TextoObs() const override;
    void DefineCorObs(Cor cor) override;
    void LigaGrade() override;
    void DesligaGrade() override;
    void Mensagem(const std::string& texto, const std::string& titulo) override;
    void CursorEspera() override;
    void CursorNormal() override;
    void EscondePrincipal() override;
    bool CancelamentoPedido() const override { return cancelar_; }

protected:
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void reject() override;

private:
    void MontaControles();
    void FormActivate();
    // De volta na linha da janela, com a rodada já encerrada.
    void FimDaRodada();
    // Situação "Falhou: " com o passo, em vermelho, e o memo com a mensagem.
    void MostraParada(const std::string& mensagem);
    void CancelarClick();
    void FecharClick();
    void ImprimeClick();
    void MostraRegistroAtual();
    // Na linha da janela faz já; da rodada, enfileira para a janela.
    void NaTela(std::function<void()> acao);
    // Contadores e progresso mudam a cada registro: uma só atualização pendente leva o último estado.
    void AgendaContadores();
    void MostraContadores();

    Ajustes& ajustes_;
    Dados& dados_;
    Dialogos& dialogos_;
    QWidget* principal_;
    Processamento processamento_;
    // O diálogo de impressão guarda a impressora e os ajustes escolhidos enquanto o programa roda.
    QPrinter ImprimeDB{QPrinter::HighResolution};
    bool rodadaPendente_ = false;
    bool rodando_ = false;
    std::unique_ptr<QThread> rodada_;
    std::exception_ptr falha_;
    std::atomic<bool> cancelar_ = false;
    // O programa fecha com a rodada no meio: nenhuma caixa a mais.
    std::atomic<bool> encerrando_ = false;
    std::atomic<bool> gradePedida_ = false;
    std::atomic<bool> contadoresPendentes_ = false;

    // O que os passos escreveram, guardado para as leituras da própria rodada.
    mutable std::mutex estado_;
    std::string situacao_;
    std::array<std::string, 3> contadores_;
    int progressoMinimo_ = 0;
    int progressoMaximo_ = 100;
    int progresso_ = 0;
    std::string obs_;
    std::string ultimaMensagem_;

    QStatusBar* SitAtual = nullptr;
    std::array<QLabel*, 3> rotulosContador_{};
    QProgressBar* Prog_BT = nullptr;
    QTableView* Resultado = nullptr;
    ModeloGrade* modelo_ = nullptr;
    Navegador* Ponteiro = nullptr;
    QToolButton* Imprime = nullptr;
    QPushButton* Cancelar = nullptr;
    QPushButton* Fechar = nullptr;
    QPlainTextEdit* Obs = nullptr;
};
