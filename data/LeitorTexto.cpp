#include "LeitorTexto.h"

#include "Falha.h"
#include "Texto.h"

#include <cerrno>

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char CtrlZ = 26;
constexpr std::size_t TamanhoBloco = 1 << 16;

} // namespace

LeitorTexto::LeitorTexto(const std::string& caminho) : caminho_(caminho), buffer_(TamanhoBloco) {
    arquivo_ = std::fopen(caminho.c_str(), "rb");
    if (arquivo_ == nullptr)
        throw Falha("N\xE3o foi poss\xEDvel abrir o arquivo \"" + caminho + "\": " + MotivoDoErro(errno) + ".");
}

LeitorTexto::~LeitorTexto() {
    std::fclose(arquivo_);
}

bool LeitorTexto::Enche() {
    if (posicao_ < tamanho_)
        return true;
    if (acabou_)
        return false;
    posicao_ = 0;
    tamanho_ = std::fread(buffer_.data(), 1, buffer_.size(), arquivo_);
    if (tamanho_ == 0) {
        if (std::ferror(arquivo_))
            throw Falha("Erro ao ler o arquivo \"" + caminho_ + "\": " + MotivoDoErro(errno) + ".");
        acabou_ = true;
        return false;
    }
    return true;
}

void LeitorTexto::ParaNoCtrlZ(long long linha) {
    linhaCtrlZ_ = linha;
    ++posicao_;
    // O que vem depois não é lido, mas quem perdeu linhas precisa saber quantas.
    bool naoBranca = false;
    while (Enche()) {
        const auto c = static_cast<unsigned char>(buffer_[posicao_++]);
        if (c == CR || c == LF) {
            naoLidas_ += naoBranca;
            naoBranca = false;
        } else if (c > 32) {
            naoBranca = true;
        }
    }
    naoLidas_ += naoBranca;
    acabou_ = true;
    tamanho_ = posicao_ = 0;
}

bool LeitorTexto::LeLinha(std::string& linha) {
    linha.clear();
    if (!Enche())
        return false;
    if (buffer_[posicao_] == CtrlZ) {
        ParaNoCtrlZ(linhas_ + 1);
        return false;
    }
    ++linhas_;
    while (Enche()) {
        const char* inicio = buffer_.data() + posicao_;
        const char* fim = buffer_.data() + tamanho_;
        const char* p = inicio;
        while (p < fim && *p != CR && *p != LF && *p != CtrlZ && *p != '\0')
            ++p;
        linha.append(inicio, p);
        posicao_ += static_cast<std::size_t>(p - inicio);
        if (p == fim)
            continue;
        // Um byte nulo não existe em texto Latin-1: é um arquivo binário, e seguir gravaria lixo.
        if (*p == '\0')
            throw Falha("O arquivo \"" + caminho_ + "\" n\xE3o \xE9 um arquivo texto (byte nulo na linha " +
                        TextoInteiro(linhas_) + ").");
        if (*p == CtrlZ) {
            // O Ctrl-Z encerra a entrada; a linha até ele vale.
            ParaNoCtrlZ(linhas_);
            return true;
        }
        ++posicao_;
        if (*p == CR && Enche() && buffer_[posicao_] == LF)
            ++posicao_;
        return true;
    }
    return true;
}
