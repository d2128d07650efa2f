#include "Ajuda.h"

#include "Arquivos.h"
#include "Tela.h"

#include <QFileInfo>
#include <QLabel>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString nomeJanela = QStringLiteral("JanelaAjuda");

// A ajuda fica na pasta do programa; um pacote pode tê-la posto entre os documentos
// (share/doc/morvisan ao lado de share/morvisan). Sem nenhuma, o caminho esperado, para a mensagem.
std::string ArquivoAjuda(const std::string& dirSistema) {
    const std::string comPrograma = ResolveCaminho(dirSistema + "morvisan.hlp");
    const std::string nosDocumentos = ResolveCaminho(dirSistema + "../doc/morvisan/morvisan.hlp");
    return !ArquivoExiste(comPrograma) && ArquivoExiste(nosDocumentos) ? nosDocumentos : comPrograma;
}

bool TemAncora(const QTextDocument& documento, const QString& nome) {
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next())
        for (auto trecho = bloco.begin(); !trecho.atEnd(); ++trecho)
            if (trecho.fragment().charFormat().anchorNames().contains(nome))
                return true;
    return false;
}

// Uma janela de ajuda por janela dona: pedir a ajuda de novo a traz para a frente.
QWidget* JanelaAjuda(QWidget* pai) {
    if (pai != nullptr)
        if (auto* existente = pai->findChild<QWidget*>(nomeJanela, Qt::FindDirectChildrenOnly))
            return existente;
    auto* janela = new QWidget(pai, Qt::Window);
    janela->setObjectName(nomeJanela);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->setWindowTitle(QStringLiteral("Ajuda do Morvisan"));
    janela->resize(680, 520);
    auto* texto = new QTextBrowser(janela);
    texto->setObjectName(QStringLiteral("TextoAjuda"));
    texto->setOpenExternalLinks(true);
    auto* aviso = new QLabel(janela);
    aviso->setObjectName(QStringLiteral("AvisoAjuda"));
    aviso->hide();
    auto* leiaute = new QVBoxLayout(janela);
    leiaute->addWidget(texto);
    leiaute->addWidget(aviso);
    return janela;
}

} // namespace

void AbreAjuda(const std::string& dirSistema, const std::string& topico, QWidget* pai) {
    QWidget* janela = JanelaAjuda(pai);
    auto* texto = janela->findChild<QTextBrowser*>(QStringLiteral("TextoAjuda"));
    auto* aviso = janela->findChild<QLabel*>(QStringLiteral("AvisoAjuda"));
    const QString arquivo = ParaTela(ArquivoAjuda(dirSistema));
    const QString nomeTopico = ParaTela(topico);
    aviso->hide();
    // Mostrada antes de carregar: o salto para o tópico precisa do texto já diagramado na largura real.
    janela->show();
    janela->raise();
    janela->activateWindow();
    if (!QFileInfo(arquivo).isFile()) {
        texto->setHtml(
            QStringLiteral("<h3>Arquivo de ajuda não encontrado</h3><p>%1</p>").arg(arquivo.toHtmlEscaped()));
    } else {
        // Primeiro o sumário (o começo do arquivo), depois o salto para o tópico.
        texto->setSource(QUrl::fromLocalFile(arquivo), QTextDocument::HtmlResource);
        if (TemAncora(*texto->document(), nomeTopico)) {
            texto->scrollToAnchor(nomeTopico);
        } else {
            aviso->setText(QStringLiteral("Tópico \"%1\" não encontrado no arquivo de ajuda.").arg(nomeTopico));
            aviso->show();
        }
    }
}
