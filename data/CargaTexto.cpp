#include "CargaTexto.h"

#include "Texto.h"

#include <optional>

namespace {

// Monta o registro de cada linha: um valor por campo da tabela, todos convertidos antes de a tabela
// crescer. Num campo numérico vai o inteiro da regra da carga (a falha diz arquivo, linha e campo),
// com a largura conferida; num de texto, o texto cortado na largura (um inteiro pelo seu texto).
class Montagem {
public:
    Montagem(const Tabela& tabela, const RegrasCarga& regras)
        : regras_(regras), registro_(static_cast<std::size_t>(tabela.NumeroCampos())), numeros_(regras.campos.size()) {
        for (const CampoEntrada& campo : regras.campos) {
            const int coluna = tabela.IndiceCampo(campo.nome);
            colunas_.push_back(static_cast<std::size_t>(coluna));
            definicoes_.push_back(&tabela.Campos()[static_cast<std::size_t>(coluna)]);
        }
    }

    // Os textos do registro apontam para o rascunho: vale até a próxima linha.
    const std::vector<Celula>& Registro(const LeituraDados& leitura) {
        for (std::size_t i = 0; i < regras_.campos.size(); ++i) {
            const CampoEntrada& campo = regras_.campos[i];
            const Campo& definicao = *definicoes_[i];
            Celula& celula = registro_[colunas_[i]];
            if (EhCampoNumerico(definicao)) {
                const std::int32_t valor = leitura.Inteiro(campo);
                ConfereLargura(definicao, valor);
                celula = {Valor::Tipo::Inteiro, valor, 0, {}};
            } else if (campo.inteiro) {
                numeros_[i] = TextoInteiro(leitura.Inteiro(campo));
                celula = CelulaDeTexto(definicao, numeros_[i]);
            } else {
                celula = CelulaDeTexto(definicao, *campo.rascunho);
            }
        }
        return registro_;
    }

private:
    const RegrasCarga& regras_;
    std::vector<std::size_t> colunas_;
    std::vector<const Campo*> definicoes_;
    std::vector<Celula> registro_;
    std::vector<std::string> numeros_;
};

} // namespace

ResultadoCarga CarregaTexto(const std::string& caminho, const RegrasCarga& regras, Tabela& tabela,
                            std::vector<Aviso>& avisos, const std::function<void(long long linha)>& incluido) {
    LeituraDados leitura(caminho, regras, avisos);
    std::optional<Montagem> montagem;
    ResultadoCarga resultado;
    while (leitura.Proxima()) {
        leitura.Conserta();
        // Os campos da tabela só são procurados quando há dados: um arquivo sem nenhuma linha de dados
        // falha pelo que é, não pelo modelo.
        if (!montagem)
            montagem.emplace(tabela, regras);
        tabela.Acrescenta(montagem->Registro(leitura));
        ++resultado.registros;
        incluido(leitura.NumeroLinha());
    }
    resultado.linhasLidas = leitura.LinhasLidas();
    return resultado;
}
