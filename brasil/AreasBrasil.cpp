#include "AreasBrasil.h"

#include "AgregacaoBrasil.h"

#include "AreaTrabalho.h"
#include "ArquivoSaida.h"
#include "Falha.h"
#include "LeitorEntrada.h"
#include "PopulacaoOriginal.h"
#include "SaidasDaRodada.h"
#include "TabelaBrasil.h"
#include "Texto.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace {

// União e busca sobre os códigos, com compressão de caminho.
class Grupos {
public:
    std::uint64_t Raiz(std::uint64_t chave) {
        auto [achado, novo] = pai_.try_emplace(chave, chave);
        if (novo || achado->second == chave)
            return chave;
        const std::uint64_t raiz = Raiz(achado->second);
        pai_[chave] = raiz;
        return raiz;
    }
    void Une(std::uint64_t a, std::uint64_t b) {
        const std::uint64_t ra = Raiz(a), rb = Raiz(b);
        if (ra != rb)
            pai_[std::max(ra, rb)] = std::min(ra, rb);
    }

private:
    std::unordered_map<std::uint64_t, std::uint64_t> pai_;
};

const FormatoTabelaBrasil Formato{"lista de \xe1reas compar\xe1veis",
                                  {"AREA", "ANO", "CD_UF", "CD_MUN", "COD_IBGE", "MUN"}};

std::string TextoMembro(const MembroArea& m) {
    return TextoInteiro(m.area) + ";" + TextoInteiro(m.ano) + ";" + TextoInteiro(m.uf) + ";" +
           TextoInteiro(m.municipio) + ";" + TextoInteiro(m.codigo) + ";" + m.nome;
}

} // namespace

std::vector<MembroArea> AreasComparaveis(const std::vector<MudancaBrasil>& tabela, const DivisoesBrasil& divisoes,
                                         int anoA, int anoB) {
    const int primeiro = std::min(anoA, anoB), ultimo = std::max(anoA, anoB);
    Grupos grupos;
    for (const MudancaBrasil& m : tabela)
        if (m.data > primeiro * 10000 + 101 && m.data <= ultimo * 10000 + 101)
            grupos.Une(DivisoesBrasil::Chave(m.uf, m.doador), DivisoesBrasil::Chave(m.uf, m.receptor));
    std::vector<MembroArea> membros;
    std::unordered_map<std::uint64_t, std::int32_t> menorCodigo;
    for (int ano : primeiro == ultimo ? std::vector<int>{primeiro} : std::vector<int>{primeiro, ultimo})
        for (const MunicipioBrasil* m : divisoes.Divisao(ano)) {
            const std::uint64_t raiz = grupos.Raiz(DivisoesBrasil::Chave(m->uf, m->municipio));
            auto [codigo, novo] = menorCodigo.try_emplace(raiz, m->codigo);
            codigo->second = std::min(codigo->second, m->codigo);
            membros.push_back({0, ano, m->uf, m->municipio, m->codigo, m->nome});
        }
    for (MembroArea& m : membros)
        m.area = menorCodigo.at(grupos.Raiz(DivisoesBrasil::Chave(m.uf, m.municipio)));
    std::sort(membros.begin(), membros.end(), [](const MembroArea& a, const MembroArea& b) {
        return std::tie(a.area, a.ano, a.uf, a.municipio) < std::tie(b.area, b.ano, b.uf, b.municipio);
    });
    return membros;
}

bool AreasSobreEntrada(const std::string& dirSistema, const std::string& saida) {
    for (const std::string& tabela : {ArquivoMudancasBrasil(dirSistema), ArquivoDivisoesBrasil(dirSistema)}) {
        std::error_code erro;
        if (saida == tabela || std::filesystem::equivalent(saida, tabela, erro))
            return true;
    }
    return false;
}

void GravaAreas(const std::vector<MembroArea>& membros, const std::string& saida) {
    SaidasDaRodada saidas;
    const auto barra = saida.rfind('/');
    saidas.Reserva(barra == std::string::npos ? "." : saida.substr(0, barra + 1));
    ArquivoSaida arquivo(saidas.Temporario(saida), saida);
    arquivo.EscreveLinha("AREA;ANO;CD_UF;CD_MUN;COD_IBGE;MUN");
    for (const MembroArea& m : membros)
        arquivo.EscreveLinha(TextoMembro(m));
    arquivo.Fecha();
    saidas.Publica();
}

std::vector<MembroArea> LeAreas(const std::string& caminho) {
    std::vector<MembroArea> membros;
    LeTabelaBrasil(caminho, Formato, [&membros](const LinhaTabelaBrasil& linha) {
        membros.push_back(
            {linha.Inteiro(0), linha.Inteiro(1), linha.Inteiro(2), linha.Inteiro(3), linha.Inteiro(4), linha.Texto(5)});
    });
    return membros;
}

SomaAreas SomaSobreAreas(const std::vector<MembroArea>& membros, int ano, const std::string& original,
                         char separadorDecimal) {
    std::unordered_map<std::uint64_t, const MembroArea*> doAno;
    for (const MembroArea& m : membros)
        if (m.ano == ano)
            doAno.emplace(DivisoesBrasil::Chave(m.uf, m.municipio), &m);
    if (doAno.empty())
        throw Falha("A lista de \xe1reas n\xe3o tem a divis\xe3o de " + TextoInteiro(ano) + ".");
    SomaAreas soma;
    const PopulacaoOriginal base = LePopulacaoOriginal(original, separadorDecimal, soma.avisos);
    std::map<std::int32_t, std::pair<SomaArea, std::int64_t>> porArea; // a soma e o maior POP1 de um membro
    std::unordered_map<std::uint64_t, int> vistos;
    for (const auto& [uf, municipio] : base.Codigos()) {
        const auto membro = doAno.find(DivisoesBrasil::Chave(uf, municipio));
        if (membro == doAno.end())
            throw Falha("A base \"" + original + "\" tem o munic\xedpio " + TextoInteiro(municipio) + " da UF " +
                        TextoInteiro(uf) + ", que n\xe3o est\xe1 nas \xe1reas da divis\xe3o de " + TextoInteiro(ano) +
                        ". Nada foi gravado.");
        if (++vistos[membro->first] > 1)
            throw Falha("A base \"" + original + "\" repete o munic\xedpio " + TextoInteiro(municipio) + " da UF " +
                        TextoInteiro(uf) + ". Nada foi gravado.");
    }
    // Na ordem da lista: avisos e empates de nome saem sempre iguais.
    for (const MembroArea& membro : membros) {
        if (membro.ano != ano)
            continue;
        const MembroArea* m = &membro;
        auto& [area, maior] = porArea[m->area];
        area.area = m->area;
        const std::int64_t* pop1 = base.Pop1(m->uf, m->municipio);
        if (pop1 == nullptr) {
            soma.avisos.push_back(
                {NomeSemPasta(original), 0, "CD_MUN", "ausente da base", TextoInteiro(m->municipio) + " " + m->nome});
            continue;
        }
        const std::int64_t pop2 = base.Pop2(m->uf, m->municipio);
        area.pops[0] += *pop1;
        area.pops[1] += pop2;
        soma.antes[0] += *pop1;
        soma.antes[1] += pop2;
        if (area.nome.empty() || *pop1 > maior) {
            area.nome = m->nome;
            maior = *pop1;
        }
    }
    for (auto& [codigo, area] : porArea) {
        soma.areas.push_back(area.first);
        soma.depois[0] += area.first.pops[0];
        soma.depois[1] += area.first.pops[1];
    }
    return soma;
}

void GravaSomaAreas(const SomaAreas& soma, const std::string& pasta, const std::string& nome) {
    SaidasDaRodada saidas;
    saidas.Reserva(pasta);
    const std::string destino = pasta + "/" + nome + ".CSV";
    ArquivoSaida resultado(saidas.Temporario(destino), destino);
    resultado.EscreveLinha("AREA;NOME;POP1;POP2");
    for (const SomaArea& a : soma.areas)
        resultado.EscreveLinha(TextoInteiro(a.area) + ";" + a.nome + ";" + TextoInteiro(a.pops[0]) + ";" +
                               TextoInteiro(a.pops[1]));
    resultado.Fecha();
    const std::string destinoAvisos = pasta + "/" + AreaTrabalho::ArquivoAvisos;
    ArquivoSaida avisos(saidas.Temporario(destinoAvisos), destinoAvisos);
    avisos.EscreveLinha("ARQUIVO;LINHA;CAMPO;AVISO;TEXTO");
    for (const Aviso& aviso : soma.avisos)
        avisos.EscreveLinha(LinhaAvisos(aviso));
    avisos.Fecha();
    saidas.Publica();
}

std::string ResumoSomaAreas(const SomaAreas& soma, const std::string& pasta, const std::string& nome) {
    std::string resumo = "Base somada sobre " + TextoInteiro(static_cast<std::int64_t>(soma.areas.size())) +
                         " \xe1rea(s) em \"" + pasta + "/" + nome + ".CSV\".\n";
    if (const std::size_t achados = Avisos::Achados(soma.avisos))
        resumo += TextoInteiro(static_cast<std::int64_t>(achados)) + " aviso(s) -> veja " +
                  AreaTrabalho::ArquivoAvisos + "\n";
    resumo += TextoBalanco(soma.antes, soma.depois);
    return resumo;
}
