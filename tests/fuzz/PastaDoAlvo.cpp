#include "PastaDoAlvo.h"

#include "AreaTrabalho.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

PastaDoAlvo::PastaDoAlvo() {
    std::string modelo = (std::filesystem::temp_directory_path() / "morvisan-fuzz-XXXXXX").string();
    if (::mkdtemp(modelo.data()) == nullptr)
        throw std::runtime_error("mkdtemp falhou");
    raiz_ = modelo;
    sistema_ = raiz_ + "/sistema/";
    std::filesystem::create_directories(sistema_ + "Bases0");
    std::filesystem::create_directories(sistema_ + "saida");
    AreaTrabalho::GeraModelos(sistema_ + "Bases0");
}

PastaDoAlvo::~PastaDoAlvo() {
    std::error_code erro;
    std::filesystem::remove_all(raiz_, erro);
}

std::string PastaDoAlvo::Escreve(const std::string& nome, std::string_view bytes) const {
    const std::string caminho = sistema_ + nome;
    std::filesystem::create_directories(std::filesystem::path(caminho).parent_path());
    std::ofstream(caminho, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return caminho;
}
