#pragma once
#include <gtest/gtest.h>

#include <string>

// Nome de um caso de teste parametrizado: o campo nome do caso.
template <typename Caso>
std::string NomeDoCaso(const testing::TestParamInfo<Caso>& caso) {
    return caso.param.nome;
}
