// TTrad: as bases extras no menu "&Serviços", "Base extras": importação e estado "Ativo."/"<vazio>".
#include "ErroGeral.h"
#include "Falha.h"
#include "ImportacaoDivisao.h"
#include "Tela.h"
#include "Trad_.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace {

// O filtro único do diálogo de abrir, na forma do Qt.
const QString filtroCsv = QStringLiteral("CSV (Texto separado por ;) (*.CSV *.csv)");

} // namespace

void TTrad::Definir1Click() {
    ImportaBase(BaseExtra::Municipios);
}

void TTrad::Definir2Click() {
    ImportaBase(BaseExtra::Ufs);
}

void TTrad::ImportaBase(BaseExtra base) {
    const QString arquivo = dialogos_.AbreArquivo(this, filtroCsv);
    if (arquivo.isEmpty())
        return;
    Importa(base, [&] { return ImportaBaseExtra(base, QFile::encodeName(arquivo).toStdString(), ajustes_, dados_); });
}

void TTrad::MontaMenuDasDivisoes(QMenu* menu, BaseExtra base) {
    const QString nome =
        base == BaseExtra::Municipios ? QStringLiteral("DivisaoMunicipios") : QStringLiteral("DivisaoUfs");
    QMenu* anos = menu->addMenu(QStringLiteral("Da divisão de"));
    anos->setObjectName(nome);
    anos->menuAction()->setObjectName(nome);
    connect(anos, &QMenu::aboutToShow, this, [this, anos, base] {
        anos->clear();
        try {
            for (int ano : LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes_.DirSistema)).AnosDeMudanca()) {
                QAction* item = anos->addAction(QString::number(ano));
                item->setObjectName(anos->objectName() + QString::number(ano));
                connect(item, &QAction::triggered, this, [this, base, ano] {
                    Importa(base, [&] { return ImportaDivisao(base, ano, ajustes_, dados_); });
                });
            }
        } catch (const std::exception& falha) {
            // Sem as listas, o item diz por quê; o "Definir" por arquivo continua valendo.
            anos->addAction(ParaTela(falha.what()))->setEnabled(false);
        }
    });
}

void TTrad::Importa(BaseExtra base, const std::function<ResultadoImportacao()>& importa) {
    dialogos_.CursorEspera();
    ResultadoImportacao resultado;
    try {
        resultado = importa();
    } catch (const FalhaAoCopiar& falha) {
        dialogos_.CursorNormal();
        dialogos_.Mensagem(this, QStringLiteral("Erro!"), ParaCaixa(falha.what()));
        return;
    } catch (const std::exception& falha) {
        dialogos_.CursorNormal();
        // Bases1 pode ter sido criada antes da falha.
        AtualizaListas();
        MostraErroGeral(dialogos_, this, falha);
        return;
    }
    dialogos_.CursorNormal();
    AtualizaListas();
    MostraBaseExtra(base, true);
    dialogos_.Mensagem(this, QStringLiteral("Morvisan"), ParaCaixa(TextoConclusao(resultado)));
}

// O item abaixo de "Definir" mostra o estado; estar habilitado é o que a rodada lê como "ativa".
void TTrad::MostraBaseExtra(BaseExtra base, bool ativa) {
    QAction* item = base == BaseExtra::Municipios ? base1 : base2;
    item->setText(ativa ? QStringLiteral("Ativo.") : QStringLiteral("<vazio>"));
    item->setEnabled(ativa);
    (base == BaseExtra::Municipios ? ajustes_.base1 : ajustes_.base2) = ativa;
}
