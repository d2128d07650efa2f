#pragma once
// Aviso: um valor que a leitura teve de trocar ou uma linha que pulou, com o lugar no arquivo. Os
// avisos vão para Morvisan.Avisos e para as mensagens: nada chega ao resultado mudado em silêncio.
#include <string>

struct Aviso {
    std::string arquivo; // nome do arquivo, sem a pasta
    long long linha = 0; // linha física, contando de 1
    std::string campo;   // vazio numa linha pulada
    std::string aviso;
    std::string texto; // o texto como estava
};

namespace Avisos {
inline const std::string TrocadoPorZero = "trocado por 0";
inline const std::string TrocadoPorInterrogacao = "trocado por ?";
inline const std::string LinhaDeTitulos = "linha de t\xedtulos pulada";
inline const std::string ForaDoResultado = "fora do resultado";
inline const std::string RepetidoNoResultado = "repetido no resultado";
// O código do IBGE (6 ou 7 dígitos) lido como o CD_MUN de 4: nenhum número muda.
inline const std::string CodigoIbgeLido = "c\xf3"
                                          "digo do IBGE lido como CD_MUN";
inline const std::string VerificadorErrado = "d\xedgito verificador errado";
} // namespace Avisos
