#include "PainelGravador.h"

namespace {

std::vector<std::string> ComPrefixo(const std::vector<std::string>& eventos, const std::string& prefixo) {
    std::vector<std::string> escolhidos;
    for (const std::string& evento : eventos)
        if (evento.rfind(prefixo, 0) == 0)
            escolhidos.push_back(evento.substr(prefixo.size()));
    return escolhidos;
}

} // namespace

void PainelGravador::DefineSituacao(const std::string& texto) {
    situacao = texto;
    eventos.push_back("situacao: " + texto);
}

void PainelGravador::DefineCorSituacao(Cor cor) {
    corSituacao = cor;
    eventos.push_back(cor == Cor::Vermelho ? "cor: vermelho" : "cor: outra");
}

void PainelGravador::DefineContador(Contador contador, const std::string& texto) {
    contadores[contador] = texto;
    historicoContadores[contador].push_back(texto);
}

std::string PainelGravador::TextoContador(Contador contador) const {
    const auto achado = contadores.find(contador);
    return achado == contadores.end() ? "" : achado->second;
}

void PainelGravador::DefineFaixaProgresso(int minimoNovo, int maximoNovo) {
    minimo = minimoNovo;
    maximo = maximoNovo;
}

void PainelGravador::DefinePosicaoProgresso(int posicao) {
    posicoes.push_back(posicao);
}

std::string PainelGravador::TextoObs() const {
    std::string texto;
    for (const std::string& linha : obs)
        texto += (texto.empty() ? "" : "\r\n") + linha;
    return texto;
}

void PainelGravador::LigaGrade() {
    gradeLigada = true;
    eventos.push_back("grade ligada");
}

void PainelGravador::DesligaGrade() {
    gradeLigada = false;
    eventos.push_back("grade desligada");
}

void PainelGravador::Mensagem(const std::string& texto, const std::string& titulo) {
    eventos.push_back("mensagem: " + titulo + " | " + texto);
}

void PainelGravador::CursorEspera() {
    cursorEspera = true;
    eventos.push_back("cursor espera");
}

void PainelGravador::CursorNormal() {
    cursorEspera = false;
    eventos.push_back("cursor normal");
}

void PainelGravador::EscondePrincipal() {
    eventos.push_back("esconde principal");
}

std::vector<std::string> PainelGravador::Situacoes() const {
    return ComPrefixo(eventos, "situacao: ");
}

std::vector<std::string> PainelGravador::Mensagens() const {
    return ComPrefixo(eventos, "mensagem: ");
}
