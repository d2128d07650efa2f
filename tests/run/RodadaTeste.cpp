#include "RodadaTeste.h"

#include "ImportacaoExtras.h"

#include <filesystem>

RodadaTeste::RodadaTeste(char separadorDecimal) {
    ajustes.DefinePastas(PastaUnica(pasta.MontaSistema()));
    ajustes.Pasta = pasta / "saida";
    std::filesystem::create_directories(ajustes.Pasta);
    ajustes.Arquivos[0] = pasta / "original.csv";
    ajustes.Arquivos[1] = pasta / "traducao.csv";
    ajustes.NovoArquivo = "RES";
    ajustes.regional.separadorDecimal = separadorDecimal;
    Original("");
    Traducao("");
}

void RodadaTeste::Original(const std::string& bytes) const {
    pasta.Escreve("original.csv", bytes);
}

void RodadaTeste::Traducao(const std::string& bytes) const {
    pasta.Escreve("traducao.csv", bytes);
}

std::string RodadaTeste::Linhas(const std::vector<std::string>& linhas) {
    std::string texto;
    for (const std::string& linha : linhas)
        texto += linha + "\r\n";
    return texto;
}

void RodadaTeste::Municipios(const std::vector<std::string>& linhas) {
    pasta.Escreve("municipios.csv", Linhas(linhas));
    ImportaBaseExtra(BaseExtra::Municipios, pasta / "municipios.csv", ajustes, dados);
}

void RodadaTeste::Ufs(const std::vector<std::string>& linhas) {
    pasta.Escreve("ufs.csv", Linhas(linhas));
    ImportaBaseExtra(BaseExtra::Ufs, pasta / "ufs.csv", ajustes, dados);
}

void RodadaTeste::Prepara(const std::vector<std::string>& municipios, const std::vector<std::string>& ufs,
                          const std::vector<std::string>& original, const std::vector<std::string>& traducao) {
    if (!municipios.empty())
        Municipios(municipios);
    if (!ufs.empty())
        Ufs(ufs);
    Original(Linhas(original));
    Traducao(Linhas(traducao));
}

void RodadaTeste::Carrega() {
    std::filesystem::create_directories(ajustes.PastaTrabalho());
    processamento.Copiando();
    processamento.Abrindo();
    processamento.CarregaBO();
    processamento.CarregaBT();
}

void RodadaTeste::MontaFinal() {
    Carrega();
    processamento.CarregaBF();
}

void RodadaTeste::Traduz() {
    MontaFinal();
    processamento.Transfere();
}

std::vector<std::string> RodadaTeste::Registros(Tabela& tabela) {
    std::vector<std::string> registros;
    for (tabela.Primeiro(); !tabela.Fim(); tabela.Proximo()) {
        std::string registro;
        for (int campo = 0; campo < tabela.NumeroCampos(); ++campo)
            registro += (campo == 0 ? "" : "|") + tabela.TextoCampo(campo);
        registros.push_back(registro);
    }
    return registros;
}

std::string RodadaTeste::Saida(const std::string& nome) const {
    return LeArquivo(ajustes.Pasta + "/" + nome);
}
