#pragma once
// Apoio dos alvos de fuzzing: uma pasta de programa temporária (com os modelos de Bases0 e uma pasta
// de saída) que dura o processo inteiro, e a escrita dos bytes da vez num arquivo dela.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class PastaDoAlvo {
public:
    PastaDoAlvo();
    ~PastaDoAlvo();
    PastaDoAlvo(const PastaDoAlvo&) = delete;
    PastaDoAlvo& operator=(const PastaDoAlvo&) = delete;

    // A pasta do programa, terminada em "/".
    const std::string& Sistema() const { return sistema_; }
    std::string Saida() const { return sistema_ + "saida"; }
    // Grava os bytes no arquivo (caminho relativo à pasta do programa) e devolve o caminho completo.
    std::string Escreve(const std::string& nome, std::string_view bytes) const;

private:
    std::string raiz_;
    std::string sistema_;
};

// Os bytes da entrada como texto.
inline std::string_view Bytes(const std::uint8_t* dados, std::size_t tamanho) {
    return {reinterpret_cast<const char*>(dados), tamanho};
}
