#include "Temporarios.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string_view>
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

std::string CaminhoTemporario(const std::string& destino, const std::string& extensao) {
    static std::atomic<int> sequencia{0};
    const auto barra = destino.rfind('/');
    const std::string pasta = barra == std::string::npos ? "" : destino.substr(0, barra + 1);
    return pasta + Prefixo + std::to_string(::getpid()) + "-" + std::to_string(++sequencia) + "." + extensao;
}

void LimpaTemporariosOrfaos(const std::string& pasta) {
    std::error_code erro;
    for (const auto& item : std::filesystem::directory_iterator(pasta, erro)) {
        const pid_t dono = DonoDoTemporario(item.path().filename().native());
        if (dono > 0 && dono != ::getpid() && !ProcessoVivo(dono) && item.is_regular_file(erro))
            std::filesystem::remove(item.path(), erro);
    }
}
