#include "CargaTexto.h"

#include "Falha.h"
#include "LeitorEntrada.h"
#include "Texto.h"

#include <algorithm>
#include <string_view>

namespace {

// Corta a linha da esquerda para a direita. Cada campo antes do último só existe quando um ";" o
// fecha; o último fica com o resto inteiro (";" inclusive), aparado, e só quando o separador antes
// dele existe. Campos que não vieram ficam com o padrão.
void CortaLinha(std::string_view linha, const std::vector<CampoEntrada>& campos) {
    for (const CampoEntrada& campo : campos)
        *campo.rascunho = campo.padrao;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i + 1 < campos.size(); ++i) {
        const std::size_t separador = linha.find(';', inicio);
        if (separador == std::string_view::npos)
            return;
        campos[i].rascunho->assign(linha.substr(inicio, separador - inicio));
        inicio = separador + 1;
    }
    *campos.back().rascunho = Apara(linha.substr(inicio));
}

// O texto sem os brancos das pontas, sem copiar.
std::string_view SemBrancos(std::string_view texto) {
    while (!texto.empty() && static_cast<unsigned char>(texto.front()) <= 32)
        texto.remove_prefix(1);
    while (!texto.empty() && static_cast<unsigned char>(texto.back()) <= 32)
        texto.remove_suffix(1);
    return texto;
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

struct AvisoDoCampo {
    std::size_t campo;
    Aviso aviso;
};

} // namespace

ResultadoCarga CarregaTexto(const std::string& caminho, const RegrasCarga& regras, Tabela& tabela,
                            std::vector<Aviso>& avisos, const std::function<void(long long linha)>& incluido) {
    LeitorEntrada leitor(caminho);
    const std::vector<CampoEntrada>& campos = regras.campos;
    const auto aviso = [&leitor](const char* campo, const std::string& tipo, const std::string& texto) {
        return Aviso{leitor.Nome(), leitor.NumeroLinha(), campo, tipo, texto};
    };
    ResultadoCarga resultado;
    long long naoBrancas = 0;
    long long comSeparador = 0;
    std::string linha;
    std::vector<std::string> antes(campos.size());
    std::vector<AvisoDoCampo> daLinha;
    while (leitor.LeLinha(linha)) {
        ++resultado.linhasLidas;
        naoBrancas += NaoBranca(linha);
        if (linha.find(';') == std::string::npos)
            continue;
        ++comSeparador;
        CortaLinha(linha, campos);
        for (const CampoEntrada& campo : campos)
            TiraAspas(*campo.rascunho);
        if (EhLinhaDeTitulos(*campos.front().rascunho)) {
            if (leitor.Utf8())
                TrocaMarcas(linha);
            avisos.push_back(aviso("", Avisos::LinhaDeTitulos, linha));
            continue;
        }
        if (regras.regraUltimoCampo)
            regras.regraUltimoCampo();
        daLinha.clear();
        for (std::size_t i = 0; i < campos.size(); ++i)
            if (leitor.Utf8() && TrocaMarcas(*campos[i].rascunho))
                daLinha.push_back({i, aviso(campos[i].nome, Avisos::TrocadoPorInterrogacao, *campos[i].rascunho)});
        if (regras.antesDoConserto)
            regras.antesDoConserto();
        for (std::size_t i = 0; i < campos.size(); ++i)
            antes[i] = *campos[i].rascunho;
        tabela.Inclui();
        // O gancho só troca por "0" o que não passa no teste do campo.
        for (std::size_t i = 0; i < campos.size(); ++i)
            if (*campos[i].rascunho != antes[i])
                daLinha.push_back({i, aviso(campos[i].nome, Avisos::TrocadoPorZero, antes[i])});
        std::stable_sort(daLinha.begin(), daLinha.end(),
                         [](const AvisoDoCampo& a, const AvisoDoCampo& b) { return a.campo < b.campo; });
        for (AvisoDoCampo& doCampo : daLinha)
            avisos.push_back(std::move(doCampo.aviso));

        for (const CampoEntrada& campo : campos) {
            if (!campo.inteiro) {
                tabela.DefineTexto(campo.nome, *campo.rascunho);
                continue;
            }
            const auto valor = TentaInteiro(*campo.rascunho);
            if (!valor)
                throw Falha(leitor.Nome() + ", linha " + TextoInteiro(leitor.NumeroLinha()) + ", campo " + campo.nome +
                            ": " + MensagemInteiroInvalido(*campo.rascunho));
            tabela.DefineInteiro(campo.nome, *valor);
        }
        tabela.Posta();
        ++resultado.registros;
        incluido(leitor.NumeroLinha());
    }
    // Um arquivo com texto mas sem nenhum registro é quase sempre outro separador: seguir daria uma
    // base vazia tratada como boa.
    if (resultado.registros == 0 && naoBrancas > 0)
        throw Falha(leitor.Nome() +
                    (comSeparador == 0 ? ": nenhuma linha tem o separador ';' (use ponto e v\xedrgula entre os campos)."
                                       : ": nenhuma linha de dados, s\xf3 linhas de t\xedtulos."));
    return resultado;
}
