#pragma once
// TTrad: a janela principal. Guia o usuário pelos três passos (base original, base de tradução, nome
// do resultado), guarda os ajustes e os objetos de dados da rodada e leva os menus de serviços e ajuda.
#include "Ajustes.h"
#include "Dados.h"
#include "Dialogos.h"
#include "ImportacaoExtras.h"

#include <QMainWindow>
#include <functional>
#include <string>

class ListaArquivos;
class ListaPastas;
class QAction;
class QComboBox;
class QDialog;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class SeletorUnidade;

class TTrad : public QMainWindow {
    Q_OBJECT
public:
    // pastas: a do programa e a do usuário (LocalizaPastas). A criação roda FormCreate.
    TTrad(const Pastas& pastas, Dialogos& dialogos, QWidget* pai = nullptr);
    ~TTrad() override;

    // A janela de processamento e a caixa "Sobre", criadas depois desta.
    void LigaJanelas(QDialog& proc, QDialog& sobre);

    Ajustes& ajustes() { return ajustes_; }
    Dados& dados() { return dados_; }
    int Passo() const { return Passo_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void MontaControles();
    void MontaMenus();
    void FormCreate(const Pastas& pastas);

    void ProximoClick();
    void AnteriorClick();
    void MostraPasso(int passo);
    void NovoArq();
    // A lista de arquivos marca o arquivo do passo atual (nenhum no passo 3).
    void MarcaArquivoDoPasso();
    // Antes da pergunta: o tamanho da página, que depois da rodada não se muda mais.
    bool LinhasValidas();
    // A pergunta de partida; avisa quando o resultado vai substituir um arquivo da pasta.
    bool ConfirmaRodada();
    void ArquivoClick();
    void UnidadeChange();
    void PastaChange();
    void TipoChange();
    // Relê unidades, pastas e arquivos (F5, volta de uma rodada, importação).
    void AtualizaListas();
    bool NovoArquivoKeyPress(QKeyEvent* tecla);
    void NovoArquivoChange();
    bool LinhasKeyPress(QKeyEvent* tecla);
    void Cola(QLineEdit* caixa, const QString& texto);
    void FixarBTClick();
    void IgnoraExClick();
    void Sair1Click();
    void FecharClick();
    void Sobre1Click();
    void Definir1Click();
    void Definir2Click();
    void Morvisan1Click();
    void mi_aju_atalhoClick();

    void PreparaBrasilClick();
    // "Voltar a uma divisão anterior..." e "Áreas comparáveis...".
    template <typename Caixa>
    void AbreCaixaBrasil();
    // A base de tradução gravada pela preparação vira o arquivo do passo 2.
    void SelecionaTraducao(const std::string& caminho);

    void ImportaBase(BaseExtra base);
    // "Da divisão de": os anos das divisões que vêm com o programa, lidos quando o menu abre.
    void MontaMenuDasDivisoes(QMenu* menu, BaseExtra base);
    void Importa(BaseExtra base, const std::function<ResultadoImportacao()>& importa);
    void MostraBaseExtra(BaseExtra base, bool ativa);
    void MostraDicas();

    Ajustes ajustes_;
    Dados dados_;
    Dialogos& dialogos_;
    QDialog* proc_ = nullptr;
    QDialog* sobre_ = nullptr;
    int Passo_ = 1;

    QLabel* Titulo = nullptr;
    SeletorUnidade* Unidade = nullptr;
    QComboBox* Tipo = nullptr;
    ListaPastas* Pasta = nullptr;
    ListaArquivos* Arquivo = nullptr;
    QLabel* NA = nullptr;
    QLineEdit* NovoArquivo = nullptr;
    QLabel* ate8 = nullptr;
    QLabel* BO = nullptr;
    QLabel* BT = nullptr;
    QLabel* BC = nullptr;
    QLineEdit* Linhas = nullptr;
    QPushButton* Anterior = nullptr;
    QPushButton* Proximo = nullptr;
    QPushButton* Fechar = nullptr;
    QAction* FixarBT = nullptr;
    QAction* base1 = nullptr;
    QAction* base2 = nullptr;
    QAction* IgnoraEx = nullptr;
};
