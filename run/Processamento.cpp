#include "Processamento.h"

#include "AreaTrabalho.h"
#include "Arquivos.h"
#include "Texto.h"

#include <exception>

namespace {

// Número mostrado por um contador: "?" (nada contado) vale 0; o "+" de BF_DESC faz parte do número.
int NumeroDoContador(const std::string& texto) {
    return texto == "?" ? 0 : StrToInt(texto);
}

} // namespace

Processamento::Processamento(Ajustes& ajustes, Dados& dados, PainelProc& painel)
    : ajustes_(ajustes), dados_(dados), painel_(painel) {
    dados_.T_BO_DESC.AntesDeIncluir = [this](Tabela& tabela) { T_BO_DESCBeforeInsert(tabela); };
    dados_.T_BT_DESC.AntesDeIncluir = [this](Tabela& tabela) { T_BT_DESCBeforeInsert(tabela); };
}

Processamento::~Processamento() {
    dados_.T_BO_DESC.AntesDeIncluir = nullptr;
    dados_.T_BT_DESC.AntesDeIncluir = nullptr;
}

void Processamento::FormActivate() {
    painel_.EscondePrincipal();
    painel_.LimpaObs();
    painel_.DefineCorSituacao(Cor::FaceBotao);
    painel_.CursorEspera();
    painel_.DefinePosicaoProgresso(0);
    // A pasta pode já existir: o resultado não importa.
    CriaPasta(ajustes_.PastaTrabalho());
    painel_.DefineContador(Contador::BO_desc, "?");
    painel_.DefineContador(Contador::BT_DESC, "?");
    painel_.DefineContador(Contador::BF_DESC, "?");

    // Nenhum passo é testado: depois de um passo que mostrou a própria falha, o seguinte roda.
    painel_.DefineSituacao("Copiando bases de trabalho...");
    Copiando();
    painel_.DefineSituacao("Abrindo bases de trabalho...");
    Abrindo();
    painel_.DefineSituacao("Transferindo dados do arquivo a ser traduzido...");
    CarregaBO();
    painel_.DefineSituacao("Transferindo dados do arquivo morvisan...");
    CarregaBT();
    painel_.DefineSituacao("Preparando arquivo final...");
    CarregaBF();
    painel_.DefineSituacao("Traduzindo...");
    Transfere();
    // Os nomes já entraram em CarregaBF; o texto só avisa que entraram.
    if (ajustes_.base1 || ajustes_.base2)
        painel_.DefineSituacao("Incluindo nomes de municipios e/ou UFs...");
    painel_.DefineSituacao("Gravando...");
    Grava();
    painel_.DefineSituacao("Verificando estado do resultado...");
    EstResult();

    const int registros = dados_.T_BF_DESC.Registros();
    std::string situacao = "Fim - S\xe3o " + TextoInteiro(registros) + " registros.";
    const int esperados = NumeroDoContador(painel_.TextoContador(Contador::BO_desc)) +
                          NumeroDoContador(painel_.TextoContador(Contador::BF_DESC));
    if (esperados != registros)
        situacao += " (erro)";
    painel_.DefineSituacao(situacao);
    if (esperados != registros)
        painel_.DefineCorSituacao(Cor::Vermelho);
    dados_.T_BF_DESC.Primeiro();
    painel_.LigaGrade();
    painel_.CursorNormal();
}

void Processamento::Copiando() {
    struct Copia {
        const std::string& pasta;
        const std::string& arquivo;
        bool faz;
        const Tabela& tabela;
    };
    // Os modelos vêm com o programa; as bases extras são do usuário.
    const std::string bases0 = ajustes_.DirSistema + AreaTrabalho::Bases0 + "/";
    const std::string bases1 = ajustes_.DirUsuario + AreaTrabalho::Bases1 + "/";
    const Copia copias[] = {
        {bases0, AreaTrabalho::Original, true, dados_.T_BO_DESC},
        {bases0, AreaTrabalho::Morvisan, true, dados_.T_BT_DESC},
        {bases0, AreaTrabalho::Final, true, dados_.T_BF_DESC},
        {bases1, AreaTrabalho::DefMun, ajustes_.base1, dados_.T_DEF_MUN},
        {bases1, AreaTrabalho::DefUf, ajustes_.base2, dados_.T_DEF_UF},
    };
    try {
        for (const Copia& copia : copias) {
            if (!copia.faz)
                continue;
            const std::string destino = ajustes_.PastaTrabalho() + copia.arquivo;
            // Uma tabela que ficou aberta (um fechamento que falhou) prende sua cópia: apagar o arquivo
            // por baixo dela deixaria a rodada nova sobre os registros da velha.
            if (ArquivoExiste(destino) && (copia.tabela.Aberta() || !ApagaArquivo(destino))) {
                painel_.Mensagem("Falha ao apagar c\xf3pia anterior.", "Erro!");
                return;
            }
            if (!CopiaArquivo(copia.pasta + copia.arquivo, destino)) {
                painel_.Mensagem("Falha ao copiar.", "Erro!");
                return;
            }
        }
    } catch (const std::exception&) {
        painel_.Mensagem("Erro ao copiar algum dos arquivos.", "Erro");
    }
}

void Processamento::Abrindo() {
    const std::string pasta = ajustes_.PastaTrabalho();
    auto abre = [&pasta](Tabela& tabela, const std::string& nome) {
        tabela.DefinePasta(pasta);
        tabela.DefineNome(nome);
        tabela.Abre();
    };
    try {
        abre(dados_.T_BO_DESC, AreaTrabalho::Original);
        abre(dados_.T_BT_DESC, AreaTrabalho::Morvisan);
        abre(dados_.T_BF_DESC, AreaTrabalho::Final);
        if (ajustes_.base1)
            abre(dados_.T_DEF_MUN, AreaTrabalho::DefMunMaiusc);
        dados_.Q_BF_DESC.DefinePasta(pasta);
        if (ajustes_.base2)
            abre(dados_.T_DEF_UF, AreaTrabalho::DefUfMaiusc);
    } catch (const std::exception&) {
        painel_.Mensagem("Erro ao abrir algum banco de dados.", "Erro");
    }
}

void Processamento::Fechando() {
    painel_.DesligaGrade();
    try {
        for (Tabela* tabela : {&dados_.T_BO_DESC, &dados_.T_BT_DESC, &dados_.T_BF_DESC}) {
            tabela->Grava();
            tabela->Fecha();
        }
        if (ajustes_.base1)
            dados_.T_DEF_MUN.Fecha();
        if (ajustes_.base2)
            dados_.T_DEF_UF.Fecha();
    } catch (const std::exception&) {
        painel_.Mensagem("Erro ao fechar algum banco de dados.", "Erro");
    }
}
