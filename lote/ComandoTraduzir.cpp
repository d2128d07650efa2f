#include "ComandoTraduzir.h"

#include "AreaTrabalho.h"
#include "PainelTerminal.h"
#include "Processamento.h"
#include "Terminal.h"
#include "Texto.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <strings.h>
#include <unistd.h>

namespace {

// Caracteres do nome como o terminal os escreve: bytes de continuação UTF-8 não contam.
std::size_t Caracteres(const std::string& texto) {
    std::size_t total = 0;
    for (unsigned char c : texto)
        total += (c & 0xC0) != 0x80;
    return total;
}

void ConfereArgumentos(const std::vector<std::string>& argumentos) {
    const char* nomes[] = {"ORIGINAL", "TRADUCAO", "PASTA"};
    for (std::size_t i = 0; i < 3; ++i)
        if (argumentos[i].empty())
            throw ErroUso(std::string("traduzir: o argumento ") + nomes[i] + " est\xE1 vazio");
    ConfereNomeResultado("traduzir", argumentos[3]);
}

bool MesmoArquivo(const std::string& a, const std::string& b) {
    std::error_code erro;
    return a == b || std::filesystem::equivalent(a, b, erro);
}

} // namespace

void ConfereNomeResultado(const std::string& comando, const std::string& nome) {
    // O nome é o da caixa NovoArquivo: até 8 caracteres, sem pasta; só brancos é nome que falta, como
    // no passo 3 do assistente.
    if (Apara(nome).empty())
        throw ErroUso(comando + ": o NOME do resultado est\xE1 em branco");
    if (Caracteres(nome) > 8)
        throw ErroUso(comando + ": o NOME \"" + nome + "\" tem mais de 8 caracteres");
    if (nome.find_first_of("/\\") != std::string::npos)
        throw ErroUso(comando + ": o NOME \"" + nome + "\" n\xE3o pode ter pasta");
    // NOME.CSV seria o próprio extrato: a rodada inteira terminaria num erro de gravação.
    if (::strcasecmp((nome + ".CSV").c_str(), AreaTrabalho::ArquivoComp.c_str()) == 0)
        throw ErroUso(comando + ": o NOME \"" + nome + "\" \xE9 o do extrato " + AreaTrabalho::ArquivoComp);
}

int ComandoTraduzir(Ajustes& ajustes, const LinhaComando& linha) {
    ConfereArgumentos(linha.argumentos);
    const std::string& original = linha.argumentos[0];
    const std::string& traducao = linha.argumentos[1];
    const std::string& pasta = linha.argumentos[2];
    const std::string& nome = linha.argumentos[3];
    // Como o passo 3 do assistente; e a rodada também não grava por cima de uma das bases que lê.
    if (MesmoArquivo(original, traducao) || AreaTrabalho::SaidaSobreEntrada(pasta, nome, original, traducao)) {
        std::cerr << ParaTerminal("Erro!: Voc\xea especificou o mesmo nome mais de uma vez.") << "\n";
        return 2;
    }
    // A pasta do resultado é do usuário: a que falta é dita antes da rodada, e não criada.
    if (!std::filesystem::is_directory(pasta))
        throw ErroUso("traduzir: a pasta do resultado \"" + pasta + "\" n\xE3o existe");
    // Uma pasta de dados sem gravação para aqui, com o motivo, antes de uma rodada que só daria erros.
    PreparaPastaGravavel(ajustes.DirUsuario);

    ajustes.Arquivos[0] = original;
    ajustes.Arquivos[1] = traducao;
    ajustes.Arquivos[2] = nome;
    ajustes.Pasta = pasta;
    ajustes.NovoArquivo = nome;
    ajustes.IgnoraEx = !linha.pularExcecoes;
    // O mesmo teste da partida do programa de janelas.
    ajustes.base1 = AreaTrabalho::BaseExtraAtiva(ajustes.DirUsuario, AreaTrabalho::DefMun);
    ajustes.base2 = AreaTrabalho::BaseExtraAtiva(ajustes.DirUsuario, AreaTrabalho::DefUf);

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
