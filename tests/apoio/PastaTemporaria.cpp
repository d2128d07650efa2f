#include "PastaTemporaria.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

PastaTemporaria::PastaTemporaria() {
    std::string modelo = (fs::temp_directory_path() / "morvisan-teste-XXXXXX").string();
    if (mkdtemp(modelo.data()) == nullptr)
        throw std::runtime_error("mkdtemp falhou");
    caminho_ = modelo + "/";
}

PastaTemporaria::~PastaTemporaria() {
    std::error_code erro;
    // Pastas tornadas somente leitura pelos testes voltam a ser graváveis para poderem sair.
    for (auto& item : fs::recursive_directory_iterator(caminho_, erro))
        fs::permissions(item.path(), fs::perms::owner_all, fs::perm_options::add, erro);
    fs::remove_all(caminho_, erro);
}

void PastaTemporaria::Escreve(const std::string& nome, const std::string& bytes) const {
    fs::create_directories(fs::path(caminho_ + nome).parent_path());
    std::ofstream saida(caminho_ + nome, std::ios::binary);
    saida << bytes;
}

std::string LeArquivo(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    if (!entrada)
        throw std::runtime_error("não abre " + caminho);
    std::ostringstream conteudo;
    conteudo << entrada.rdbuf();
    return conteudo.str();
}

std::string Aspas(const std::string& texto) {
    return "'" + texto + "'";
}

Execucao RodaNoShell(const std::string& linha, const PastaTemporaria& pasta) {
    const std::string comando = linha + " >" + Aspas(pasta / "normal.txt") + " 2>" + Aspas(pasta / "erros.txt");
    const int estado = std::system(comando.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, pasta.Le("normal.txt"), pasta.Le("erros.txt")};
}

std::string PastaTemporaria::Le(const std::string& nome) const {
    return LeArquivo(caminho_ + nome);
}

void PastaTemporaria::CopiaDado(const std::string& nomeEmDados, const std::string& nomeAqui) const {
    const std::string destino = caminho_ + (nomeAqui.empty() ? fs::path(nomeEmDados).filename().string() : nomeAqui);
    fs::create_directories(fs::path(destino).parent_path());
    fs::copy_file(std::string(MORVISAN_DADOS_TESTE) + "/" + nomeEmDados, destino, fs::copy_options::overwrite_existing);
}

std::string PastaTemporaria::MontaSistema(const std::string& nome) const {
    const std::string sistema = caminho_ + nome + "/";
    fs::create_directories(sistema + "Bases0");
    for (auto& modelo : fs::directory_iterator(std::string(MORVISAN_DIR_SISTEMA) + "Bases0"))
        fs::copy_file(modelo.path(), sistema + "Bases0/" + modelo.path().filename().string());
    return sistema;
}
