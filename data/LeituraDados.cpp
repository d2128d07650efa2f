#include "LeituraDados.h"

#include "CodigoIbge.h"
#include "Falha.h"
#include "Texto.h"

#include <algorithm>
#include <string_view>

namespace {

// Corta a linha da esquerda para a direita: cada campo vai até o próximo ";" ou até o fim da linha;
// o último do formato fica com o resto inteiro (";" inclusive), aparado. Campos que não vieram ficam
// com o padrão. Devolve quantos vieram.
std::size_t CortaLinha(std::string_view linha, const std::vector<CampoEntrada>& campos) {
    for (const CampoEntrada& campo : campos)
        *campo.rascunho = campo.padrao;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i + 1 < campos.size(); ++i) {
        const std::size_t separador = linha.find(';', inicio);
        campos[i].rascunho->assign(linha.substr(inicio, separador - inicio));
        if (separador == std::string_view::npos)
            return i + 1;
        inicio = separador + 1;
    }
    *campos.back().rascunho = Apara(linha.substr(inicio));
    return campos.size();
}

// Campo entre aspas, como as planilhas salvam: sem os brancos de fora e as duas aspas, com cada
// aspa dobrada de dentro virando uma. Um campo que é uma aspa só fica como está.
void TiraAspas(std::string& campo) {
    const std::string_view aparado = SemBrancos(campo);
    if (aparado.size() < 2 || aparado.front() != '"' || aparado.back() != '"')
        return;
    std::string dentro;
    for (std::size_t i = 1; i + 1 < aparado.size(); ++i) {
        dentro += aparado[i];
        if (aparado[i] == '"' && i + 2 < aparado.size() && aparado[i + 1] == '"')
            ++i;
    }
    campo = std::move(dentro);
}

bool EhLetra(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// A linha de títulos começa por uma palavra onde os dados têm um código; "x1F" é código hexadecimal.
bool EhLinhaDeTitulos(const std::string& primeiroCampo) {
    const std::string_view texto = SemBrancos(primeiroCampo);
    return !texto.empty() && EhLetra(static_cast<unsigned char>(texto[0])) && !EhInteiro(texto);
}

bool NaoBranca(const std::string& linha) {
    return std::any_of(linha.begin(), linha.end(), [](char c) { return static_cast<unsigned char>(c) > 32; });
}

// Linha de planilha em branco (";;;"): todos os campos vazios ou brancos.
bool SoSeparadores(const std::string& linha) {
    return std::all_of(linha.begin(), linha.end(),
                       [](char c) { return c == ';' || static_cast<unsigned char>(c) <= 32; });
}

// Põe o "?" no lugar das marcas de troca; diz se havia alguma.
bool TrocaMarcas(std::string& texto) {
    bool trocou = false;
    for (char& c : texto)
        if (c == LeitorEntrada::MarcaTroca) {
            c = '?';
            trocou = true;
        }
    return trocou;
}

} // namespace

LeituraDados::LeituraDados(const std::string& caminho, const RegrasCarga& regras, std::vector<Aviso>& avisos)
    : leitor_(caminho), regras_(regras), avisos_(avisos), antes_(regras.campos.size()) {}

Aviso LeituraDados::AvisoDaLinha(const char* campo, const std::string& tipo, const std::string& texto) const {
    return Aviso{leitor_.Nome(), leitor_.NumeroLinha(), campo, tipo, texto};
}

bool LeituraDados::Proxima() {
    PassaAvisosDaLinha();
    const std::vector<CampoEntrada>& campos = regras_.campos;
    while (leitor_.LeLinha(linha_)) {
        ++linhasLidas_;
        naoBrancas_ += NaoBranca(linha_) && !SoSeparadores(linha_);
        if (linha_.find(';') == std::string::npos) {
            PulaSemSeparador();
            continue;
        }
        ++comSeparador_;
        if (SoSeparadores(linha_))
            continue;
        const std::size_t presentes = CortaLinha(linha_, campos);
        for (const CampoEntrada& campo : campos)
            TiraAspas(*campo.rascunho);
        if (EhLinhaDeTitulos(*campos.front().rascunho)) {
            if (leitor_.Utf8())
                TrocaMarcas(linha_);
            avisos_.push_back(AvisoDaLinha("", Avisos::LinhaDeTitulos, linha_));
            continue;
        }
        if (regras_.regraUltimoCampo)
            regras_.regraUltimoCampo();
        for (std::size_t i = 0; i < campos.size(); ++i)
            if (leitor_.Utf8() && TrocaMarcas(*campos[i].rascunho))
                daLinha_.push_back(
                    {i, AvisoDaLinha(campos[i].nome, Avisos::TrocadoPorInterrogacao, *campos[i].rascunho)});
        ArrumaCampos(presentes);
        if (regras_.antesDoConserto)
            regras_.antesDoConserto();
        for (CodigoIbgeLido& lido : LeCodigosIbge(campos))
            daLinha_.push_back({lido.campo, AvisoDaLinha(campos[lido.campo].nome, lido.aviso, lido.texto)});
        if (regras_.confere)
            regras_.confere(*this);
        ++dados_;
        return true;
    }
    AvisaCtrlZ();
    // Um arquivo com texto mas sem nenhuma linha de dados é quase sempre outro separador: seguir daria
    // uma base vazia tratada como boa.
    if (dados_ == 0 && naoBrancas_ > 0)
        throw Falha(leitor_.Nome() +
                    (comSeparador_ == 0
                         ? ": nenhuma linha tem o separador ';' (use ponto e v\xedrgula entre os campos)."
                         : ": nenhuma linha de dados, s\xf3 linhas de t\xedtulos."));
    return false;
}

void LeituraDados::PulaSemSeparador() {
    const std::string_view texto = SemBrancos(linha_);
    if (texto.empty())
        return;
    const bool titulos = EhLetra(static_cast<unsigned char>(texto[0]));
    if (leitor_.Utf8())
        TrocaMarcas(linha_);
    avisos_.push_back(AvisoDaLinha("", titulos ? Avisos::LinhaDeTitulos : Avisos::LinhaSemSeparador, linha_));
}

void LeituraDados::ArrumaCampos(std::size_t presentes) {
    const std::vector<CampoEntrada>& campos = regras_.campos;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        const CampoEntrada& campo = campos[i];
        std::string& texto = *campo.rascunho;
        if (i >= presentes) {
            if (i + 1 < campos.size() || !regras_.ultimoOpcional)
                daLinha_.push_back({i, AvisoDaLinha(campo.nome, Avisos::CampoAusente, "")});
        } else if (campo.largura > 0 && texto.size() > campo.largura) {
            daLinha_.push_back({i, AvisoDaLinha(campo.nome, Avisos::Cortado, texto)});
            texto = Apara(std::string_view(texto).substr(0, campo.largura));
        } else if (campo.inteiro || campo.numerico) {
            if (auto semMilhar = SemSeparadorDeMilhar(texto)) {
                daLinha_.push_back({i, AvisoDaLinha(campo.nome, Avisos::SeparadorDeMilhar, texto)});
                texto = std::move(*semMilhar);
            }
        }
    }
}

void LeituraDados::AvisaCtrlZ() {
    if (fim_)
        return;
    fim_ = true;
    if (const long long naoLidas = leitor_.NaoLidasDepoisDoCtrlZ())
        avisos_.push_back(
            Aviso{leitor_.Nome(), leitor_.LinhaCtrlZ(), "", Avisos::LidoAteCtrlZ, TextoInteiro(naoLidas)});
}

void LeituraDados::Conserta() {
    const std::vector<CampoEntrada>& campos = regras_.campos;
    for (std::size_t i = 0; i < campos.size(); ++i)
        antes_[i] = *campos[i].rascunho;
    if (regras_.conserto)
        regras_.conserto();
    // O conserto só troca por "0" o que não passa no teste do campo.
    for (std::size_t i = 0; i < campos.size(); ++i)
        if (*campos[i].rascunho != antes_[i])
            daLinha_.push_back({i, AvisoDaLinha(campos[i].nome, Avisos::TrocadoPorZero, antes_[i])});
    PassaAvisosDaLinha();
}

void LeituraDados::PassaAvisosDaLinha() {
    std::stable_sort(daLinha_.begin(), daLinha_.end(),
                     [](const AvisoDoCampo& a, const AvisoDoCampo& b) { return a.campo < b.campo; });
    for (AvisoDoCampo& doCampo : daLinha_)
        avisos_.push_back(std::move(doCampo.aviso));
    daLinha_.clear();
}

std::int32_t LeituraDados::Inteiro(const CampoEntrada& campo) const {
    const auto valor = TentaInteiro(*campo.rascunho);
    if (!valor)
        Recusa(campo, MensagemInteiroInvalido(*campo.rascunho));
    return *valor;
}

void LeituraDados::Recusa(const CampoEntrada& campo, const std::string& motivo) const {
    throw Falha(leitor_.Nome() + ", linha " + TextoInteiro(leitor_.NumeroLinha()) + ", campo " + campo.nome + ": " +
                motivo);
}
