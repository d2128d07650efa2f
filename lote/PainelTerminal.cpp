#include "PainelTerminal.h"

#include "Terminal.h"

#include <algorithm>

namespace {

// Linhas do memo carregam um CR no fim, que no terminal só atrapalharia.
std::string SemControlesFinais(std::string linha) {
    while (!linha.empty() && static_cast<unsigned char>(linha.back()) < 32)
        linha.pop_back();
    return linha;
}

} // namespace

PainelTerminal::PainelTerminal(std::ostream& saida, std::ostream& erros, bool linhaViva)
    : saida_(saida), erros_(erros), linhaViva_(linhaViva) {}

void PainelTerminal::DefineSituacao(const std::string& texto) {
    EscrevePendentes();
    situacao_ = texto;
    ApagaLinhaViva();
    saida_ << ParaTerminal(texto) << '\n' << std::flush;
    DesenhaLinhaViva(true);
}

void PainelTerminal::DefineContador(Contador contador, const std::string& texto) {
    Rotulo& rotulo = rotulos_[static_cast<int>(contador)];
    if (rotulo.texto == texto)
        return;
    rotulo.texto = texto;
    // "?" é o estado de partida, não uma contagem: não vale linha.
    rotulo.pendente = texto != "?";
    DesenhaLinhaViva(false);
}

std::string PainelTerminal::TextoContador(Contador contador) const {
    return rotulos_[static_cast<int>(contador)].texto;
}

void PainelTerminal::DefineFaixaProgresso(int minimo, int maximo) {
    minimo_ = minimo;
    maximo_ = maximo;
    DesenhaLinhaViva(false);
}

void PainelTerminal::DefinePosicaoProgresso(int posicao) {
    posicao_ = posicao;
    DesenhaLinhaViva(false);
}

std::string PainelTerminal::TextoObs() const {
    std::string texto;
    for (const std::string& linha : obs_)
        texto += (texto.empty() ? "" : "\r\n") + linha;
    return texto;
}

void PainelTerminal::Mensagem(const std::string& texto, const std::string& titulo) {
    Erro(LinhasDoTerminal(titulo + ": " + texto));
}

void PainelTerminal::Erro(const std::string& texto) {
    EscrevePendentes();
    ApagaLinhaViva();
    erros_ << ParaTerminal(texto) << '\n' << std::flush;
    DesenhaLinhaViva(true);
}

void PainelTerminal::Conclui() {
    EscrevePendentes();
    ApagaLinhaViva();
    linhaViva_ = false;
    for (const std::string& linha : obs_)
        saida_ << ParaTerminal(SemControlesFinais(linha)) << '\n';
    saida_ << std::flush;
}

void PainelTerminal::EscrevePendentes() {
    bool escreveu = false;
    for (Rotulo& rotulo : rotulos_) {
        if (!rotulo.pendente)
            continue;
        if (!escreveu)
            ApagaLinhaViva();
        escreveu = true;
        saida_ << ParaTerminal(std::string(rotulo.titulo) + " - Registros: " + rotulo.texto) << '\n';
        rotulo.pendente = false;
    }
    if (escreveu)
        saida_ << std::flush;
}

void PainelTerminal::ApagaLinhaViva() {
    if (!linhaVisivel_)
        return;
    erros_ << "\r\033[K" << std::flush;
    linhaVisivel_ = false;
}

void PainelTerminal::DesenhaLinhaViva(bool forcar) {
    if (!linhaViva_)
        return;
    const auto agora = std::chrono::steady_clock::now();
    if (!forcar && agora - ultimoDesenho_ < std::chrono::milliseconds(16))
        return;
    ultimoDesenho_ = agora;
    constexpr int largura = 30;
    const int faixa = maximo_ - minimo_;
    const int cheios = faixa > 0 ? static_cast<int>(static_cast<long long>(posicao_ - minimo_) * largura / faixa) : 0;
    std::string barra(static_cast<std::size_t>(std::clamp(cheios, 0, largura)), '#');
    barra.resize(largura, '.');
    std::string linha = "[" + barra + "] " + rotulos_[0].texto + " / " + rotulos_[1].texto + " / " + rotulos_[2].texto +
                        "  " + situacao_;
    erros_ << "\r\033[K" << ParaTerminal(linha) << std::flush;
    linhaVisivel_ = true;
}
