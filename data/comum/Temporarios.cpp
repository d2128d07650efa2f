#include "Temporarios.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string_view>
#include <sys/random.h>
#include <unistd.h>

namespace {

const std::string Prefixo = ".morvisan-";

// O processo dono, lido do nome; 0 quando o nome não é de um temporário do programa.
pid_t DonoDoTemporario(std::string_view nome) {
    if (nome.substr(0, Prefixo.size()) != Prefixo)
        return 0;
    nome.remove_prefix(Prefixo.size());
    pid_t dono = 0;
    std::size_t i = 0;
    for (; i < nome.size() && nome[i] >= '0' && nome[i] <= '9' && dono < 100000000; ++i)
        dono = dono * 10 + (nome[i] - '0');
    return i > 0 && i < nome.size() && nome[i] == '-' ? dono : 0;
}

bool ProcessoVivo(pid_t processo) {
    return ::kill(processo, 0) == 0 || errno == EPERM;
}

} // namespace

std::string Sorteio() {
    std::uint64_t sorteio = 0;
    // getrandom não falha com 8 bytes depois da partida; o random_device só cobre um núcleo antigo.
    if (::getrandom(&sorteio, sizeof sorteio, 0) != static_cast<ssize_t>(sizeof sorteio))
        sorteio = (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();
    char hexa[17];
    for (int i = 15; i >= 0; --i, sorteio >>= 4)
        hexa[i] = "0123456789abcdef"[sorteio & 0xF];
    hexa[16] = '\0';
    return hexa;
}

std::string CaminhoTemporario(const std::string& destino, const std::string& extensao) {
    const auto barra = destino.rfind('/');
    const std::string pasta = barra == std::string::npos ? "" : destino.substr(0, barra + 1);
    return pasta + Prefixo + std::to_string(::getpid()) + "-" + Sorteio() + "." + extensao;
}

int CriaExclusivo(const std::string& caminho) {
    return ::open(caminho.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

TemporarioCriado CriaTemporario(const std::string& destino, const std::string& extensao) {
    TemporarioCriado criado;
    // Um nome tomado (sorteio repetido ou ligação plantada) pede outro; só outro erro para.
    for (int tentativa = 0; tentativa < 16 && criado.descritor < 0; ++tentativa) {
        criado.caminho = CaminhoTemporario(destino, extensao);
        criado.descritor = CriaExclusivo(criado.caminho);
        criado.erro = criado.descritor < 0 ? errno : 0;
        if (criado.erro != EEXIST)
            break;
    }
    return criado;
}

void LimpaTemporariosOrfaos(const std::string& pasta) {
    std::error_code erro;
    for (const auto& item : std::filesystem::directory_iterator(pasta, erro)) {
        const pid_t dono = DonoDoTemporario(item.path().filename().native());
        if (dono > 0 && dono != ::getpid() && !ProcessoVivo(dono) && item.is_regular_file(erro))
            std::filesystem::remove(item.path(), erro);
    }
}
