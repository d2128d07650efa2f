#pragma once
// A tabela de mudanças do Brasil que vem com o programa: cada par doador -> receptor dos municípios
// instalados desde 1993, na ordem em que as mudanças se aplicam, com a população movida numa data de
// referência e a população do doador nessa mesma data.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class MetodoMudanca { Medido, Estimado, Indeterminado };

// A população movida numa data de referência: a do doador nessa data, logo antes do par, e a que
// passou ao receptor; a movida só falta quando indeterminada.
struct MedidaMudanca {
    int anoRef = 0;
    std::int64_t popDoador = 0;
    std::optional<std::int64_t> popMovida;
    MetodoMudanca metodo = MetodoMudanca::Indeterminado;
    std::string origem;
};

// Um par, com a medida principal e, quando as fontes medem outra referência, a segunda.
struct MudancaBrasil : MedidaMudanca {
    std::int32_t data = 0; // aaaammdd
    std::int32_t uf = 0;
    std::int32_t doador = 0; // CD_MUN como o sistema o usa
    std::string nomeDoador;
    std::int32_t receptor = 0;
    std::string nomeReceptor;
    std::optional<MedidaMudanca> segunda;
};

// O arquivo da tabela: dados/mudancas-brasil.csv na pasta do programa. Todo uso da tabela passa por
// aqui.
std::string ArquivoMudancasBrasil(const std::string& dirSistema);

// Lê a tabela inteira na ordem do arquivo. Tabela que falta ou linha fora do formato levanta Falha
// com o arquivo e a linha.
std::vector<MudancaBrasil> LeMudancasBrasil(const std::string& caminho);
