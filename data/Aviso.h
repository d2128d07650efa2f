#pragma once
// Aviso: um valor que a leitura teve de trocar ou uma linha que pulou, com o lugar no arquivo. Os
// avisos vão para Morvisan.Avisos e para as mensagens: nada chega ao resultado mudado em silêncio.
// Uma nota (título pulado, milhar lido) não muda número nenhum; os demais avisos são achados.
#include <algorithm>
#include <string>
#include <vector>

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
inline const std::string SeparadorDeMilhar = "separador de milhar lido";
inline const std::string CampoAusente = "campo ausente";
inline const std::string LinhaSemSeparador = "linha sem ; pulada";
inline const std::string LidoAteCtrlZ = "lido at\xe9 o Ctrl-Z";
inline const std::string RepetidoNaBaseOriginal = "repetido na base original";
inline const std::string Cortado = "cortado";

inline bool EhNota(const Aviso& aviso) {
    return aviso.aviso == LinhaDeTitulos || aviso.aviso == SeparadorDeMilhar || aviso.aviso == CodigoIbgeLido;
}

inline std::size_t Achados(const std::vector<Aviso>& avisos) {
    return static_cast<std::size_t>(
        std::count_if(avisos.begin(), avisos.end(), [](const Aviso& a) { return !EhNota(a); }));
}

// O aviso numa linha de mensagem: "original.csv, linha 3, campo POP1: trocado por 0 '7x'".
inline std::string TextoDoAviso(const Aviso& aviso) {
    return aviso.arquivo + ", linha " + std::to_string(aviso.linha) +
           (aviso.campo.empty() ? "" : ", campo " + aviso.campo) + ": " + aviso.aviso +
           (aviso.texto.empty() ? "" : " '" + aviso.texto + "'");
}
} // namespace Avisos
