// Referência de medida: a mesma tradução numa passada só, sem tabelas de trabalho nem comandos, como
// um programador a escreveria do zero em C++. Lê as entradas com as mesmas regras da rodada (a mesma
// leitura de linhas, o mesmo conserto) e as bases extras já importadas em Bases1, e grava o mesmo
// NOME.CSV, comp.CSV, Morvisan.Log e Morvisan.Avisos que o morvisan-lote. Não é o programa: serve
// para dizer quanto custa o trabalho em si. As cargas da medida não repetem código na base original:
// o aviso "repetido na base original" não está aqui (nos casos do scripts/compara-rodadas.py é a única
// diferença nos quatro arquivos); a parada numa mudança ilegível vem da mesma leitura da rodada.
// Uso: referencia_traducao SISTEMA ORIGINAL TRADUCAO PASTA NOME [--pular-excecoes]
#include "AreaTrabalho.h"
#include "ArquivoDbf.h"
#include "Arquivos.h"
#include "LeitorEntrada.h"
#include "LeituraDados.h"
#include "RegrasBaseOriginal.h"
#include "RegrasBaseTraducao.h"
#include "Texto.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

std::uint64_t Chave(std::int64_t uf, std::int64_t municipio) {
    return static_cast<std::uint64_t>(uf) << 32 ^ static_cast<std::uint32_t>(municipio);
}

// Os textos de uma base extra, na ordem da base, e os de cada chave (a junção repete o registro por
// parceiro): o primeiro pela tabela de dispersão, os outros encadeados.
struct Parceiros {
    std::vector<std::optional<std::string>> textos;
    std::vector<std::uint32_t> seguinte; // por texto: o próximo da mesma chave, ou Nenhum
    std::unordered_map<std::uint64_t, std::uint32_t> primeiro;
    std::unordered_map<std::uint64_t, std::uint32_t> ultimo;
    static constexpr std::uint32_t Nenhum = 0xFFFFFFFF;

    // Os parceiros da chave, em ordem, na lista dada (que volta vazia sem parceiro).
    void Da(std::uint64_t chave, std::vector<const std::optional<std::string>*>& lista) const {
        lista.clear();
        const auto achado = primeiro.find(chave);
        for (std::uint32_t i = achado == primeiro.end() ? Nenhum : achado->second; i != Nenhum; i = seguinte[i])
            lista.push_back(&textos[i]);
    }
};

Parceiros LeBaseExtra(const std::string& caminho, const char* texto, bool comMunicipio) {
    Parceiros parceiros;
    LeitorDbf leitor(caminho);
    const auto registros = static_cast<std::size_t>(std::max<std::int64_t>(0, TamanhoArquivo(caminho) / 64));
    parceiros.primeiro.reserve(registros);
    parceiros.ultimo.reserve(registros);
    const auto indice = [&leitor](const char* nome) {
        for (std::size_t i = 0; i < leitor.Campos().size(); ++i)
            if (leitor.Campos()[i].nome == nome)
                return i;
        throw std::runtime_error(std::string("falta a coluna ") + nome);
    };
    const std::size_t uf = indice("CD_UF"), municipio = comMunicipio ? indice("CD_MUN") : 0, valor = indice(texto);
    std::vector<Celula> registro;
    while (leitor.Proximo(registro)) {
        if (registro[uf].tipo != Valor::Tipo::Inteiro ||
            (comMunicipio && registro[municipio].tipo != Valor::Tipo::Inteiro))
            continue; // código nulo não casa com nada
        const std::uint64_t chave = Chave(registro[uf].inteiro, comMunicipio ? registro[municipio].inteiro : 0);
        const auto i = static_cast<std::uint32_t>(parceiros.textos.size());
        parceiros.textos.push_back(registro[valor].tipo == Valor::Tipo::Texto
                                       ? std::optional<std::string>(registro[valor].texto)
                                       : std::nullopt);
        parceiros.seguinte.push_back(Parceiros::Nenhum);
        const auto [ultimo, novo] = parceiros.ultimo.try_emplace(chave, i);
        if (novo)
            parceiros.primeiro.emplace(chave, i);
        else
            parceiros.seguinte[std::exchange(ultimo->second, i)] = i;
    }
    return parceiros;
}

struct Linha {
    std::int32_t uf, municipio;
    const std::optional<std::string>* sigla; // nulo: "??"
    const std::optional<std::string>* nome;  // nulo: "<nome inexistente>"
    std::int32_t pop1, pop2;
};

struct Mudanca {
    std::int32_t uf, doador, receptor, pop, data;
    std::optional<std::string> sitDoa, sitRec;
    bool excecao;
};

// Texto como o campo C(10) o guarda: cortado, sem brancos finais, vazio é nulo.
std::optional<std::string> CampoTexto(const std::string& texto, std::size_t largura) {
    std::string guardado = texto.substr(0, largura);
    while (!guardado.empty() && guardado.back() == ' ')
        guardado.pop_back();
    return guardado.empty() ? std::nullopt : std::optional<std::string>(guardado);
}

// Nulo antes de texto, textos byte a byte.
int Compara(const std::optional<std::string>& a, const std::optional<std::string>& b) {
    if (!a || !b)
        return a ? 1 : (b ? -1 : 0);
    return a->compare(*b);
}

class Arquivo {
public:
    explicit Arquivo(const std::string& caminho) : arquivo_(std::fopen(caminho.c_str(), "wb")) {
        if (arquivo_ == nullptr)
            throw std::runtime_error("n\xe3o foi poss\xedvel criar " + caminho);
        std::setvbuf(arquivo_, nullptr, _IOFBF, 1 << 16);
    }
    ~Arquivo() { std::fclose(arquivo_); }
    void Linha(const std::string& linha) {
        std::fwrite(linha.data(), 1, linha.size(), arquivo_);
        std::fputs("\r\n", arquivo_);
    }

private:
    std::FILE* arquivo_;
};

bool Especial(std::int32_t uf, std::int32_t municipio) {
    static const std::unordered_map<std::uint64_t, bool> especiais = [] {
        const std::pair<int, std::vector<int>> lista[] = {
            {11, {8, 13, 20, 149, 150}},
            {12, {40}},
            {13, {260}},
            {14, {10}},
            {15, {140}},
            {16, {30}},
            {21, {590, 740, 870, 1130, 1153, 1172, 1300}},
            {22, {1100}},
            {23, {210, 290, 440, 650, 690, 835, 1140, 1270, 1300}},
            {24, {810}},
            {25, {570, 1600}},
            {26, {1160}},
            {27, {430}},
            {28, {30, 40, 630, 760}},
            {29, {420, 1080, 1980, 2740}},
            {31, {620}},
            {32, {530}},
            {33, {455}},
            {35, {1100, 1570, 5030}},
            {41, {690, 1325, 1780}},
            {42, {540, 760, 1390}},
            {43, {223, 258, 610, 650, 690, 700, 843, 1020, 1090, 1140, 1413, 1490, 1531}},
            {50, {270}},
            {51, {35, 140, 340, 410, 675, 757, 785, 788, 835}},
        };
        std::unordered_map<std::uint64_t, bool> mapa;
        for (const auto& [estado, codigos] : lista)
            for (int codigo : codigos)
                mapa[Chave(estado, codigo)] = true;
        return mapa;
    }();
    return especiais.count(Chave(uf, municipio)) > 0;
}

int Traduz(int argc, char** argv) {
    const std::string sistema = std::string(argv[1]) + "/";
    const std::string original = argv[2], traducao = argv[3], pasta = argv[4], nome = argv[5];
    const bool ignoraExcecoes = !(argc > 6 && std::strcmp(argv[6], "--pular-excecoes") == 0);
    std::setlocale(LC_ALL, "");
    const char separador = *std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");

    const bool nomesAtivos = AreaTrabalho::BaseExtraAtiva(sistema, AreaTrabalho::DefMun);
    const bool siglasAtivas = AreaTrabalho::BaseExtraAtiva(sistema, AreaTrabalho::DefUf);
    const Parceiros nomes = nomesAtivos ? LeBaseExtra(sistema + "Bases1/DEF_MUN.dbf", "MUN", true) : Parceiros{};
    const Parceiros siglas = siglasAtivas ? LeBaseExtra(sistema + "Bases1/DEF_UF.dbf", "SG_UF", false) : Parceiros{};

    // A base original, copiada com os nomes e siglas: um registro por combinação de parceiros.
    std::vector<Aviso> avisosOriginal, avisosTraducao, avisosRegistro;
    std::vector<Linha> final;
    std::unordered_map<std::uint64_t, std::size_t> primeiraLinha;
    primeiraLinha.reserve(static_cast<std::size_t>(TamanhoArquivo(original) / 16));
    std::int64_t antes1 = 0, antes2 = 0;
    int lidos = 0;
    // Sem a base extra, cada registro tem um parceiro nulo.
    std::vector<const std::optional<std::string>*> comSigla{nullptr}, comNome{nullptr};
    {
        Rascunho r;
        const RegrasCarga regras = RegrasBaseOriginal(r, separador);
        LeituraDados leitura(original, regras, avisosOriginal);
        while (leitura.Proxima()) {
            leitura.Conserta();
            const std::int32_t uf = leitura.Inteiro(regras.campos[0]), municipio = leitura.Inteiro(regras.campos[1]);
            const std::int32_t pop1 = leitura.Inteiro(regras.campos[2]), pop2 = leitura.Inteiro(regras.campos[3]);
            ++lidos;
            antes1 += pop1;
            antes2 += pop2;
            if (siglasAtivas)
                siglas.Da(Chave(uf, 0), comSigla);
            if (nomesAtivos)
                nomes.Da(Chave(uf, municipio), comNome);
            const std::size_t nSiglas = comSigla.size(), nNomes = comNome.size();
            if (nSiglas != 1 || nNomes != 1) {
                const bool fora = nSiglas == 0 || nNomes == 0;
                const bool porUf = fora ? nSiglas == 0 : nSiglas > 1;
                avisosRegistro.push_back({NomeSemPasta(original), leitura.NumeroLinha(), porUf ? "CD_UF" : "CD_MUN",
                                          fora ? Avisos::ForaDoResultado : Avisos::RepetidoNoResultado,
                                          TextoInteiro(porUf ? uf : municipio)});
            }
            for (std::size_t s = 0; s < nSiglas; ++s)
                for (std::size_t n = 0; n < nNomes; ++n) {
                    primeiraLinha.try_emplace(Chave(uf, municipio), final.size());
                    final.push_back({uf, municipio, comSigla[s], comNome[n], pop1, pop2});
                }
        }
    }

    std::vector<Mudanca> mudancas;
    {
        Rascunho r;
        const RegrasCarga regras = RegrasBaseTraducao(r);
        LeituraDados leitura(traducao, regras, avisosTraducao);
        while (leitura.Proxima()) {
            leitura.Conserta();
            mudancas.push_back({leitura.Inteiro(regras.campos[0]), leitura.Inteiro(regras.campos[2]),
                                leitura.Inteiro(regras.campos[4]), leitura.Inteiro(regras.campos[5]), StrToInt(r.DATA),
                                CampoTexto(r.SIT_DOA, 10), CampoTexto(r.SIT_REC, 10), r.EXCECAO == "*"});
        }
    }

    // Todo receptor ganha registro, na ordem da base de tradução.
    int incluidos = 0;
    for (const Mudanca& mudanca : mudancas) {
        if (primeiraLinha.count(Chave(mudanca.uf, mudanca.receptor)))
            continue;
        if (siglasAtivas)
            siglas.Da(Chave(mudanca.uf, 0), comSigla);
        if (nomesAtivos)
            nomes.Da(Chave(mudanca.uf, mudanca.receptor), comNome);
        // Sem parceiro, ou com parceiro nulo, o receptor fica com "??" e "<nome inexistente>" na gravação.
        primeiraLinha.emplace(Chave(mudanca.uf, mudanca.receptor), final.size());
        final.push_back({mudanca.uf, mudanca.receptor, comSigla.empty() ? nullptr : comSigla[0],
                         comNome.empty() ? nullptr : comNome[0], 0, 0});
        ++incluidos;
    }

    std::stable_sort(mudancas.begin(), mudancas.end(), [](const Mudanca& a, const Mudanca& b) {
        if (a.uf != b.uf)
            return a.uf < b.uf;
        if (a.data != b.data)
            return a.data < b.data;
        if (const int c = Compara(a.sitDoa, b.sitDoa))
            return c < 0;
        return Compara(a.sitRec, b.sitRec) < 0;
    });

    Arquivo log(pasta + "/" + AreaTrabalho::ArquivoLog);
    log.Linha("UF;MUN_D;POP1;POP_MOVER;PROPORCAO;POP2;VPROPORCAO;POP_DOADOR;MUN_R;POP_RECEPTOR");
    for (const Mudanca& mudanca : mudancas) {
        if (!ignoraExcecoes && mudanca.excecao)
            continue;
        const auto doador = primeiraLinha.find(Chave(mudanca.uf, mudanca.doador));
        Linha& receptor = final[primeiraLinha.at(Chave(mudanca.uf, mudanca.receptor))];
        std::string linha = TextoInteiro(mudanca.uf) + ";" + TextoInteiro(mudanca.doador);
        if (doador == primeiraLinha.end()) {
            log.Linha(linha + ";;" + TextoInteiro(mudanca.pop) + ";;;;;" + TextoInteiro(mudanca.receptor) + ";" +
                      TextoInteiro(receptor.pop2));
            continue;
        }
        Linha& cedente = final[doador->second];
        const std::int32_t pop1 = cedente.pop1, pop2 = cedente.pop2;
        double proporcao = 0;
        std::int32_t vproporcao = 0;
        if (pop1 != 0) {
            proporcao = static_cast<double>(static_cast<std::int64_t>(mudanca.pop) * 100) / pop1;
            vproporcao = static_cast<std::int32_t>(std::nearbyintl(static_cast<long double>(pop2) * proporcao / 100));
        }
        linha += ";" + TextoInteiro(pop1) + ";" + TextoInteiro(mudanca.pop) + ";" + FormatoGeral(proporcao, separador) +
                 ";" + TextoInteiro(pop2) + ";" + TextoInteiro(vproporcao);
        cedente.pop1 -= mudanca.pop;
        cedente.pop2 -= vproporcao;
        linha += ";" + TextoInteiro(cedente.pop2);
        receptor.pop1 += mudanca.pop;
        receptor.pop2 += vproporcao;
        log.Linha(linha + ";" + TextoInteiro(mudanca.receptor) + ";" + TextoInteiro(receptor.pop2));
    }

    Arquivo resultado(pasta + "/" + nome + ".CSV");
    Arquivo extrato(pasta + "/" + AreaTrabalho::ArquivoComp);
    std::int64_t depois1 = 0, depois2 = 0;
    int zerados[6] = {};
    const auto texto = [](const std::optional<std::string>* valor, const std::string& padrao) -> const std::string& {
        return valor != nullptr && *valor ? **valor : padrao;
    };
    const std::string siglaPadrao = "??", nomePadrao = "<nome inexistente>";
    for (const Linha& registro : final) {
        const std::string sigla = Apara(texto(registro.sigla, siglaPadrao));
        const std::string municipio = Apara(texto(registro.nome, nomePadrao));
        const std::string linha = TextoInteiro(registro.uf) + ";" + sigla + ";" + TextoInteiro(registro.municipio) +
                                  ";" + municipio + ";" + TextoInteiro(registro.pop1) + ";" +
                                  TextoInteiro(registro.pop2);
        resultado.Linha(linha);
        if (Especial(registro.uf, registro.municipio))
            extrato.Linha(linha);
        depois1 += registro.pop1;
        depois2 += registro.pop2;
        zerados[0] += registro.uf == 0;
        zerados[1] += registro.municipio == 0;
        zerados[2] += registro.pop1 == 0;
        zerados[3] += registro.pop2 == 0;
        zerados[4] += texto(registro.sigla, siglaPadrao) == siglaPadrao;
        zerados[5] += texto(registro.nome, nomePadrao) == nomePadrao;
    }
    Arquivo avisos(pasta + "/" + AreaTrabalho::ArquivoAvisos);
    avisos.Linha("ARQUIVO;LINHA;CAMPO;AVISO;TEXTO");
    for (const auto* lista : {&avisosOriginal, &avisosTraducao, &avisosRegistro})
        for (const Aviso& aviso : *lista)
            avisos.Linha(aviso.arquivo + ";" + TextoInteiro(aviso.linha) + ";" + aviso.campo + ";" + aviso.aviso + ";" +
                         aviso.texto);

    std::printf("Fim - %zu registros (%d lidos, +%d receptores); zerados:", final.size(), lidos, incluidos);
    for (int z : zerados)
        std::printf(" %d", z);
    std::printf("\nPOP1: %lld antes, %lld depois\nPOP2: %lld antes, %lld depois\n", static_cast<long long>(antes1),
                static_cast<long long>(depois1), static_cast<long long>(antes2), static_cast<long long>(depois2));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "uso: %s SISTEMA ORIGINAL TRADUCAO PASTA NOME [--pular-excecoes]\n", argv[0]);
        return 2;
    }
    try {
        return Traduz(argc, argv);
    } catch (const std::exception& falha) {
        std::fprintf(stderr, "%s\n", falha.what());
        return 1;
    }
}
