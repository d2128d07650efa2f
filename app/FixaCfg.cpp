#include "FixaCfg.h"

#include "AreaTrabalho.h"
#include "Arquivos.h"
#include "Falha.h"
#include "LeitorTexto.h"

#include <cerrno>
#include <cstring>
#include <fstream>

std::string LeFixa(const std::string& dirUsuario) {
    const std::string arquivo = dirUsuario + AreaTrabalho::ArquivoFixa;
    if (!ArquivoExiste(arquivo))
        return {};
    std::string caminho;
    {
        LeitorTexto leitor(arquivo);
        leitor.LeLinha(caminho);
    }
    if (caminho.empty() || !ArquivoExiste(caminho)) {
        ApagaArquivo(arquivo);
        return {};
    }
    return caminho;
}

void GravaFixa(const std::string& dirUsuario, const std::string& caminho) {
    const std::string arquivo = dirUsuario + AreaTrabalho::ArquivoFixa;
    std::ofstream saida(arquivo, std::ios::binary | std::ios::trunc);
    saida << caminho << "\r\n";
    saida.close();
    if (!saida)
        throw Falha("Não foi possível gravar o arquivo " + arquivo + ": " + std::strerror(errno));
}
