#pragma once
// TProc: a janela de processamento. Cada vez que a principal a mostra em modo modal, faz uma rodada
// inteira ao ficar ativa, segurando a linha da interface; depois mostra a base final na grade.
#include "Ajustes.h"
#include "Dados.h"
#include "Dialogos.h"
#include "PainelProc.h"
#include "Processamento.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPrinter>
#include <array>

class ModeloGrade;
class Navegador;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTableView;
class QToolButton;

class TProc : public QDialog, public PainelProc {
    Q_OBJECT
public:
    // principal: a janela que a rodada esconde e que FecharClick traz de volta.
    TProc(Ajustes& ajustes, Dados& dados, Dialogos& dialogos, QWidget* principal);
    ~TProc() override;

    // Mostra em modo modal; a rodada parte quando a janela fica ativa.
    int exec() override;

    void DefineSituacao(const std::string& texto) override;
    std::string Situacao() const override { return situacao_; }
    void DefineCorSituacao(Cor cor) override;
    void DefineContador(Contador contador, const std::string& texto) override;
    std::string TextoContador(Contador contador) const override;
    void DefineFaixaProgresso(int minimo, int maximo) override;
    void DefinePosicaoProgresso(int posicao) override;
    void LimpaObs() override;
    void AcrescentaObs(const std::string& linha) override;
    std::string TextoObs() const override { return obs_; }
    void DefineCorObs(Cor cor) override;
    void LigaGrade() override;
    void DesligaGrade() override;
    void Mensagem(const std::string& texto, const std::string& titulo) override;
    void CursorEspera() override;
    void CursorNormal() override;
    void EscondePrincipal() override;

protected:
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void reject() override;

private:
    void MontaControles();
    void FormActivate();
    void FecharClick();
    void ImprimeClick();
    void MostraRegistroAtual();
    // Repinta já, ou só se o último repinte foi há mais de ~1/60 s.
    void Repinta(bool agora);

    Ajustes& ajustes_;
    Dados& dados_;
    Dialogos& dialogos_;
    QWidget* principal_;
    Processamento processamento_;
    // O diálogo de impressão guarda a impressora e os ajustes escolhidos enquanto o programa roda.
    QPrinter ImprimeDB{QPrinter::HighResolution};
    bool rodadaPendente_ = false;
    // Da exibição até o fim da rodada (terminada ou parada por uma falha).
    bool rodando_ = false;
    QElapsedTimer ultimoRepinte_;
    std::string situacao_;
    std::array<std::string, 3> contadores_;
    std::string obs_;

    QStatusBar* SitAtual = nullptr;
    std::array<QLabel*, 3> rotulosContador_{};
    QProgressBar* Prog_BT = nullptr;
    QTableView* Resultado = nullptr;
    ModeloGrade* modelo_ = nullptr;
    Navegador* Ponteiro = nullptr;
    QToolButton* Imprime = nullptr;
    QPushButton* Fechar = nullptr;
    QPlainTextEdit* Obs = nullptr;
};
