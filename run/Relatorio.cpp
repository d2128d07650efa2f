#include "Relatorio.h"

#include "Falha.h"
#include "Texto.h"

#include <algorithm>
#include <cstddef>

namespace {

std::string Alinhada(const std::vector<std::string>& celulas, const std::vector<std::size_t>& larguras) {
    std::string linha;
    for (std::size_t coluna = 0; coluna < celulas.size(); ++coluna) {
        linha += celulas[coluna];
        linha.append(larguras[coluna] - celulas[coluna].size() + 1, ' ');
    }
    return linha;
}

std::string Rodape(int pagina) {
    return "P\xe1gina " + TextoInteiro(pagina);
}

} // namespace

Relatorio::Relatorio(Tabela& T_BF_DESC) {
    const int campos = T_BF_DESC.NumeroCampos();
    std::vector<std::string> nomes;
    std::vector<std::size_t> larguras;
    for (int campo = 0; campo < campos; ++campo) {
        nomes.push_back(Apara(T_BF_DESC.NomeCampo(campo)));
        larguras.push_back(nomes.back().size());
    }
    // Uma passada só: as células ficam guardadas até as larguras estarem completas.
    std::vector<std::vector<std::string>> celulas;
    celulas.reserve(static_cast<std::size_t>(std::max(T_BF_DESC.Registros(), 0)));
    for (T_BF_DESC.Primeiro(); !T_BF_DESC.Fim(); T_BF_DESC.Proximo()) {
        std::vector<std::string>& registro = celulas.emplace_back();
        for (int campo = 0; campo < campos; ++campo) {
            registro.push_back(Apara(T_BF_DESC.TextoCampo(campo)));
            larguras[static_cast<std::size_t>(campo)] =
                std::max(larguras[static_cast<std::size_t>(campo)], registro.back().size());
        }
    }
    cabecalho_ = Alinhada(nomes, larguras);
    registros_.reserve(celulas.size());
    for (const std::vector<std::string>& registro : celulas)
        registros_.push_back(Alinhada(registro, larguras));
}

void Relatorio::Escreve(int k, const std::string& titulo, const std::function<void(const std::string&)>& linha) const {
    int pagina = 1;
    const int total = static_cast<int>(registros_.size());
    for (int numero = 0; numero < total; ++numero) {
        if (numero % k == 0) {
            if (numero != 0) {
                linha("");
                linha(Rodape(pagina) + "\f");
                ++pagina;
            }
            linha(titulo);
            linha("");
            linha(cabecalho_);
        }
        linha(registros_[static_cast<std::size_t>(numero)]);
    }
    // A última página é completada com linhas em branco (uma a mais do que falta) para o rodapé
    // cair na mesma altura das outras.
    const int resto = total % k;
    if (resto > 0) {
        for (int branca = 0; branca < k - resto + 1; ++branca)
            linha("");
    }
    if (total > 0) {
        linha("");
        linha(Rodape(pagina));
    }
}

int RegistrosPorPagina(const std::string& linhas) {
    // A caixa Linhas aceita dois dígitos: vazio, zero ou outra coisa é dito assim ao usuário.
    if (!EhInteiro(linhas) || StrToInt(linhas) < 1 || StrToInt(linhas) > 99)
        throw Falha("Informe de 1 a 99 linhas de relat\xf3rio.");
    return StrToInt(linhas);
}

std::string TituloRelatorio(const std::string& dataCurta) {
    return dataCurta + " - Resultado da tradu\xe7\xe3o";
}
