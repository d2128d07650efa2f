#include "ImportacaoDivisao.h"

#include "Falha.h"
#include "Texto.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::array<std::pair<std::int32_t, const char*>, 27> Siglas = {{
    {11, "RO"}, {12, "AC"}, {13, "AM"}, {14, "RR"}, {15, "PA"}, {16, "AP"}, {17, "TO"}, {21, "MA"}, {22, "PI"},
    {23, "CE"}, {24, "RN"}, {25, "PB"}, {26, "PE"}, {27, "AL"}, {28, "SE"}, {29, "BA"}, {31, "MG"}, {32, "ES"},
    {33, "RJ"}, {35, "SP"}, {41, "PR"}, {42, "SC"}, {43, "RS"}, {50, "MS"}, {51, "MT"}, {52, "GO"}, {53, "DF"},
}};

// O temporário sai junto com a importação, dê ela certo ou não.
class ArquivoPassageiro {
public:
    ArquivoPassageiro(const std::string& nome, const std::string& texto)
        : caminho_(std::filesystem::temp_directory_path() / ("morvisan-" + std::to_string(getpid()) + "-" + nome)) {
        std::ofstream arquivo(caminho_, std::ios::binary);
        arquivo << texto;
        if (!arquivo.flush())
            throw Falha("N\xe3o foi poss\xedvel gravar \"" + caminho_.string() + "\".");
    }
    ~ArquivoPassageiro() {
        std::error_code erro;
        std::filesystem::remove(caminho_, erro);
    }
    ArquivoPassageiro(const ArquivoPassageiro&) = delete;
    ArquivoPassageiro& operator=(const ArquivoPassageiro&) = delete;
    std::string Caminho() const { return caminho_.string(); }

private:
    std::filesystem::path caminho_;
};

} // namespace

std::string SiglaDaUf(std::int32_t uf) {
    for (const auto& [codigo, sigla] : Siglas)
        if (codigo == uf)
            return sigla;
    return "";
}

std::string TextoDaDivisao(BaseExtra base, const DivisoesBrasil& divisoes, int ano) {
    std::string texto;
    std::set<std::int32_t> ufs;
    for (const MunicipioBrasil* m : divisoes.Divisao(ano)) {
        if (base == BaseExtra::Municipios)
            texto += TextoInteiro(m->uf) + ";" + TextoInteiro(m->municipio) + ";" + m->nome + "\r\n";
        else if (ufs.insert(m->uf).second)
            texto += TextoInteiro(m->uf) + ";" + SiglaDaUf(m->uf) + "\r\n";
    }
    return texto;
}

ResultadoImportacao ImportaDivisao(BaseExtra base, int ano, Ajustes& ajustes, Dados& dados) {
    const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes.DirSistema));
    if (const std::string problema = divisoes.ProblemaDoAno(ano); !problema.empty())
        throw Falha(problema);
    const std::string nome = (base == BaseExtra::Municipios ? "municipios-" : "ufs-") + TextoInteiro(ano) + ".csv";
    const ArquivoPassageiro arquivo(nome, TextoDaDivisao(base, divisoes, ano));
    return ImportaBaseExtra(base, arquivo.Caminho(), ajustes, dados);
}
