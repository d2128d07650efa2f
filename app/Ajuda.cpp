#include "Ajuda.h"

#include "Arquivos.h"
#include "Tela.h"

#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

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

// O tamanho que mostra o texto sem rolar de lado (as tabelas e os exemplos não quebram linha), até o
// tamanho da tela.
QSize TamanhoParaOTexto(QWidget* janela, QTextBrowser* texto, const QRect& tela) {
    // Diagrama o texto na largura de partida, onde os parágrafos quebram e o resto passa da borda.
    janela->layout()->activate();
    const QMargins margens = janela->layout()->contentsMargins();
    const int largura = qCeil(texto->document()->idealWidth()) + 2 * texto->frameWidth() +
                        texto->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + margens.left() + margens.right();
    // A moldura ainda não existe: uma folga para ela.
    return QSize(std::max(largura, janela->width()), janela->height()).boundedTo(tela.size() - QSize(16, 48));
}

// Ao lado da janela dona, à direita se couber, senão à esquerda; sem lugar dos lados, centrada sobre
// ela. Sempre dentro da tela. A moldura da ajuda, que só existe depois de mostrada, é tomada igual à
// da dona.
void PoeAoLado(QWidget* janela, const QWidget* dona, const QRect& tela) {
    const QRect ocupada = dona->frameGeometry();
    const QRect area = dona->geometry();
    const QMargins moldura(area.left() - ocupada.left(), area.top() - ocupada.top(), ocupada.right() - area.right(),
                           ocupada.bottom() - area.bottom());
    const QSize fora = janela->size().grownBy(moldura);
    QPoint canto(ocupada.center().x() - fora.width() / 2, ocupada.center().y() - fora.height() / 2);
    if (ocupada.right() + fora.width() <= tela.right())
        canto = QPoint(ocupada.right() + 1, ocupada.top());
    else if (ocupada.left() - fora.width() >= tela.left())
        canto = QPoint(ocupada.left() - fora.width(), ocupada.top());
    canto.setX(std::clamp(canto.x(), tela.left(), std::max(tela.left(), tela.right() + 1 - fora.width())));
    canto.setY(std::clamp(canto.y(), tela.top(), std::max(tela.top(), tela.bottom() + 1 - fora.height())));
    janela->setGeometry(QRect(canto + QPoint(moldura.left(), moldura.top()), janela->size()));
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
    // Esc fecha a ajuda, como um diálogo.
    auto* fecha = new QShortcut(QKeySequence(Qt::Key_Escape), janela);
    QObject::connect(fecha, &QShortcut::activated, janela, &QWidget::close);
    auto* leiaute = new QVBoxLayout(janela);
    leiaute->addWidget(texto);
    leiaute->addWidget(aviso);
    return janela;
}

} // namespace

void AbreAjuda(const std::string& dirSistema, const std::string& topico, QWidget* pai) {
    const bool nova = pai == nullptr || pai->findChild<QWidget*>(nomeJanela, Qt::FindDirectChildrenOnly) == nullptr;
    QWidget* janela = JanelaAjuda(pai);
    auto* texto = janela->findChild<QTextBrowser*>(QStringLiteral("TextoAjuda"));
    auto* aviso = janela->findChild<QLabel*>(QStringLiteral("AvisoAjuda"));
    const QString arquivo = ParaTela(ArquivoAjuda(dirSistema));
    const QString nomeTopico = ParaTela(topico);
    const bool existe = QFileInfo(arquivo).isFile();
    aviso->hide();
    // Primeiro o sumário (o começo do arquivo), depois o salto para o tópico.
    if (existe)
        texto->setSource(QUrl::fromLocalFile(arquivo), QTextDocument::HtmlResource);
    else
        texto->setHtml(
            QStringLiteral("<h3>Arquivo de ajuda não encontrado</h3><p>%1</p>").arg(arquivo.toHtmlEscaped()));
    // Reaberta, a janela fica onde o usuário a deixou.
    if (nova && pai != nullptr) {
        const QRect tela = pai->screen()->availableGeometry();
        janela->resize(TamanhoParaOTexto(janela, texto, tela));
        PoeAoLado(janela, pai->window(), tela);
    }
    // O salto para o tópico precisa do texto já diagramado na largura real da janela mostrada.
    janela->show();
    janela->raise();
    janela->activateWindow();
    if (existe) {
        if (TemAncora(*texto->document(), nomeTopico)) {
            texto->scrollToAnchor(nomeTopico);
        } else {
            aviso->setText(QStringLiteral("Tópico \"%1\" não encontrado no arquivo de ajuda.").arg(nomeTopico));
            aviso->show();
        }
    }
}
