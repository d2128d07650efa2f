#include "Pastas.h"

#include "Falha.h"
#include "Texto.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ComBarra(std::string pasta) {
    if (pasta.empty() || pasta.back() != '/')
        pasta += '/';
    return pasta;
}

bool EhPasta(const std::string& caminho) {
    struct stat info {};
    return ::stat(caminho.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string PastaPessoal() {
    if (const char* casa = std::getenv("HOME"); casa != nullptr && casa[0] == '/')
        return casa;
    // Sem HOME (um serviço, um cron mal configurado), a conta do usuário ainda diz onde ela fica.
    if (const passwd* conta = ::getpwuid(::getuid()); conta != nullptr && conta->pw_dir != nullptr)
        return conta->pw_dir;
    throw Falha("N\xE3o foi poss\xEDvel achar a pasta pessoal do usu\xE1rio: HOME n\xE3o est\xE1 definida.");
}

std::string PastaDadosUsuario() {
    // Um caminho relativo não vale: as regras das pastas XDG mandam ignorá-lo.
    if (const char* dados = std::getenv("XDG_DATA_HOME"); dados != nullptr && dados[0] == '/')
        return ComBarra(dados) + "morvisan/";
    return ComBarra(PastaPessoal()) + ".local/share/morvisan/";
}

} // namespace

std::string PastaDoExecutavel() {
    char caminho[PATH_MAX];
    const ssize_t tamanho = ::readlink("/proc/self/exe", caminho, sizeof caminho - 1);
    if (tamanho <= 0)
        return "./";
    const std::string completo(caminho, static_cast<std::size_t>(tamanho));
    return completo.substr(0, completo.rfind('/') + 1);
}

Pastas LocalizaPastas(const std::string& pastaExecutavel) {
    const std::string executavel = ComBarra(pastaExecutavel);
    const bool temModelos = EhPasta(executavel + "Bases0");
    if (temModelos && ::access(executavel.c_str(), W_OK | X_OK) == 0)
        return PastaUnica(executavel);
    // Uma pasta de programa só leitura ainda traz os próprios modelos; sem eles, o prefixo instalado.
    const std::string sistema =
        temModelos ? executavel
                   : ComBarra(std::filesystem::path(executavel + "../share/morvisan").lexically_normal().string());
    return {sistema, PastaDadosUsuario()};
}

Pastas PastaUnica(const std::string& pasta) {
    return {ComBarra(pasta), ComBarra(pasta)};
}

void PreparaPastaGravavel(const std::string& pasta) {
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    int motivo = erro.value();
    if (motivo == 0 && ::access(pasta.c_str(), W_OK | X_OK) != 0)
        motivo = errno;
    // "Já existe" é um arquivo onde a pasta deveria estar.
    if (motivo == EEXIST)
        motivo = ENOTDIR;
    if (motivo != 0)
        throw Falha("N\xE3o foi poss\xEDvel gravar na pasta \"" + pasta + "\": " + MotivoDoErro(motivo) + ".");
}
