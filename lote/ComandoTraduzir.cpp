#include "ComandoTraduzir.h"

#include "Ambiente.h"
#include "AreaTrabalho.h"
#include "PainelTerminal.h"
#include "Processamento.h"
#include "Terminal.h"
#include "Texto.h"
#include "Uso.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace {

struct Pedido {
    std::string original, traducao, pasta, nome;
    bool pularExcecoes = false;
};

// Caracteres do nome como o terminal os escreve: bytes de continuação UTF-8 não contam.
std::size_t Caracteres(const std::string& texto) {
    std::size_t total = 0;
    for (unsigned char c : texto)
        total += (c & 0xC0) != 0x80;
    return total;
}

bool LePedido(const std::vector<std::string>& argumentos, Pedido& pedido) {
    std::vector<std::string> posicionais;
    for (const std::string& argumento : argumentos) {
        if (argumento == "--pular-excecoes")
            pedido.pularExcecoes = true;
        else
            posicionais.push_back(argumento);
    }
    if (posicionais.size() != 4)
        return false;
    pedido.original = posicionais[0];
    pedido.traducao = posicionais[1];
    pedido.pasta = posicionais[2];
    pedido.nome = posicionais[3];
    // O nome é o da caixa NovoArquivo: até 8 caracteres, sem pasta; só brancos é nome que falta, como
    // no passo 3 do assistente.
    return !pedido.original.empty() && !pedido.traducao.empty() && !pedido.pasta.empty() &&
           !Apara(pedido.nome).empty() && Caracteres(pedido.nome) <= 8 &&
           pedido.nome.find_first_of("/\\") == std::string::npos;
}

bool MesmoArquivo(const std::string& a, const std::string& b) {
    std::error_code erro;
    return a == b || std::filesystem::equivalent(a, b, erro);
}

} // namespace

int ComandoTraduzir(const std::string& dirSistema, const std::vector<std::string>& argumentos) {
    Pedido pedido;
    if (!LePedido(argumentos, pedido))
        return MostraUso();
    // Como o passo 3 do assistente; e a rodada também não grava por cima de uma das bases que lê.
    if (MesmoArquivo(pedido.original, pedido.traducao) ||
        AreaTrabalho::SaidaSobreEntrada(pedido.pasta, pedido.nome, pedido.original, pedido.traducao)) {
        std::cerr << ParaTerminal("Erro!: Voc\xea especificou o mesmo nome mais de uma vez.") << "\n";
        return 2;
    }

    Ajustes ajustes;
    ajustes.DirSistema = dirSistema.empty() || dirSistema.back() == '/' ? dirSistema : dirSistema + "/";
    ajustes.regional = RegionalDoAmbiente();
    ajustes.Arquivos[0] = pedido.original;
    ajustes.Arquivos[1] = pedido.traducao;
    ajustes.Arquivos[2] = pedido.nome;
    ajustes.Pasta = pedido.pasta;
    ajustes.NovoArquivo = pedido.nome;
    ajustes.IgnoraEx = !pedido.pularExcecoes;
    // O mesmo teste da partida do programa de janelas.
    ajustes.base1 = AreaTrabalho::BaseExtraAtiva(ajustes.DirSistema, AreaTrabalho::DefMun);
    ajustes.base2 = AreaTrabalho::BaseExtraAtiva(ajustes.DirSistema, AreaTrabalho::DefUf);

    Dados dados;
    PainelTerminal painel(std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
    Processamento processamento(ajustes, dados, painel);
    int codigo = 0;
    try {
        processamento.FormActivate();
        codigo = processamento.Parou() ? 1 : !processamento.ContagemFecha() ? 3 : processamento.SucessoTotal() ? 0 : 4;
        painel.Conclui();
    } catch (const std::exception& falha) {
        painel.Conclui();
        painel.Erro(LinhasDoTerminal(MensagemComPonto(falha.what())));
        codigo = 1;
    }
    // Como o botão Fechar da janela: grava e fecha as tabelas de trabalho. Tabelas que não foram
    // gravadas não podem passar por rodada bem-sucedida.
    processamento.Fechando();
    return processamento.FalhouAoFechar() ? 1 : codigo;
}
