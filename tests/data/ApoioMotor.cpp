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
