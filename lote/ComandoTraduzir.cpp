#include "ComandoTraduzir.h"

#include <iostream>

int ComandoTraduzir(const std::string&, const std::vector<std::string>&) {
    std::cerr << "traduzir: ainda não disponível\n";
    return 1;
}
