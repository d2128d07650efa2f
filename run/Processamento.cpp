#include "Processamento.h"

#include "AreaTrabalho.h"
#include "Arquivos.h"
#include "Texto.h"

#include <cerrno>
#include <exception>

namespace {

// Número mostrado por um contador: "?" (nada contado) vale 0; o "+" de BF_DESC faz parte do número.
int NumeroDoContador(const std::string& texto) {
    return texto == "?" ? 0 : StrToInt(texto);
}

} // namespace

Processamento::Processamento(Ajustes& ajustes, Dados& dados, PainelProc& painel)
    : ajustes_(ajustes), dados_(dados), painel_(painel) {}

bool Processamento::ContagemFecha() const {
    const int esperados = NumeroDoContador(painel_.TextoContador(Contador::BO_desc)) +
                          NumeroDoContador(painel_.TextoContador(Contador::BF_DESC));
    return esperados == dados_.T_BF_DESC.Registros();
}

std::vector<Aviso> Processamento::Avisos() const {
    std::vector<Aviso> avisos = avisosBO_;
    avisos.insert(avisos.end(), avisosBT_.begin(), avisosBT_.end());
    avisos.insert(avisos.end(), avisosRegistro_.begin(), avisosRegistro_.end());
    return avisos;
}

void Processamento::FormActivate() {
    sucessoTotal_ = false;
    parou_ = false;
    painel_.EscondePrincipal();
    painel_.LimpaObs();
    painel_.DefineCorSituacao(Cor::FaceBotao);
    painel_.CursorEspera();
    painel_.DefinePosicaoProgresso(0);
    painel_.DefineContador(Contador::BO_desc, "?");
    painel_.DefineContador(Contador::BT_DESC, "?");
    painel_.DefineContador(Contador::BF_DESC, "?");
    // Uma rodada por vez nesta pasta do programa, até Fechando: outra rodada ou importação ao mesmo
    // tempo trocaria as cópias de trabalho por baixo desta. E uma por vez na pasta de saída, até as
    // saídas irem para o lugar, mesmo vinda de outra pasta do programa.
    trava_.emplace(ajustes_.DirUsuario);
    AreaTrabalho::LimpaTemporarios(ajustes_.DirUsuario);
    saidas_.Reserva(ajustes_.Pasta);
    // A pasta pode já existir: o resultado não importa.
    CriaPasta(ajustes_.PastaTrabalho());
    try {
        Passos();
    } catch (...) {
        saidas_.Libera();
        throw;
    }
    saidas_.Libera();
}

void Processamento::Passos() {
    // Cópia ou abertura que falhou já mostrou a própria caixa; seguir seria rodar sobre as tabelas
    // da rodada anterior ou sobre nenhuma.
    painel_.DefineSituacao("Copiando bases de trabalho...");
    Copiando();
    if (parou_) {
        painel_.CursorNormal();
        return;
    }
    painel_.ConfereCancelamento();
    painel_.DefineSituacao("Abrindo bases de trabalho...");
    Abrindo();
    if (parou_) {
        painel_.CursorNormal();
        return;
    }
    painel_.ConfereCancelamento();
    painel_.DefineSituacao("Transferindo dados do arquivo a ser traduzido...");
    CarregaBO();
    painel_.ConfereCancelamento();
    painel_.DefineSituacao("Transferindo dados do arquivo morvisan...");
    CarregaBT();
    painel_.ConfereCancelamento();
    painel_.DefineSituacao("Preparando arquivo final...");
    CarregaBF();
    painel_.ConfereCancelamento();
    painel_.DefineSituacao("Traduzindo...");
    Transfere();
    // Os nomes já entraram em CarregaBF; o texto só avisa que entraram.
    if (ajustes_.base1 || ajustes_.base2)
        painel_.DefineSituacao("Incluindo nomes de municipios e/ou UFs...");
    painel_.ConfereCancelamento();
    painel_.DefineSituacao("Gravando...");
    Grava();
    painel_.DefineSituacao("Verificando estado do resultado...");
    EstResult();

    const bool fecha = ContagemFecha();
    std::string situacao = "Fim - S\xe3o " + TextoInteiro(dados_.T_BF_DESC.Registros()) + " registros.";
    if (!fecha)
        situacao += " (erro)";
    painel_.DefineSituacao(situacao);
    if (!fecha)
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
    const auto para = [this](const std::string& texto, const std::string& titulo) {
        painel_.Mensagem(texto, titulo);
        parou_ = true;
    };
    try {
        for (const Copia& copia : copias) {
            if (!copia.faz)
                continue;
            const std::string origem = copia.pasta + copia.arquivo;
            const std::string destino = ajustes_.PastaTrabalho() + copia.arquivo;
            // Uma tabela que ficou aberta (um fechamento que falhou) prende sua cópia: apagar o arquivo
            // por baixo dela deixaria a rodada nova sobre os registros da velha.
            if (copia.tabela.Aberta())
                return para("Falha ao apagar c\xf3pia anterior.\r\r\"" + destino + "\": a tabela ainda est\xe1 aberta.",
                            "Erro!");
            if (ArquivoExiste(destino) && !ApagaArquivo(destino))
                return para("Falha ao apagar c\xf3pia anterior.\r\r\"" + destino + "\": " + MotivoDoErro(errno) + ".",
                            "Erro!");
            if (!CopiaArquivo(origem, destino))
                return para("Falha ao copiar.\r\r" + (ArquivoExiste(origem) ? "\"" + origem + "\" para \"" + destino +
                                                                                  "\": " + MotivoDoErro(errno) + "."
                                                                            : "Falta o arquivo \"" + origem + "\"."),
                            "Erro!");
        }
    } catch (const std::exception&) {
        para("Erro ao copiar algum dos arquivos.", "Erro");
    }
}

void Processamento::Abrindo() {
    const std::string pasta = ajustes_.PastaTrabalho();
    // A cópia de trabalho é a do modelo (ou da base extra): o arquivo a consertar é a origem.
    std::string origem;
    auto abre = [&](Tabela& tabela, const std::string& nome, const std::string& copiaDe) {
        origem = ResolveCaminho(copiaDe);
        tabela.DefinePasta(pasta);
        tabela.DefineNome(nome);
        tabela.Abre();
    };
    try {
        const std::string bases0 = ajustes_.DirSistema + AreaTrabalho::Bases0 + "/";
        const std::string bases1 = ajustes_.DirUsuario + AreaTrabalho::Bases1 + "/";
        abre(dados_.T_BO_DESC, AreaTrabalho::Original, bases0 + AreaTrabalho::Original);
        abre(dados_.T_BT_DESC, AreaTrabalho::Morvisan, bases0 + AreaTrabalho::Morvisan);
        abre(dados_.T_BF_DESC, AreaTrabalho::Final, bases0 + AreaTrabalho::Final);
        if (ajustes_.base1) {
            origem = ResolveCaminho(bases1 + AreaTrabalho::DefMun);
            AreaTrabalho::ConfereBaseExtra(pasta, AreaTrabalho::DefMunMaiusc);
            abre(dados_.T_DEF_MUN, AreaTrabalho::DefMunMaiusc, bases1 + AreaTrabalho::DefMun);
        }
        if (ajustes_.base2) {
            origem = ResolveCaminho(bases1 + AreaTrabalho::DefUf);
            AreaTrabalho::ConfereBaseExtra(pasta, AreaTrabalho::DefUfMaiusc);
            abre(dados_.T_DEF_UF, AreaTrabalho::DefUfMaiusc, bases1 + AreaTrabalho::DefUf);
        }
    } catch (const std::exception& falha) {
        painel_.Mensagem("Erro ao abrir algum banco de dados.\r\r" + std::string(falha.what()) +
                             "\r\rA c\xf3pia de trabalho vem de \"" + origem + "\": \xe9 esse o arquivo a conferir.",
                         "Erro");
        parou_ = true;
    }
}

void Processamento::Fechando() {
    painel_.DesligaGrade();
    falhouAoFechar_ = false;
    try {
        // Só o que a rodada abriu: uma rodada que parou antes não acrescenta uma caixa a mais.
        for (Tabela* tabela : {&dados_.T_BO_DESC, &dados_.T_BT_DESC, &dados_.T_BF_DESC})
            if (tabela->Aberta()) {
                tabela->Grava();
                tabela->Fecha();
            }
        for (Tabela* extra : {&dados_.T_DEF_MUN, &dados_.T_DEF_UF})
            if (extra->Aberta())
                extra->Fecha();
    } catch (const std::exception& falha) {
        painel_.Mensagem("Erro ao fechar algum banco de dados.\r\r" + std::string(falha.what()), "Erro");
        falhouAoFechar_ = true;
    }
    trava_.reset();
}
