#include "Impressao.h"

#include "ErroGeral.h"
#include "ImpressoraLinhas.h"
#include "Relatorio.h"
#include "Tela.h"

#include <QPrinter>

namespace {

// Devolve o cursor normal em qualquer saída, também quando a impressão para numa falha.
class CursorDeEspera {
public:
    explicit CursorDeEspera(Dialogos& dialogos) : dialogos_(dialogos) { dialogos_.CursorEspera(); }
    ~CursorDeEspera() { dialogos_.CursorNormal(); }
    CursorDeEspera(const CursorDeEspera&) = delete;
    CursorDeEspera& operator=(const CursorDeEspera&) = delete;

private:
    Dialogos& dialogos_;
};

void Imprime(QPrinter& impressora, Dialogos& dialogos, Tabela& T_BF_DESC, const Ajustes& ajustes, int k,
             const QDate& hoje) {
    const CursorDeEspera espera(dialogos);
    const Relatorio relatorio(T_BF_DESC);
    ImpressoraLinhas saida(impressora);
    saida.Inicia();
    saida.DefineFonte(QStringLiteral("Courier"), 8);
    const std::string titulo = TituloRelatorio(DaTela(hoje.toString(ParaTela(ajustes.regional.formatoDataCurta))));
    relatorio.Escreve(k, titulo, [&saida](const std::string& linha) { saida.Escreve(linha); });
    saida.Termina();
}

} // namespace

void ImprimeResultado(QWidget* pai, Dialogos& dialogos, QPrinter& ImprimeDB, Tabela& T_BF_DESC, const Ajustes& ajustes,
                      const QDate& hoje) {
    ComCaixaDeErro(dialogos, pai, [&] {
        // O tamanho da página é conferido antes do diálogo: um valor inútil não começa trabalho
        // nenhum nem deixa arquivo para trás.
        const int k = RegistrosPorPagina(ajustes.Linhas);
        if (dialogos.EscolheImpressora(pai, ImprimeDB))
            Imprime(ImprimeDB, dialogos, T_BF_DESC, ajustes, k, hoje);
    });
}
