#include "ImportacaoExtras.h"

#include "AreaTrabalho.h"
#include "ArquivoDbf.h"
#include "Arquivos.h"
#include "CargaTexto.h"
#include "Pastas.h"
#include "Temporarios.h"
#include "Texto.h"
#include "TravaPasta.h"

#include <cerrno>

namespace {

constexpr std::size_t LarguraMun = 50;
constexpr std::size_t LarguraSigla = 2;

struct Destino {
    Tabela& tabela;
    std::string arquivo;
    bool& ativa;
};

Destino DestinoDa(BaseExtra base, Ajustes& ajustes, Dados& dados) {
    if (base == BaseExtra::Municipios)
        return {dados.T_DEF_MUN, AreaTrabalho::DefMun, ajustes.base1};
    return {dados.T_DEF_UF, AreaTrabalho::DefUf, ajustes.base2};
}

RegrasCarga RegrasDa(BaseExtra base, Rascunho& rascunho) {
    if (base == BaseExtra::Municipios)
        return {.campos = {{"CD_UF", &rascunho.CD_UF, "0", true},
                           {"CD_MUN", &rascunho.CD_MUN, "0", true},
                           {"MUN", &rascunho.MUN, "<vazio>", false, LarguraMun}},
                .conserto = [&rascunho] { T_DEF_MUNBeforeInsert(rascunho); }};
    return {.campos = {{"CD_UF", &rascunho.CD_UF, "0", true}, {"SG_UF", &rascunho.SG_UF, "", false, LarguraSigla}},
            .conserto = [&rascunho] { T_DEF_UFBeforeInsert(rascunho); }};
}

ResultadoImportacao Preenche(BaseExtra base, const std::string& arquivo, Tabela& tabela, Rascunho& rascunho) {
    tabela.Abre();
    ResultadoImportacao resultado;
    const ResultadoCarga carga =
        CarregaTexto(arquivo, RegrasDa(base, rascunho), tabela, resultado.avisos, [](long long) {});
    // Um arquivo vazio (ou só com a marca UTF-8) trocaria a base boa por uma vazia.
    if (carga.registros == 0)
        throw Falha(NomeSemPasta(arquivo) + ": nenhuma linha de dados.");
    resultado.linhasLidas = carga.linhasLidas;
    resultado.registrosIncluidos = carga.registros;
    tabela.Grava();
    tabela.Fecha();
    return resultado;
}

// Fecha sem gravar o que ficou pela metade; a tabela aponta para o temporário, que vai ser apagado.
void LargaTabela(Tabela& tabela) {
    if (!tabela.Aberta())
        return;
    tabela.Cancela();
    try {
        tabela.Fecha();
    } catch (const Falha&) {
        // A falha que trouxe até aqui é a que o usuário precisa ver.
    }
}

} // namespace

void T_DEF_MUNBeforeInsert(Rascunho& rascunho) {
    if (!EhInteiro(rascunho.CD_UF))
        rascunho.CD_UF = "0";
    if (!EhInteiro(rascunho.CD_MUN))
        rascunho.CD_MUN = "0";
}

void T_DEF_UFBeforeInsert(Rascunho& rascunho) {
    if (!EhInteiro(rascunho.CD_UF))
        rascunho.CD_UF = "0";
}

ResultadoImportacao ImportaBaseExtra(BaseExtra base, const std::string& arquivo, Ajustes& ajustes, Dados& dados) {
    Destino destino = DestinoDa(base, ajustes, dados);
    const std::string pastaBases1 = ajustes.DirUsuario + AreaTrabalho::Bases1 + "/";
    const std::string modelo = ajustes.DirSistema + AreaTrabalho::Bases0 + "/" + destino.arquivo;
    const std::string copia = pastaBases1 + destino.arquivo;

    // Uma importação ou rodada por vez: duas ao mesmo tempo trocariam a base uma da outra.
    PreparaPastaGravavel(ajustes.DirUsuario);
    const TravaPasta trava(ajustes.DirUsuario);
    LimpaTemporariosOrfaos(pastaBases1);
    if (!ArquivoExiste(modelo))
        throw FalhaAoCopiar("Falta o arquivo \"" + modelo + "\".");
    // O modelo é conferido antes da cópia, para a mensagem nomear o arquivo culpado e não o temporário.
    LeitorDbf{ResolveCaminho(modelo)}; // NOLINT(bugprone-unused-raii): abrir já confere
    PreparaPastaGravavel(pastaBases1);
    // A base nova nasce num temporário ao lado da cópia em uso e só toma o nome dela no fim.
    const std::string nova = CaminhoTemporario(copia, "dbf");
    if (!CopiaArquivo(modelo, nova))
        throw FalhaAoCopiar("\"" + modelo + "\" para \"" + nova + "\": " + MotivoDoErro(errno) + ".");

    LargaTabela(destino.tabela);
    ResultadoImportacao resultado;
    try {
        destino.tabela.DefinePasta(pastaBases1);
        destino.tabela.DefineNome(nova.substr(pastaBases1.size()));
        resultado = Preenche(base, arquivo, destino.tabela, ajustes.rascunho);
        // O nome da cópia vale sem olhar a caixa: "DEF_MUN.DBF" antigo é trocado, não duplicado.
        Renomeia(nova, ResolveCaminho(copia));
    } catch (...) {
        LargaTabela(destino.tabela);
        ApagaArquivo(nova);
        destino.tabela.DefineNome(destino.arquivo);
        throw;
    }
    destino.tabela.DefineNome(destino.arquivo);
    destino.ativa = true;
    return resultado;
}

std::string TextoConclusao(const ResultadoImportacao& resultado) {
    std::string texto = "Processo conclu\xED"
                        "do.\r\rLinhas lidas: " +
                        TextoInteiro(resultado.linhasLidas) + "\rRegistros inclu\xED" +
                        "dos: " + TextoInteiro(resultado.registrosIncluidos) + "\r";
    if (resultado.avisos.empty())
        return texto;
    texto += "Avisos: " + TextoInteiro(static_cast<std::int64_t>(resultado.avisos.size())) + "\r";
    constexpr std::size_t Mostrados = 10;
    for (std::size_t i = 0; i < resultado.avisos.size() && i < Mostrados; ++i) {
        const Aviso& aviso = resultado.avisos[i];
        // Linha pulada não tem campo: "linha 1: linha de títulos pulada '...'".
        texto += "linha " + TextoInteiro(aviso.linha) + (aviso.campo.empty() ? "" : ", " + aviso.campo) + ": " +
                 aviso.aviso + " " + Citacao(aviso.texto) + "\r";
    }
    return texto;
}
