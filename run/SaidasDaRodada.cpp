#include "SaidasDaRodada.h"

#include "Publicacao.h"

#include <unistd.h>

SaidasDaRodada::~SaidasDaRodada() {
    Descarta();
}

void SaidasDaRodada::Reserva(const std::string& pasta) {
    trava_.emplace(pasta, TravaPasta::Uso::Saida);
    // Com a trava, nenhum outro processo vivo publica aqui: uma marca ou um temporário é de um morto.
    ReparaPublicacao(pasta);
    LimpaTemporariosOrfaos(pasta);
}

TemporarioCriado SaidasDaRodada::Temporario(const std::string& destino) {
    TemporarioCriado criado = CriaTemporario(destino, "tmp");
    if (criado.descritor >= 0)
        pendentes_.emplace_back(criado.caminho, destino);
    return criado;
}

void SaidasDaRodada::Publica() {
    const auto trocas = std::move(pendentes_);
    pendentes_.clear();
    try {
        PublicaJuntos(trocas);
    } catch (...) {
        for (const auto& troca : trocas)
            ::unlink(troca.first.c_str());
        throw;
    }
}

void SaidasDaRodada::Descarta() {
    for (const auto& pendente : pendentes_)
        ::unlink(pendente.first.c_str());
    pendentes_.clear();
}

void SaidasDaRodada::Libera() {
    Descarta();
    trava_.reset();
}
