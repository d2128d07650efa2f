#include "ExecutaLote.h"

#include "DivisoesBrasil.h"
#include "MudancasBrasil.h"

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

SaidaLote ExecutaLote(const PastaTemporaria& pasta, const std::string& sistema,
                      const std::vector<std::string>& argumentos) {
    std::string comando = "LC_ALL=C.UTF-8 " + Aspas(MORVISAN_LOTE) + " --sistema " + Aspas(sistema);
    for (const std::string& argumento : argumentos)
        comando += " " + Aspas(argumento);
    comando += " >" + Aspas(pasta / "lote-saida.txt") + " 2>" + Aspas(pasta / "lote-erros.txt");
    const int estado = std::system(comando.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, pasta.Le("lote-saida.txt"), pasta.Le("lote-erros.txt")};
}

SistemaLote::SistemaLote() : sistema(pasta.MontaSistema()) {
    std::filesystem::create_directories(sistema + "dados");
    std::filesystem::copy_file(ArquivoMudancasBrasil(MORVISAN_DIR_SISTEMA), ArquivoMudancasBrasil(sistema));
    std::filesystem::copy_file(ArquivoDivisoesBrasil(MORVISAN_DIR_SISTEMA), ArquivoDivisoesBrasil(sistema));
}

std::string ComDivisaoInteira(const std::string& base, int ano) {
    std::string completa = base;
    const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(MORVISAN_DIR_SISTEMA));
    for (const MunicipioBrasil* m : divisoes.Divisao(ano)) {
        const std::string codigo = std::to_string(m->uf) + ";" + std::to_string(m->municipio) + ";";
        if (base.rfind(codigo, 0) != 0 && base.find("\n" + codigo) == std::string::npos)
            completa += codigo + "1000;1000\r\n";
    }
    return completa;
}

std::vector<std::string> ComMarcas(std::vector<std::string> argumentos,
                                   const std::vector<std::pair<std::string, std::string>>& marcas) {
    for (std::string& argumento : argumentos)
        for (const auto& [marca, valor] : marcas)
            if (const auto onde = argumento.find(marca); onde != std::string::npos)
                argumento.replace(onde, marca.size(), valor);
    return argumentos;
}
