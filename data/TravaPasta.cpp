#include "TravaPasta.h"

#include "Falha.h"
#include "Texto.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TravaPasta::TravaPasta(const std::string& pasta) {
    const std::string caminho = pasta + (pasta.empty() || pasta.back() == '/' ? "" : "/") + ".morvisan-trava";
    descritor_ = ::open(caminho.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descritor_ < 0)
        throw Falha("N\xe3o foi poss\xedvel travar a pasta do programa \"" + pasta + "\": " + MotivoDoErro(errno) +
                    ".");
    // A trava do flock some com o processo: um programa morto nunca deixa a pasta presa.
    if (::flock(descritor_, LOCK_EX | LOCK_NB) != 0) {
        const int erro = errno;
        ::close(descritor_);
        if (erro == EWOULDBLOCK)
            throw Falha("Outra rodada ou importa\xe7\xe3o est\xe1 em andamento nesta pasta do programa.");
        throw Falha("N\xe3o foi poss\xedvel travar a pasta do programa \"" + pasta + "\": " + MotivoDoErro(erro) + ".");
    }
}

TravaPasta::~TravaPasta() {
    ::close(descritor_);
}
