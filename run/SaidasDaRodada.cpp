#include "SaidasDaRodada.h"

#include "Arquivos.h"
#include "Temporarios.h"

#include <unistd.h>

SaidasDaRodada::~SaidasDaRodada() {
    Descarta();
}

std::string SaidasDaRodada::Temporario(const std::string& destino) {
    pendentes_.emplace_back(CaminhoTemporario(destino, "tmp"), destino);
    return pendentes_.back().first;
}

void SaidasDaRodada::Publica() {
    for (const auto& [temporario, destino] : pendentes_)
        Renomeia(temporario, ResolveCaminho(destino));
    pendentes_.clear();
}

void SaidasDaRodada::Descarta() {
    for (const auto& pendente : pendentes_)
        ::unlink(pendente.first.c_str());
    pendentes_.clear();
}
