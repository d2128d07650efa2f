#include "Arquivos.h"

#include "Falha.h"
#include "Texto.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string SemSeparadorDobrado(const std::string& caminho) {
    std::string limpo;
    for (char c : caminho)
        if (!(c == '/' && !limpo.empty() && limpo.back() == '/'))
            limpo += c;
    return limpo;
}

} // namespace

std::string ResolveCaminho(const std::string& caminho) {
    std::string limpo = SemSeparadorDobrado(caminho);
    struct stat info {};
    if (::stat(limpo.c_str(), &info) == 0)
        return limpo;
    const auto barra = limpo.rfind('/');
    const std::string pasta = barra == std::string::npos ? "." : limpo.substr(0, barra + 1);
    const std::string nome = barra == std::string::npos ? limpo : limpo.substr(barra + 1);
    std::error_code erro;
    for (const auto& item : fs::directory_iterator(pasta, erro)) {
        const std::string candidato = item.path().filename().string();
        if (::strcasecmp(candidato.c_str(), nome.c_str()) == 0)
            return (barra == std::string::npos ? "" : pasta) + candidato;
    }
    return limpo;
}

bool ArquivoExiste(const std::string& caminho) {
    struct stat info {};
    return ::stat(ResolveCaminho(caminho).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool ApagaArquivo(const std::string& caminho) {
    return ::unlink(ResolveCaminho(caminho).c_str()) == 0;
}

bool CopiaArquivo(const std::string& origem, const std::string& destino) {
    const std::string de = ResolveCaminho(origem);
    const std::string para = ResolveCaminho(destino);
    const int entrada = ::open(de.c_str(), O_RDONLY);
    if (entrada < 0)
        return false;
    // O_EXCL recusa um destino que já existe, como a cópia que não sobrescreve.
    const int saida = ::open(para.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (saida < 0) {
        const int erro = errno;
        ::close(entrada);
        errno = erro;
        return false;
    }
    int erro = 0;
    // O núcleo copia sem passar os bytes pelo programa; onde ele não sabe (outro sistema de arquivos,
    // núcleo antigo), o laço de ler e escrever.
    bool copiando = true;
    while (copiando) {
        const ssize_t copiados = ::copy_file_range(entrada, nullptr, saida, nullptr, std::size_t{1} << 30, 0);
        if (copiados < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) &&
            ::lseek(saida, 0, SEEK_CUR) == 0)
            break;
        if (copiados <= 0) {
            erro = copiados < 0 ? errno : 0;
            copiando = false;
        }
    }
    char bloco[65536];
    while (copiando) {
        const ssize_t lidos = ::read(entrada, bloco, sizeof bloco);
        if (lidos <= 0) {
            erro = lidos < 0 ? errno : 0;
            break;
        }
        const ssize_t escritos = ::write(saida, bloco, static_cast<size_t>(lidos));
        if (escritos != lidos) {
            // Uma escrita curta sem erro é disco cheio.
            erro = escritos < 0 ? errno : ENOSPC;
            break;
        }
    }
    ::close(entrada);
    if (::close(saida) != 0 && erro == 0)
        erro = errno;
    if (erro != 0) {
        ::unlink(para.c_str());
        errno = erro;
    }
    return erro == 0;
}

bool CriaPasta(const std::string& caminho) {
    return ::mkdir(SemSeparadorDobrado(caminho).c_str(), 0755) == 0;
}

std::int64_t TamanhoArquivo(const std::string& caminho) {
    struct stat info {};
    if (::stat(ResolveCaminho(caminho).c_str(), &info) != 0)
        throw Falha("N\xe3o foi poss\xedvel abrir o arquivo " + caminho + ": " + MotivoDoErro(errno));
    return info.st_size;
}

void Renomeia(const std::string& origem, const std::string& destino) {
    if (std::rename(origem.c_str(), destino.c_str()) != 0)
        throw Falha("N\xe3o foi poss\xedvel gravar o arquivo " + destino + ": " + MotivoDoErro(errno));
}
