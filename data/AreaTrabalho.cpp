#include "AreaTrabalho.h"

#include "Arquivos.h"
#include "Falha.h"
#include "Temporarios.h"

#include <filesystem>
#include <strings.h>

namespace AreaTrabalho {

namespace {

Campo Numero(const char* nome) {
    return Campo{nome, 'N', 11, 0};
}
Campo Texto(const char* nome, int largura) {
    return Campo{nome, 'C', largura, 0};
}

} // namespace

const std::vector<Modelo>& Modelos() {
    // DATA é número: datas com qualquer quantidade de dígitos se comparam como números.
    static const std::vector<Modelo> modelos = {
        {Original, {Numero("CD_UF"), Numero("CD_MUN"), Numero("POP1"), Numero("POP2")}},
        {Morvisan,
         {Numero("CD_UF"), Texto("SIT_DOA", 10), Numero("CD_MUND"), Texto("SIT_REC", 10), Numero("CD_MUNR"),
          Numero("POP"), Numero("DATA"), Texto("EXCECAO", 1)}},
        {Final, {Numero("CD_UF"), Numero("CD_MUN"), Texto("UF", 2), Texto("MUN", 50), Numero("POP1"), Numero("POP2")}},
        {DefMunMaiusc, {Numero("CD_UF"), Numero("CD_MUN"), Texto("MUN", 50)}},
        {DefUfMaiusc, {Numero("CD_UF"), Texto("SG_UF", 2)}},
    };
    return modelos;
}

void GeraModelos(const std::string& pasta) {
    const std::string separador = !pasta.empty() && pasta.back() != '/' ? "/" : "";
    for (const Modelo& modelo : Modelos())
        GravaDbf(pasta + separador + modelo.arquivo, ConteudoDbf{modelo.campos, {}, 3});
}

void ConfereBaseExtra(const std::string& pasta, const std::string& arquivo) {
    const Modelo* modelo = nullptr;
    for (const Modelo& candidato : Modelos())
        if (::strcasecmp(candidato.arquivo.c_str(), arquivo.c_str()) == 0)
            modelo = &candidato;
    if (modelo == nullptr)
        throw Falha("Tabela sem modelo: " + arquivo);
    const LeitorDbf leitor(pasta + arquivo);
    for (const Campo& esperado : modelo->campos) {
        const Campo* achado = nullptr;
        for (const Campo& campo : leitor.Campos())
            if (::strcasecmp(campo.nome.c_str(), esperado.nome.c_str()) == 0)
                achado = &campo;
        const bool numero = esperado.tipo == 'N';
        if (achado == nullptr)
            throw Falha("A tabela " + arquivo + " n\xe3o serve como base extra: falta a coluna " + esperado.nome + ".");
        if (numero != (achado->tipo == 'N' || achado->tipo == 'F'))
            throw Falha("A tabela " + arquivo + " n\xe3o serve como base extra: a coluna " + esperado.nome +
                        (numero ? " devia ser num\xe9rica." : " devia ser de texto."));
    }
}

void LimpaTemporarios(const std::string& dirUsuario) {
    LimpaTemporariosOrfaos(dirUsuario + Bases1);
    LimpaTemporariosOrfaos(dirUsuario + Trabalho);
}

bool BaseExtraAtiva(const std::string& dirUsuario, const std::string& arquivo) {
    const std::string copia = dirUsuario + Bases1 + "/" + arquivo;
    if (!ArquivoExiste(copia))
        return false;
    // Basta o cabeçalho: a contagem de registros dele, conferida contra o tamanho do arquivo.
    LeitorDbf leitor(copia);
    std::vector<Celula> registro;
    return leitor.Proximo(registro);
}

bool SaidaSobreEntrada(const std::string& pasta, const std::string& nome, const std::string& original,
                       const std::string& traducao) {
    for (const std::string& saida : {nome + ".CSV", ArquivoComp, ArquivoLog, ArquivoAvisos}) {
        const std::string caminho = ResolveCaminho(pasta + "/" + saida);
        for (const std::string* entrada : {&original, &traducao}) {
            std::error_code erro;
            if (std::filesystem::equivalent(caminho, *entrada, erro))
                return true;
        }
    }
    return false;
}

} // namespace AreaTrabalho
