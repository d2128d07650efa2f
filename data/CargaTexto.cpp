#include "CargaTexto.h"

ResultadoCarga CarregaTexto(const std::string& caminho, const RegrasCarga& regras, Tabela& tabela,
                            std::vector<Aviso>& avisos, const std::function<void(long long linha)>& incluido) {
    LeituraDados leitura(caminho, regras, avisos);
    ResultadoCarga resultado;
    while (leitura.Proxima()) {
        leitura.Conserta([&tabela] { tabela.Inclui(); });
        for (const CampoEntrada& campo : regras.campos) {
            if (campo.inteiro)
                tabela.DefineInteiro(campo.nome, leitura.Inteiro(campo));
            else
                tabela.DefineTexto(campo.nome, *campo.rascunho);
        }
        tabela.Posta();
        ++resultado.registros;
        incluido(leitura.NumeroLinha());
    }
    resultado.linhasLidas = leitura.LinhasLidas();
    return resultado;
}
