#pragma once
// Os números da caixa "Sobre o sistema": os formatos de cada rótulo e as consultas ao Linux de onde
// vêm. Textos Latin-1, como o resto do sistema.
#include <cstdint>
#include <optional>
#include <string>

// Nome e lançamento do núcleo no feitio nome.maior.menor.compilação.resto; termina em "." quando
// não há resto ("Linux", "6.1.0-18-amd64" dá "Linux.6.1.0.18-amd64").
std::string TextoVersao(const std::string& nome, const std::string& lancamento);
// Memória total em KB, arredondada e agrupada de mil em mil: "523.744 KB".
std::string TextoMemoria(std::uint64_t bytes, char separadorMilhar);
// Carga da memória: "37 %".
std::string TextoCargaMemoria(int porcento);
// Espaço livre: até 1023 em bytes (formato geral), depois Kbytes, a partir de 2^30 Gbytes; estes
// sempre com ponto e duas casas, seja qual for o ajuste regional. -1 é a consulta que falhou.
std::string TextoEspacoDisco(std::int64_t bytes, char separadorDecimal);
std::string TextoTela(int largura, int altura);
// Abaixo de 800 pixels de largura a caixa recomenda uma resolução maior; a altura não conta.
bool PedeAvisoTela(int largura);

// Nome e lançamento do núcleo (uname); vazio quando a consulta falha.
struct VersaoNucleo {
    std::string nome;
    std::string lancamento;
};
std::optional<VersaoNucleo> ConsultaVersaoNucleo();

struct EstadoMemoria {
    std::uint64_t totalBytes = 0;
    int cargaPorcento = 0;
};
EstadoMemoria ConsultaMemoria();

// Espaço livre para o usuário no sistema de arquivos raiz, em bytes; -1 quando a consulta falha.
std::int64_t ConsultaEspacoLivre(const std::string& pasta = "/");
