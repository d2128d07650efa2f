// Montagem da base final: a cópia da base original (com as bases extras ativas) e os receptores que
// faltam, antes de qualquer transferência.
#include "Processamento.h"

#include "LeitorEntrada.h"
#include "Operacoes.h"
#include "Texto.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {

std::int64_t Chave(std::int32_t uf, std::int32_t municipio) {
    return static_cast<std::int64_t>(uf) << 32 | static_cast<std::uint32_t>(municipio);
}

// As chaves que aparecem em mais de uma linha da base extra (o município 0 nas siglas): quase sempre
// nenhuma. Um código nulo não casa com nada, como na junção do comando de cópia.
std::unordered_set<std::int64_t> ChavesRepetidas(Tabela& tabela, bool comMunicipio) {
    std::vector<std::int64_t> chaves;
    chaves.reserve(static_cast<std::size_t>(tabela.Registros()));
    // Inteiro dá 0 também para o nulo: só então vale olhar o texto.
    const auto codigo = [&tabela](const char* campo, std::int32_t& valor) {
        valor = tabela.Inteiro(campo);
        return valor != 0 || !tabela.Texto(campo).empty();
    };
    for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo()) {
        std::int32_t uf = 0, municipio = 0;
        if (codigo("CD_UF", uf) && (!comMunicipio || codigo("CD_MUN", municipio)))
            chaves.push_back(Chave(uf, municipio));
    }
    std::sort(chaves.begin(), chaves.end());
    std::unordered_set<std::int64_t> repetidas;
    for (std::size_t i = 1; i < chaves.size(); ++i)
        if (chaves[i] == chaves[i - 1])
            repetidas.insert(chaves[i]);
    return repetidas;
}

const std::string SiglaInexistente = "??";
const std::string NomeInexistente = "<nome inexistente>";

// A cópia da original para a final com as bases extras ativas: a sigla pela UF, o nome pela UF e
// o município.
// Era: insert into final select a.cd_uf,a.cd_mun,b.sg_uf,c.mun,a.pop1,a.pop2 from original as a,
// def_uf as b, def_mun as c where a.cd_uf = b.cd_uf and a.cd_uf = c.cd_uf and a.cd_mun = c.cd_mun;
void CopiaOriginal(Dados& dados, bool nomes, bool siglas) {
    std::vector<Parceira> parceiras;
    if (siglas)
        parceiras.push_back({&dados.T_DEF_UF.Carregada(), {"CD_UF"}, "SG_UF", "UF"});
    if (nomes)
        parceiras.push_back({&dados.T_DEF_MUN.Carregada(), {"CD_UF", "CD_MUN"}, "MUN", "MUN"});
    CopiaComParceiras(dados.T_BF_DESC.Carregada(), dados.T_BO_DESC.Carregada(), {"CD_UF", "CD_MUN", "POP1", "POP2"},
                      parceiras);
}

} // namespace

void Processamento::CarregaBF() {
    Tabela& traducao = dados_.T_BT_DESC;
    Tabela& final = dados_.T_BF_DESC;
    dados_.T_BO_DESC.Primeiro();
    traducao.Primeiro();
    CopiaOriginal(dados_, ajustes_.base1, ajustes_.base2);

    // Todo receptor precisa de registro na base final para que a transferência o ache sempre.
    int incluidos = 0;
    for (; !traducao.Fim(); traducao.Proximo()) {
        const std::int32_t uf = traducao.Inteiro("CD_UF");
        const std::int32_t receptor = traducao.Inteiro("CD_MUNR");
        if (final.Localiza("CD_UF;CD_MUN", {uf, receptor}))
            continue;
        std::string sigla = SiglaInexistente;
        std::string nome = NomeInexistente;
        if (ajustes_.base1 && dados_.T_DEF_MUN.Localiza("CD_UF;CD_MUN", {uf, receptor}))
            nome = dados_.T_DEF_MUN.Texto("MUN");
        if (ajustes_.base2 && dados_.T_DEF_UF.Localiza("CD_UF", {uf}))
            sigla = dados_.T_DEF_UF.Texto("SG_UF");
        final.Inclui();
        final.DefineInteiro("CD_UF", uf);
        final.DefineInteiro("CD_MUN", receptor);
        final.DefineTexto("UF", sigla);
        final.DefineTexto("MUN", nome);
        // O receptor novo nasce vazio: a população que recebe vem só da transferência. Nascer com o
        // POP da mudança o faria terminar com o dobro, inventando população.
        final.DefineInteiro("POP1", 0);
        final.DefineInteiro("POP2", 0);
        final.Posta();
        ++incluidos;
        painel_.DefineContador(Contador::BF_DESC, "+" + TextoInteiro(incluidos));
    }

    // Era: update final set UF="??" where UF is null; e o mesmo com MUN.
    PreencheNulos(final.Carregada(), "UF", SiglaInexistente);
    PreencheNulos(final.Carregada(), "MUN", NomeInexistente);
    ProcuraAvisosDeRegistro();
}

void Processamento::ProcuraAvisosDeRegistro() {
    avisosRegistro_.clear();
    if (!ajustes_.base1 && !ajustes_.base2)
        return;
    // Quantos parceiros cada registro teve na junção do comando de cópia: nenhum (a localização não
    // acha), um, ou mais (a chave está entre as repetidas).
    std::unordered_set<std::int64_t> siglasRepetidas, nomesRepetidos;
    if (ajustes_.base2)
        siglasRepetidas = ChavesRepetidas(dados_.T_DEF_UF, false);
    if (ajustes_.base1)
        nomesRepetidos = ChavesRepetidas(dados_.T_DEF_MUN, true);
    const auto parceiros = [](Tabela& base, const std::string& chaves, std::initializer_list<std::int64_t> valores,
                              const std::unordered_set<std::int64_t>& repetidas, std::int64_t chave) {
        return !base.Localiza(chaves, valores) ? 0 : (repetidas.count(chave) > 0 ? 2 : 1);
    };
    const std::string arquivo = NomeSemPasta(ajustes_.Arquivos[0]);
    for (const RegistroOriginal& registro : registrosBO_) {
        const int comSigla =
            ajustes_.base2 ? parceiros(dados_.T_DEF_UF, "CD_UF", {registro.uf}, siglasRepetidas, Chave(registro.uf, 0))
                           : 1;
        const int comNome = ajustes_.base1
                                ? parceiros(dados_.T_DEF_MUN, "CD_UF;CD_MUN", {registro.uf, registro.municipio},
                                            nomesRepetidos, Chave(registro.uf, registro.municipio))
                                : 1;
        const bool fora = comSigla == 0 || comNome == 0;
        if (!fora && comSigla == 1 && comNome == 1)
            continue;
        const bool porUf = fora ? comSigla == 0 : comSigla > 1;
        avisosRegistro_.push_back({arquivo, registro.linha, porUf ? "CD_UF" : "CD_MUN",
                                   fora ? Avisos::ForaDoResultado : Avisos::RepetidoNoResultado,
                                   TextoInteiro(porUf ? registro.uf : registro.municipio)});
    }
}
