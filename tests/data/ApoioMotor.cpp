#include "ApoioMotor.h"

void Acrescenta(Tabela& tabela, const std::vector<std::string>& campos,
                const std::vector<std::vector<std::string>>& registros) {
    for (const auto& registro : registros) {
        tabela.Inclui();
        for (std::size_t i = 0; i < campos.size(); ++i)
            tabela.DefineTexto(campos[i], registro[i]);
        tabela.Posta();
    }
}

ConteudoDbf LeDbf(const std::string& caminho) {
    LeitorDbf leitor(caminho);
    ConteudoDbf conteudo{leitor.Campos(), {}, leitor.DriverIdioma()};
    std::vector<Celula> registro;
    while (leitor.Proximo(registro)) {
        conteudo.registros.emplace_back();
        for (const Celula& celula : registro)
            conteudo.registros.back().push_back(celula.Copia());
    }
    return conteudo;
}
