#include "TravaPasta.h"

#include "Falha.h"
#include "Texto.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void FalhaDeGravar(const std::string& pasta, int erro) {
    throw Falha("N\xe3o foi poss\xedvel gravar na pasta \"" + pasta + "\": " + MotivoDoErro(erro) + ".");
}

// O descritor ainda nomeia o arquivo do caminho? Quem soltou a trava da saída o apagou depois de
// travá-lo; a trava num arquivo apagado não vale para quem abrir o nome de novo.
bool AindaNoCaminho(int descritor, const std::string& caminho) {
    struct stat aberto {
    }, noCaminho{};
    return ::fstat(descritor, &aberto) == 0 && ::lstat(caminho.c_str(), &noCaminho) == 0 &&
           aberto.st_dev == noCaminho.st_dev && aberto.st_ino == noCaminho.st_ino;
}

} // namespace

TravaPasta::TravaPasta(const std::string& pasta, Uso uso) : uso_(uso) {
    const std::string separador = pasta.empty() || pasta.back() == '/' ? "" : "/";
    caminho_ = pasta + separador + (uso == Uso::Programa ? ".morvisan-trava" : ".morvisan-trava-saidas");
    for (;;) {
        descritor_ = ::open(caminho_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (descritor_ < 0) {
            const int erro = errno;
            // Numa pasta de saída que falta ou não aceita arquivos nada será gravado: a criação da
            // primeira saída dá a mensagem de sempre, com o nome do arquivo. Numa que aceita, o nome
            // tomado por uma ligação ou um arquivo alheio não pode deixar a rodada sem trava.
            if (uso == Uso::Saida && ::access(pasta.empty() ? "." : pasta.c_str(), W_OK) != 0)
                return;
            FalhaDeGravar(pasta, erro);
        }
        // A trava do flock some com o processo: um programa morto nunca deixa a pasta presa.
        if (::flock(descritor_, LOCK_EX | LOCK_NB) != 0) {
            const int erro = errno;
            ::close(descritor_);
            if (erro != EWOULDBLOCK)
                FalhaDeGravar(pasta, erro);
            if (uso == Uso::Programa)
                throw Falha("Outra rodada ou importa\xe7\xe3o est\xe1 em andamento nesta pasta do programa.");
            throw Falha("Outra rodada est\xe1 gravando na pasta de sa\xed"
                        "da \"" +
                        pasta + "\"; espere que ela termine.");
        }
        if (uso == Uso::Programa || AindaNoCaminho(descritor_, caminho_))
            return;
        ::close(descritor_);
    }
}

TravaPasta::~TravaPasta() {
    // Apagado antes de soltar: quem esperava abre um arquivo novo e não trava o velho.
    if (descritor_ < 0)
        return;
    if (uso_ == Uso::Saida)
        ::unlink(caminho_.c_str());
    ::close(descritor_);
}
