#include "ImportacaoExtras.h"

#include "AreaTrabalho.h"
#include "ArquivoDbf.h"
#include "Arquivos.h"
#include "LeitorTexto.h"
#include "Pastas.h"
#include "Texto.h"

#include <string_view>

namespace {

constexpr std::size_t LarguraMun = 50;
constexpr std::size_t LarguraSigla = 2;
// A base nova nasce com este prefixo ao lado da cópia em uso e só toma o nome dela no fim.
const std::string PrefixoNovo = "NOVA_";

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

// Texto cortado na largura e aparado de novo, para não guardar os brancos que o corte expôs.
std::string CortaEApara(std::string_view texto, std::size_t largura) {
    std::string aparado = Apara(texto);
    if (aparado.size() > largura)
        aparado = Apara(std::string_view(aparado).substr(0, largura));
    return aparado;
}

// Corta a linha nos campos do rascunho; false quando a linha não tem ";" (não é registro).
bool CortaLinha(BaseExtra base, std::string_view linha, Rascunho& rascunho) {
    const auto primeiro = linha.find(';');
    if (primeiro == std::string_view::npos)
        return false;
    if (base == BaseExtra::Municipios) {
        rascunho.CD_MUN = "0";
        rascunho.MUN = "<vazio>";
    }
    rascunho.CD_UF = std::string(linha.substr(0, primeiro));
    const std::string_view resto = linha.substr(primeiro + 1);
    if (base == BaseExtra::Ufs) {
        rascunho.SG_UF = CortaEApara(resto, LarguraSigla);
        return true;
    }
    const auto segundo = resto.find(';');
    if (segundo != std::string_view::npos) {
        rascunho.CD_MUN = std::string(resto.substr(0, segundo));
        rascunho.MUN = CortaEApara(resto.substr(segundo + 1), LarguraMun);
    }
    return true;
}

void GravaRegistro(BaseExtra base, Tabela& tabela, const Rascunho& rascunho) {
    tabela.DefineInteiro("CD_UF", StrToInt(rascunho.CD_UF));
    if (base == BaseExtra::Municipios) {
        tabela.DefineInteiro("CD_MUN", StrToInt(rascunho.CD_MUN));
        tabela.DefineTexto("MUN", rascunho.MUN);
    } else {
        tabela.DefineTexto("SG_UF", rascunho.SG_UF);
    }
    tabela.Posta();
}

ResultadoImportacao Preenche(BaseExtra base, const std::string& arquivo, Tabela& tabela, Rascunho& rascunho) {
    // O arquivo abre antes da tabela: um nome errado não chega a mexer em nada.
    LeitorTexto leitor(arquivo);
    tabela.Abre();
    ResultadoImportacao resultado;
    std::string linha;
    while (leitor.LeLinha(linha)) {
        ++resultado.linhasLidas;
        if (!CortaLinha(base, linha, rascunho))
            continue;
        tabela.Inclui();
        GravaRegistro(base, tabela, rascunho);
        ++resultado.registrosIncluidos;
    }
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
    const std::string nova = pastaBases1 + PrefixoNovo + destino.arquivo;

    if (!ArquivoExiste(modelo))
        throw FalhaAoCopiar();
    // O modelo é conferido antes da cópia, para a mensagem nomear o arquivo culpado e não o temporário.
    LeitorDbf{ResolveCaminho(modelo)};
    PreparaPastaGravavel(pastaBases1);
    ApagaArquivo(nova);
    if (!CopiaArquivo(modelo, nova))
        throw FalhaAoCopiar();

    Rascunho& rascunho = ajustes.rascunho;
    if (base == BaseExtra::Municipios)
        destino.tabela.AntesDeIncluir = [&rascunho](Tabela&) { T_DEF_MUNBeforeInsert(rascunho); };
    else
        destino.tabela.AntesDeIncluir = [&rascunho](Tabela&) { T_DEF_UFBeforeInsert(rascunho); };

    LargaTabela(destino.tabela);
    ResultadoImportacao resultado;
    try {
        destino.tabela.DefinePasta(pastaBases1);
        destino.tabela.DefineNome(PrefixoNovo + destino.arquivo);
        resultado = Preenche(base, arquivo, destino.tabela, rascunho);
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
    return "Processo conclu\xED"
           "do.\r\rLinhas lidas: " +
           TextoInteiro(resultado.linhasLidas) + "\rRegistros inclu\xED" +
           "dos: " + TextoInteiro(resultado.registrosIncluidos) + "\r";
}
