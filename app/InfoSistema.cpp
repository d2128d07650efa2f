#include "InfoSistema.h"

#include "Texto.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>

namespace {

constexpr std::int64_t umGiga = std::int64_t{1} << 30;

// Lê um número decimal a partir de `posicao` e avança; sem dígitos, 0.
std::uint32_t LeNumero(const std::string& texto, std::size_t& posicao) {
    std::uint32_t valor = 0;
    const char* inicio = texto.data() + posicao;
    const auto [fim, erro] = std::from_chars(inicio, texto.data() + texto.size(), valor);
    if (erro == std::errc{} || erro == std::errc::result_out_of_range)
        posicao += static_cast<std::size_t>(fim - inicio);
    return erro == std::errc{} ? valor : 0;
}

// Duas casas com ponto, independente do locale do processo (o Qt liga o do usuário na partida).
std::string DuasCasas(double valor) {
    char texto[64];
    const auto resultado = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed, 2);
    return std::string(texto, resultado.ptr);
}

std::string Agrupado(std::uint64_t valor, char separadorMilhar) {
    const std::string digitos = std::to_string(valor);
    std::string texto;
    for (std::size_t i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0)
            texto += separadorMilhar;
        texto += digitos[i];
    }
    return texto;
}

} // namespace

std::string TextoVersao(const std::string& nome, const std::string& lancamento) {
    std::size_t posicao = 0;
    std::string texto = nome;
    for (int parte = 0; parte < 3; ++parte) {
        if (parte > 0 && posicao < lancamento.size() && lancamento[posicao] == '.')
            ++posicao;
        texto += "." + std::to_string(LeNumero(lancamento, posicao));
    }
    // O resto ("-18-amd64") perde só o separador que o liga aos números.
    std::string resto = lancamento.substr(posicao);
    if (!resto.empty() && std::string_view("-.+_~").find(resto.front()) != std::string_view::npos)
        resto.erase(0, 1);
    return texto + "." + resto;
}

std::string TextoMemoria(std::uint64_t bytes, char separadorMilhar) {
    const auto kb = static_cast<std::uint64_t>(std::llround(static_cast<double>(bytes) / 1024.0));
    return Agrupado(kb, separadorMilhar) + " KB";
}

std::string TextoCargaMemoria(int porcento) {
    return std::to_string(porcento) + " %";
}

std::string TextoEspacoDisco(std::int64_t bytes, char separadorDecimal) {
    if (bytes < 1024)
        return FormatoGeral(static_cast<double>(bytes), separadorDecimal) + " bytes";
    if (bytes < umGiga)
        return DuasCasas(static_cast<double>(bytes) / 1024.0) + " Kbytes";
    return DuasCasas(static_cast<double>(bytes) / static_cast<double>(umGiga)) + " Gbytes";
}

std::string TextoTela(int largura, int altura) {
    return std::to_string(largura) + "x" + std::to_string(altura);
}

bool PedeAvisoTela(int largura) {
    return largura < 800;
}

std::optional<VersaoNucleo> ConsultaVersaoNucleo() {
    utsname nucleo{};
    if (uname(&nucleo) != 0)
        return std::nullopt;
    return VersaoNucleo{nucleo.sysname, nucleo.release};
}

EstadoMemoria ConsultaMemoria() {
    EstadoMemoria estado;
    struct sysinfo info {};
    if (sysinfo(&info) != 0 || info.totalram == 0)
        return estado;
    const double unidade = info.mem_unit;
    const double total = static_cast<double>(info.totalram) * unidade;
    // A memória disponível do núcleo conta o cache que pode ser devolvido; sem ela, a livre.
    double disponivel = static_cast<double>(info.freeram) * unidade;
    std::ifstream meminfo("/proc/meminfo");
    std::string linha;
    while (std::getline(meminfo, linha)) {
        std::istringstream campos(linha);
        std::string nome;
        double kb = 0;
        if (campos >> nome >> kb && nome == "MemAvailable:") {
            disponivel = kb * 1024.0;
            break;
        }
    }
    estado.totalBytes = static_cast<std::uint64_t>(total);
    estado.cargaPorcento = static_cast<int>(std::lround((total - disponivel) * 100.0 / total));
    return estado;
}

std::int64_t ConsultaEspacoLivre(const std::string& pasta) {
    struct statvfs sistema {};
    if (statvfs(pasta.c_str(), &sistema) != 0)
        return -1;
    return static_cast<std::int64_t>(sistema.f_bavail) * static_cast<std::int64_t>(sistema.f_frsize);
}
