#include "Tabela.h"

#include "Arquivos.h"
#include "ConversaoValor.h"
#include "Falha.h"
#include "Texto.h"

namespace {

// Quantos caracteres o número ocupa no arquivo, com sinal e casas decimais.
int LarguraNumero(const Campo& campo, std::int64_t valor) {
    int largura = valor < 0 ? 2 : 1;
    for (std::int64_t resto = valor < 0 ? -(valor / 10) : valor / 10; resto != 0; resto /= 10)
        ++largura;
    return largura + (campo.decimais > 0 ? campo.decimais + 1 : 0);
}

} // namespace

Celula CelulaDeTexto(const Campo& campo, std::string_view texto) {
    std::size_t tamanho = std::min(texto.size(), static_cast<std::size_t>(campo.largura));
    while (tamanho > 0 && texto[tamanho - 1] == ' ')
        --tamanho;
    if (tamanho == 0)
        return {};
    return {Valor::Tipo::Texto, 0, 0, texto.substr(0, tamanho)};
}

void ConfereLargura(const Campo& campo, std::int64_t valor) {
    if (LarguraNumero(campo, valor) > campo.largura)
        throw Falha("O valor " + std::to_string(valor) + " n\xe3o cabe no campo " + campo.nome + ".");
}

Tabela::Tabela(Motor& motor) : motor_(motor) {}

Tabela::~Tabela() {
    if (tabela_ != nullptr) {
        try {
            Fecha();
        } catch (...) {
            // No fim do programa não há mais a quem contar: o que não gravou se perde como numa queda.
        }
    }
}

void Tabela::DefinePasta(const std::string& pasta) {
    if (Aberta())
        throw Falha("N\xe3o \xe9 poss\xedvel mudar a pasta da tabela aberta " + nome_ + ".");
    pasta_ = pasta;
}

void Tabela::DefineNome(const std::string& nome) {
    if (Aberta())
        throw Falha("N\xe3o \xe9 poss\xedvel mudar o nome da tabela aberta " + nome_ + ".");
    nome_ = nome;
}

void Tabela::Abre() {
    if (Aberta())
        return;
    if (nome_.empty())
        throw Falha("Tabela sem nome.");
    const std::string separador = !pasta_.empty() && pasta_.back() != '/' ? "/" : "";
    tabela_ = &motor_.Usa(ResolveCaminho(pasta_ + separador + nome_));
    estado_ = Estado::Navegando;
    chaves_.clear();
    Primeiro();
}

void Tabela::ExigeAberta() const {
    if (!Aberta())
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 aberta.");
}

void Tabela::Fecha() {
    ExigeAberta();
    PostaSeHouver();
    TabelaCarregada* tabela = tabela_;
    tabela_ = nullptr;
    atual_ = 0;
    fim_ = true;
    motor_.Larga(*tabela);
}

void Tabela::Grava() {
    ExigeAberta();
    PostaSeHouver();
    motor_.Grava(*tabela_);
}

TabelaCarregada& Tabela::Carregada() {
    ExigeAberta();
    PostaSeHouver();
    return *tabela_;
}

int Tabela::Registros() const {
    ExigeAberta();
    return tabela_->Quantos();
}

void Tabela::Primeiro() {
    ExigeAberta();
    PostaSeHouver();
    atual_ = Registros() > 0 ? 1 : 0;
    fim_ = atual_ == 0;
}

void Tabela::Proximo() {
    ExigeAberta();
    PostaSeHouver();
    if (atual_ < Registros())
        ++atual_;
    else
        fim_ = true;
}

void Tabela::Anterior() {
    ExigeAberta();
    PostaSeHouver();
    fim_ = Registros() == 0;
    if (atual_ > 1)
        --atual_;
}

void Tabela::Ultimo() {
    ExigeAberta();
    PostaSeHouver();
    atual_ = Registros();
    fim_ = true;
}

void Tabela::VaiPara(int registro) {
    ExigeAberta();
    PostaSeHouver();
    if (registro < 1 || registro > Registros())
        throw Falha("Registro " + std::to_string(registro) + " fora da tabela " + nome_ + ".");
    atual_ = registro;
    fim_ = false;
}

void Tabela::Inclui() {
    ExigeAberta();
    PostaSeHouver();
    const std::size_t campos = static_cast<std::size_t>(NumeroCampos());
    edicao_.resize(campos);
    for (Valor& valor : edicao_)
        valor.tipo = Valor::Tipo::Nulo;
    alterados_.assign(campos, false);
    estado_ = Estado::Incluindo;
    mudou_ = false;
}

void Tabela::Edita() {
    ExigeAberta();
    if (estado_ != Estado::Navegando)
        return;
    if (atual_ == 0)
        throw Falha("A tabela " + nome_ + " n\xe3o tem registro para editar.");
    const std::size_t campos = static_cast<std::size_t>(NumeroCampos());
    edicao_.resize(campos);
    for (std::size_t i = 0; i < campos; ++i) {
        // Campo a campo no lugar: os textos da edição anterior emprestam a memória.
        const Celula valor = ValorCorrente(static_cast<int>(i));
        edicao_[i].tipo = valor.tipo;
        edicao_[i].inteiro = valor.inteiro;
        edicao_[i].real = valor.real;
        edicao_[i].texto.assign(valor.texto);
    }
    alterados_.assign(campos, false);
    estado_ = Estado::Editando;
    mudou_ = false;
}

void Tabela::Posta() {
    ExigeAberta();
    if (estado_ == Estado::Navegando)
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 em edi\xe7\xe3o.");
    // Mudar de estado antes de escrever: uma falha do motor não deixa a tabela numa edição que
    // ninguém mais posta.
    const Estado estado = estado_;
    estado_ = Estado::Navegando;
    if (estado == Estado::Incluindo) {
        celulas_.resize(edicao_.size());
        for (std::size_t i = 0; i < edicao_.size(); ++i)
            celulas_[i] = Celula::De(edicao_[i]);
        Acrescenta(celulas_);
        return;
    }
    for (std::size_t i = 0; i < edicao_.size(); ++i)
        if (alterados_[i])
            tabela_->Define(atual_ - 1, static_cast<int>(i), Celula::De(edicao_[i]));
}

void Tabela::Cancela() {
    estado_ = Estado::Navegando;
}

void Tabela::Acrescenta(const std::vector<Celula>& registro) {
    ExigeAberta();
    PostaSeHouver();
    atual_ = tabela_->Acrescenta(registro) + 1;
    fim_ = false;
}

void Tabela::PostaSeHouver() {
    if (estado_ == Estado::Navegando)
        return;
    if (mudou_)
        Posta();
    else
        Cancela();
}

int Tabela::IndiceCampo(const std::string& campo) const {
    ExigeAberta();
    const int indice = tabela_->Dados().Indice(campo);
    if (indice < 0)
        throw Falha("Campo n\xe3o encontrado na tabela " + nome_ + ": " + campo);
    return indice;
}

Celula Tabela::ValorCorrente(int indice) const {
    if (estado_ != Estado::Navegando)
        return Celula::De(edicao_[static_cast<std::size_t>(indice)]);
    if (atual_ == 0)
        return {};
    return tabela_->Dados().Le(atual_ - 1, indice);
}

Valor& Tabela::ValorEditavel(const std::string& campo, int& indice) {
    indice = IndiceCampo(campo);
    if (estado_ == Estado::Navegando)
        throw Falha("A tabela " + nome_ + " n\xe3o est\xe1 em edi\xe7\xe3o.");
    mudou_ = true;
    alterados_[static_cast<std::size_t>(indice)] = true;
    return edicao_[static_cast<std::size_t>(indice)];
}

void Tabela::DefineInteiro(const std::string& campo, std::int32_t valor) {
    int indice = 0;
    Valor& destino = ValorEditavel(campo, indice);
    const Campo& definicao = tabela_->Dados().Campos()[static_cast<std::size_t>(indice)];
    if (!EhCampoNumerico(definicao)) {
        DefineTexto(campo, std::to_string(valor));
        return;
    }
    ConfereLargura(definicao, valor);
    destino.tipo = Valor::Tipo::Inteiro;
    destino.inteiro = valor;
}

void Tabela::DefineTexto(const std::string& campo, const std::string& valor) {
    int indice = 0;
    Valor& destino = ValorEditavel(campo, indice);
    const Campo& definicao = tabela_->Dados().Campos()[static_cast<std::size_t>(indice)];
    if (EhCampoNumerico(definicao)) {
        // Texto branco é nulo; sem casas decimais, só um inteiro de 32 bits cabe na edição.
        const auto numero = NumeroDoTexto(valor);
        if (!numero && SemBrancos(valor).empty()) {
            destino.tipo = Valor::Tipo::Nulo;
        } else if (definicao.decimais > 0) {
            if (!numero)
                throw Falha(Citacao(valor) + " n\xe3o \xe9 um n\xfamero v\xe1lido.");
            destino = {Valor::Tipo::Real, 0, NumeroDaCelula(*numero), {}};
        } else {
            if (!numero || numero->tipo != Valor::Tipo::Inteiro ||
                numero->inteiro != static_cast<std::int32_t>(numero->inteiro))
                throw Falha(MensagemInteiroInvalido(valor));
            DefineInteiro(campo, static_cast<std::int32_t>(numero->inteiro));
        }
        return;
    }
    const Celula texto = CelulaDeTexto(definicao, valor);
    destino.tipo = texto.tipo;
    destino.texto.assign(texto.texto);
}

std::int32_t Tabela::Inteiro(const std::string& campo) const {
    return InteiroDaCelula(ValorCorrente(IndiceCampo(campo)), campo);
}

std::string Tabela::Texto(const std::string& campo) const {
    return TextoCampo(IndiceCampo(campo));
}

int Tabela::NumeroCampos() const {
    ExigeAberta();
    return tabela_->Dados().NumeroCampos();
}

const std::vector<Campo>& Tabela::Campos() const {
    ExigeAberta();
    return tabela_->Dados().Campos();
}

std::string Tabela::NomeCampo(int posicao) const {
    ExigeAberta();
    return tabela_->Dados().Campos().at(static_cast<std::size_t>(posicao)).nome;
}

std::string Tabela::TextoCampo(int posicao) const {
    if (posicao < 0 || posicao >= NumeroCampos())
        throw Falha("Campo " + std::to_string(posicao) + " fora da tabela " + nome_ + ".");
    return TextoDaCelula(ValorCorrente(posicao));
}

std::string Tabela::TextoCampoEm(int registro, int posicao) const {
    ExigeAberta();
    if (registro == atual_)
        return TextoCampo(posicao);
    if (registro < 1 || registro > Registros())
        throw Falha("Registro " + std::to_string(registro) + " fora da tabela " + nome_ + ".");
    if (posicao < 0 || posicao >= NumeroCampos())
        throw Falha("Campo " + std::to_string(posicao) + " fora da tabela " + nome_ + ".");
    return TextoDaCelula(tabela_->Dados().Le(registro - 1, posicao));
}

bool Tabela::Localiza(const std::string& chaves, std::initializer_list<std::int64_t> valores) {
    ExigeAberta();
    PostaSeHouver();
    auto colunas = chaves_.find(chaves);
    if (colunas == chaves_.end()) {
        std::vector<int> indices;
        for (std::size_t inicio = 0; inicio <= chaves.size();) {
            const std::size_t fim = std::min(chaves.find(';', inicio), chaves.size());
            indices.push_back(IndiceCampo(chaves.substr(inicio, fim - inicio)));
            inicio = fim + 1;
        }
        colunas = chaves_.emplace(chaves, std::move(indices)).first;
    }
    if (colunas->second.size() != valores.size())
        throw Falha("Localiza: " + std::to_string(colunas->second.size()) + " campos e " +
                    std::to_string(valores.size()) + " valores.");
    const int achado =
        tabela_->Localiza(colunas->second, std::span<const std::int64_t>(valores.begin(), valores.size()));
    if (achado < 0)
        return false;
    atual_ = achado + 1;
    fim_ = false;
    return true;
}
