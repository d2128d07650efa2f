#include "ArquivoDbf.h"
#include "Arquivos.h"
#include "DbfComum.h"
#include "Falha.h"
#include "Temporarios.h"
#include "Texto.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <unistd.h>

EscritorDbf::EscritorDbf(const std::string& caminho, const std::vector<Campo>& campos, int driverIdioma)
    : caminho_(caminho), campos_(campos) {
    // O cabeçalho é o que a shapelib escreve para uma tabela vazia (data, página de código, campos e
    // o fim de arquivo); os registros entram depois dele. O nome temporário termina em ".dbf"
    // minúsculo: a shapelib troca qualquer outra extensão.
    temporario_ = CaminhoTemporario(caminho, "dbf");
    SAHooks ganchos = GanchosShapelib();
    ganchos.FOpen = AbreSemLigacaoShapelib;
    const std::string paginaCodigo = "LDID/" + std::to_string(driverIdioma);
    DBFHandle dbf = DBFCreateLL(temporario_.c_str(), paginaCodigo.c_str(), &ganchos);
    if (dbf == nullptr)
        throw Falha("N\xe3o foi poss\xedvel gravar a tabela " + caminho + ": " + MotivoDoErro(errno));
    for (const Campo& campo : campos)
        if (DBFAddNativeFieldType(dbf, campo.nome.c_str(), campo.tipo, campo.largura, campo.decimais) < 0) {
            DBFClose(dbf);
            ::unlink(temporario_.c_str());
            throw Falha("Campo inv\xe1lido na tabela " + caminho + ": " + campo.nome);
        }
    std::time_t agora = std::time(nullptr);
    std::tm data{};
    localtime_r(&agora, &data);
    DBFSetLastModifiedDate(dbf, data.tm_year, data.tm_mon + 1, data.tm_mday);
    tamanhoRegistro_ = static_cast<std::size_t>(dbf->nRecordLength);
    for (std::size_t i = 0; i < campos_.size(); ++i)
        campos_[i].largura = dbf->panFieldSize[i]; // a shapelib limita larguras grandes demais
    const long tamanhoCabecalho = dbf->nHeaderLength;
    DBFClose(dbf);
    arquivo_ = AbreSemLigacao(temporario_.c_str(), "r+b");
    if (arquivo_ == nullptr || std::fseek(arquivo_, tamanhoCabecalho, SEEK_SET) != 0) {
        const int erro = errno;
        if (arquivo_ != nullptr)
            std::fclose(arquivo_);
        ::unlink(temporario_.c_str());
        throw Falha("N\xe3o foi poss\xedvel gravar a tabela " + caminho + ": " + MotivoDoErro(erro));
    }
    std::setvbuf(arquivo_, nullptr, _IONBF, 0);
    bloco_.reserve(TamanhoBloco + tamanhoRegistro_);
}

EscritorDbf::~EscritorDbf() {
    if (arquivo_ != nullptr) {
        std::fclose(arquivo_);
        ::unlink(temporario_.c_str());
    }
}

void EscritorDbf::Descarrega() {
    if (!bloco_.empty() && std::fwrite(bloco_.data(), 1, bloco_.size(), arquivo_) != bloco_.size())
        throw Falha("N\xe3o foi poss\xedvel gravar a tabela " + caminho_ + ": " + MotivoDoErro(errno ? errno : ENOSPC));
    bloco_.clear();
}

void EscritorDbf::Escreve(const Celula* registro) {
    const std::size_t inicio = bloco_.size();
    bloco_.resize(inicio + tamanhoRegistro_, ' ');
    char* destino = bloco_.data() + inicio + 1; // o primeiro byte marca registro não apagado
    char numero[TamanhoNumero];
    for (std::size_t i = 0; i < campos_.size(); destino += campos_[i++].largura) {
        const Campo& campo = campos_[i];
        const Celula& valor = registro[i];
        if (valor.tipo == Valor::Tipo::Nulo)
            continue;
        const auto largura = static_cast<std::size_t>(campo.largura);
        if (EhCampoNumerico(campo)) {
            const std::string_view texto = FormataNumero(campo, valor, numero);
            if (texto.size() > largura) {
                bloco_.resize(inicio);
                throw Falha("O valor " + Citacao(texto) + " n\xe3o cabe no campo " + campo.nome + " da tabela " +
                            caminho_ + ".");
            }
            std::memcpy(destino + largura - texto.size(), texto.data(), texto.size());
        } else {
            const std::string_view texto =
                valor.tipo == Valor::Tipo::Texto ? valor.texto : FormataNumero(Campo{}, valor, numero);
            std::memcpy(destino, texto.data(), std::min(largura, texto.size()));
        }
    }
    ++registros_;
    if (bloco_.size() >= TamanhoBloco)
        Descarrega();
}

void EscritorDbf::Escreve(const std::vector<Valor>& registro) {
    celulas_.assign(campos_.size(), Celula{});
    for (std::size_t i = 0; i < campos_.size() && i < registro.size(); ++i)
        celulas_[i] = Celula::De(registro[i]);
    Escreve(celulas_.data());
}

void EscritorDbf::Conclui() {
    bloco_ += '\x1a';
    Descarrega();
    unsigned char contagem[4];
    for (int i = 0; i < 4; ++i)
        contagem[i] = static_cast<unsigned char>(registros_ >> (8 * i));
    const bool gravou = std::fseek(arquivo_, 4, SEEK_SET) == 0 && std::fwrite(contagem, 1, 4, arquivo_) == 4;
    const int erro = errno;
    const bool fechou = std::fclose(arquivo_) == 0;
    arquivo_ = nullptr;
    if (!gravou || !fechou) {
        ::unlink(temporario_.c_str());
        throw Falha("N\xe3o foi poss\xedvel gravar a tabela " + caminho_ + ": " +
                    MotivoDoErro(!gravou && erro ? erro : ENOSPC));
    }
    try {
        Renomeia(temporario_, caminho_);
    } catch (...) {
        ::unlink(temporario_.c_str());
        throw;
    }
}

void GravaDbf(const std::string& caminho, const ConteudoDbf& conteudo) {
    EscritorDbf escritor(caminho, conteudo.campos, conteudo.driverIdioma);
    for (const auto& registro : conteudo.registros)
        escritor.Escreve(registro);
    escritor.Conclui();
}
