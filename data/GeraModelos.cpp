// Gera os modelos vazios de Bases0 a partir do esquema do programa (roda na compilação).
#include "AreaTrabalho.h"
#include "Falha.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: morvisan-gera-modelos PASTA\n";
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        AreaTrabalho::GeraModelos(argv[1]);
    } catch (const std::exception& erro) {
        std::cerr << erro.what() << '\n';
        return 1;
    }
    return 0;
}
