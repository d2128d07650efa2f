#include "TabelaCarregada.h"

#include "Texto.h"

#include <algorithm>

TabelaCarregada::TabelaCarregada(std::string caminho, Registros registros, int driverIdioma)
    : caminho_(std::move(caminho)), registros_(std::move(registros)), driverIdioma_(driverIdioma) {}

int TabelaCarregada::Acrescenta(const std::vector<Celula>& valores) {
    const int registro = registros_.Acrescenta(valores);
    alterada_ = mudouDesdeACarga_ = true;
    for (auto& indice : indices_)
        indice->Acompanha();
    return registro;
}

void TabelaCarregada::Define(int registro, int coluna, const Celula& valor) {
    registros_.Define(registro, coluna, valor);
    alterada_ = mudouDesdeACarga_ = true;
    std::erase_if(indices_, [coluna](const auto& indice) {
        const std::vector<int>& colunas = indice->Colunas();
        return std::find(colunas.begin(), colunas.end(), coluna) != colunas.end();
    });
}

const IndiceChave& TabelaCarregada::Indice(const std::vector<int>& colunas, const std::vector<Conversao>& conversoes) {
    for (const auto& indice : indices_)
        if (indice->Colunas() == colunas && indice->Conversoes() == conversoes)
            return *indice;
    return *indices_.emplace_back(std::make_unique<IndiceChave>(registros_, colunas, conversoes));
}

int TabelaCarregada::Localiza(const std::vector<int>& colunas, std::span<const std::int64_t> valores) {
    semConversao_.assign(colunas.size(), Conversao::Nenhuma);
    const IndiceChave& indice = Indice(colunas, semConversao_);
    // O número procurado não tem tipo: numa coluna de texto ele vale como o seu texto decimal.
    chave_.resize(colunas.size());
    textosDaChave_.resize(colunas.size());
    for (std::size_t i = 0; i < colunas.size(); ++i) {
        if (EhCampoNumerico(registros_.Campos()[static_cast<std::size_t>(colunas[i])])) {
            chave_[i] = {Comparavel::Tipo::Inteiro, valores[i], 0, {}};
        } else {
            textosDaChave_[i] = TextoInteiro(valores[i]);
            chave_[i] = {Comparavel::Tipo::Texto, 0, 0, textosDaChave_[i]};
        }
    }
    return indice.Primeiro(chave_);
}
