#include "ArquivoSaida.h"

#include "Arquivos.h"
#include "Falha.h"
#include "Texto.h"

#include <cerrno>
#include <unistd.h>

ArquivoSaida::ArquivoSaida(const TemporarioCriado& temporario, const std::string& destino)
    : destino_(ResolveCaminho(destino)) {
    if (temporario.descritor < 0)
        FalhaES("criar", temporario.erro);
    arquivo_ = ::fdopen(temporario.descritor, "wb");
    if (arquivo_ == nullptr) {
        const int erro = errno;
        ::close(temporario.descritor);
        FalhaES("criar", erro);
    }
    // Buffer grande: um arquivo de um milhão de linhas não pode custar uma chamada por linha.
    std::setvbuf(arquivo_, nullptr, _IOFBF, 1 << 16);
}

ArquivoSaida::~ArquivoSaida() {
    if (arquivo_ != nullptr)
        std::fclose(arquivo_);
}

void ArquivoSaida::EscreveLinha(const std::string& linha) {
    if (std::fwrite(linha.data(), 1, linha.size(), arquivo_) != linha.size() || std::fputs("\r\n", arquivo_) < 0)
        FalhaES("gravar", errno);
}

void ArquivoSaida::Fecha() {
    std::FILE* arquivo = arquivo_;
    arquivo_ = nullptr;
    if (std::fclose(arquivo) != 0)
        FalhaES("gravar", errno);
}

// O motivo em palavras, sem o número do erro; numa pasta sem gravação, o que fazer.
void ArquivoSaida::FalhaES(const char* acao, int erro) const {
    const bool semGravacao = erro == EACCES || erro == EPERM || erro == EROFS;
    throw Falha("N\xe3o foi poss\xedvel " + std::string(acao) + " o arquivo \"" + destino_ +
                "\": " + MotivoDoErro(erro) + "." + (semGravacao ? " Escolha uma pasta em que se possa gravar." : ""));
}
