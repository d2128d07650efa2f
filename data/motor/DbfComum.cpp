#include "DbfComum.h"

#include "Temporarios.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

thread_local std::string ultimoErroShapelib;

namespace {

void GuardaErro(const char* mensagem) {
    ultimoErroShapelib = mensagem ? mensagem : "";
}

} // namespace

SAHooks GanchosShapelib() {
    SAHooks ganchos;
    SASetupDefaultHooks(&ganchos);
    ganchos.Error = GuardaErro;
    return ganchos;
}

std::FILE* AbreSemLigacao(const char* nome, const char* acesso) {
    const bool cria = acesso[0] == 'w';
    const int descritor = cria ? CriaExclusivo(nome)
                               : ::open(nome, (std::strchr(acesso, '+') ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC);
    if (descritor < 0)
        return nullptr;
    std::FILE* arquivo = ::fdopen(descritor, cria ? "w+b" : acesso);
    if (arquivo == nullptr)
        ::close(descritor);
    return arquivo;
}

SAFile AbreSemLigacaoShapelib(const char* nome, const char* acesso) {
    return reinterpret_cast<SAFile>(AbreSemLigacao(nome, acesso));
}

std::string_view FormataNumero(const Campo& campo, const Celula& valor, char (&texto)[TamanhoNumero]) {
    const int decimais = std::clamp(campo.decimais, 0, 255);
    if (valor.tipo == Valor::Tipo::Real) {
        const int n = std::snprintf(texto, sizeof texto, "%.*f", decimais, valor.real);
        return {texto, n < 0 || n >= static_cast<int>(sizeof texto) ? 256 : static_cast<std::size_t>(n)};
    }
    char* fim = std::to_chars(texto, texto + 24, valor.inteiro).ptr;
    if (decimais > 0) {
        *fim++ = '.';
        fim = std::fill_n(fim, decimais, '0');
    }
    return {texto, static_cast<std::size_t>(fim - texto)};
}
