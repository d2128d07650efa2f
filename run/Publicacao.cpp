#include "Publicacao.h"

#include "Arquivos.h"
#include "Falha.h"
#include "Temporarios.h"
#include "Texto.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string NomeMarca = ".morvisan-publicacao";
const std::string PrefixoReserva = ".morvisan-anterior-";

struct Troca {
    std::string temporario;
    std::string destino; // só o nome, na pasta
    std::string reserva; // vazio: não havia arquivo anterior
};

std::string PastaDe(const std::string& caminho) {
    const auto barra = caminho.rfind('/');
    return barra == std::string::npos ? "" : caminho.substr(0, barra + 1);
}

std::string NomeDe(const std::string& caminho) {
    const auto barra = caminho.rfind('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

bool Existe(const std::string& caminho) {
    struct stat info {};
    return ::lstat(caminho.c_str(), &info) == 0;
}

// A marca: destino e reserva de cada troca, separados por zeros (nomes de arquivo não os têm). Vai
// para o lugar por troca de nome: ou está inteira, ou não está.
void GravaMarca(const std::string& pasta, const std::vector<Troca>& trocas) {
    std::string conteudo;
    for (const Troca& troca : trocas)
        conteudo += troca.destino + '\0' + troca.reserva + '\0';
    const TemporarioCriado marca = CriaTemporario(pasta + NomeMarca, "tmp");
    int erro = marca.erro;
    if (marca.descritor >= 0) {
        if (::write(marca.descritor, conteudo.data(), conteudo.size()) != static_cast<ssize_t>(conteudo.size()))
            erro = errno ? errno : ENOSPC;
        if (::close(marca.descritor) != 0 && erro == 0)
            erro = errno;
        if (erro == 0 && std::rename(marca.caminho.c_str(), (pasta + NomeMarca).c_str()) != 0)
            erro = errno;
        if (erro != 0)
            ::unlink(marca.caminho.c_str());
    }
    if (erro != 0)
        throw Falha("N\xe3o foi poss\xedvel gravar na pasta \"" + pasta + "\": " + MotivoDoErro(erro) + ".");
}

// Põe de volta o conjunto anterior: cada reserva volta ao seu nome; um destino que não existia antes
// sai. Devolve o primeiro erro (0 quando tudo voltou); a marca só sai quando tudo voltou.
int Restaura(const std::string& pasta, const std::vector<Troca>& trocas) {
    int primeiroErro = 0;
    const auto anota = [&primeiroErro](int erro) {
        if (primeiroErro == 0)
            primeiroErro = erro;
    };
    for (const Troca& troca : trocas) {
        const std::string destino = pasta + troca.destino;
        if (troca.reserva.empty()) {
            struct stat info {};
            if (::lstat(destino.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && ::unlink(destino.c_str()) != 0)
                anota(errno);
            continue;
        }
        const std::string reserva = pasta + troca.reserva;
        if (!Existe(reserva))
            continue; // a reserva nem chegou a ser feita: o destino não mudou
        if (std::rename(reserva.c_str(), destino.c_str()) != 0)
            anota(errno);
        // Reserva e destino já eram o mesmo arquivo (a troca dele não chegou a acontecer): a troca de
        // nome não faz nada e a reserva fica.
        else if (Existe(reserva) && ::unlink(reserva.c_str()) != 0)
            anota(errno);
    }
    if (primeiroErro == 0)
        ::unlink((pasta + NomeMarca).c_str());
    return primeiroErro;
}

// A reserva do destino existente: uma segunda ligação ao mesmo arquivo, de modo que o destino nunca
// falte; onde o sistema de arquivos não tem ligações, o próprio arquivo muda de nome.
int FazReserva(const std::string& pasta, const Troca& troca) {
    const std::string destino = pasta + troca.destino;
    const std::string reserva = pasta + troca.reserva;
    if (::link(destino.c_str(), reserva.c_str()) == 0)
        return 0;
    return std::rename(destino.c_str(), reserva.c_str()) == 0 ? 0 : errno;
}

} // namespace

void PublicaJuntos(const std::vector<std::pair<std::string, std::string>>& pares) {
    if (pares.empty())
        return;
    const std::string pasta = PastaDe(pares.front().second);
    std::vector<Troca> trocas;
    for (const auto& [temporario, destino] : pares) {
        if (PastaDe(destino) != pasta)
            throw Falha("Sa\xed"
                        "das em pastas diferentes: " +
                        destino);
        Troca troca{temporario, NomeDe(ResolveCaminho(destino)), ""};
        struct stat info {};
        // Uma pasta no lugar do destino não tem reserva: a troca falha nela e desfaz as outras.
        if (::lstat((pasta + troca.destino).c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
            troca.reserva = PrefixoReserva + Sorteio();
        trocas.push_back(std::move(troca));
    }
    GravaMarca(pasta, trocas);
    std::string falhou;
    int erro = 0;
    for (const Troca& troca : trocas)
        if (!troca.reserva.empty() && (erro = FazReserva(pasta, troca)) != 0) {
            falhou = troca.destino;
            break;
        }
    for (std::size_t i = 0; erro == 0 && i < trocas.size(); ++i)
        if (std::rename(trocas[i].temporario.c_str(), (pasta + trocas[i].destino).c_str()) != 0) {
            erro = errno;
            falhou = trocas[i].destino;
        }
    if (erro != 0) {
        const int erroAoRestaurar = Restaura(pasta, trocas);
        std::string mensagem = "N\xe3o foi poss\xedvel gravar o arquivo " + pasta + falhou + ": " + MotivoDoErro(erro);
        if (erroAoRestaurar != 0)
            mensagem += "; e as sa\xed"
                        "das anteriores n\xe3o voltaram (" +
                        MotivoDoErro(erroAoRestaurar) + "): a pr\xf3xima rodada nesta pasta tenta de novo";
        throw Falha(mensagem);
    }
    ::unlink((pasta + NomeMarca).c_str());
    for (const Troca& troca : trocas)
        if (!troca.reserva.empty())
            ::unlink((pasta + troca.reserva).c_str());
}

void ReparaPublicacao(const std::string& pastaDada) {
    const std::string pasta = pastaDada.empty() || pastaDada.back() == '/' ? pastaDada : pastaDada + "/";
    std::FILE* arquivo = std::fopen((pasta + NomeMarca).c_str(), "rb");
    if (arquivo != nullptr) {
        std::string conteudo;
        char bloco[4096];
        for (std::size_t lidos; (lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0;)
            conteudo.append(bloco, lidos);
        std::fclose(arquivo);
        std::vector<std::string> nomes;
        for (std::size_t inicio = 0, fim; (fim = conteudo.find('\0', inicio)) != std::string::npos; inicio = fim + 1)
            nomes.push_back(conteudo.substr(inicio, fim - inicio));
        // Uma marca que não é a do programa (cortada, plantada) não mexe em nada.
        bool valida = !nomes.empty() && nomes.size() % 2 == 0;
        std::vector<Troca> trocas;
        for (std::size_t i = 0; valida && i < nomes.size(); i += 2) {
            const std::string& destino = nomes[i];
            const std::string& reserva = nomes[i + 1];
            valida = !destino.empty() && destino != "." && destino != ".." && destino.find('/') == std::string::npos &&
                     reserva.find('/') == std::string::npos &&
                     (reserva.empty() || reserva.rfind(PrefixoReserva, 0) == 0);
            trocas.push_back({"", destino, reserva});
        }
        const int erro = valida ? Restaura(pasta, trocas) : 0;
        if (!valida || erro != 0)
            throw Falha("A pasta de sa\xed"
                        "da \"" +
                        pastaDada +
                        "\" tem sa\xed"
                        "das gravadas pela metade por uma rodada interrompida, e n\xe3o foi poss\xedvel "
                        "repor as anteriores (" +
                        (valida ? MotivoDoErro(erro) : "marca \"" + NomeMarca + "\" ileg\xedvel") +
                        "). Confira os arquivos da pasta e apague \"" + NomeMarca + "\".");
    }
    std::error_code erro;
    for (const auto& item : std::filesystem::directory_iterator(pasta.empty() ? "." : pasta, erro))
        if (item.path().filename().native().rfind(PrefixoReserva, 0) == 0 && !item.is_directory(erro))
            std::filesystem::remove(item.path(), erro);
}
