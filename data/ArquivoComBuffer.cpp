#include "ArquivoComBuffer.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t LimitePendente = 1 << 20;

struct ArquivoComBuffer {
    std::FILE* arquivo = nullptr;
    SAOffset posicao = 0;
    // Bytes ainda não escritos, que começam em inicioPendente no arquivo.
    std::string pendente;
    SAOffset inicioPendente = 0;
    // Onde o FILE está de fato; o fseek esvazia o buffer de leitura da biblioteca C, então só se
    // reposiciona quando a posição pedida é outra (leituras seguidas não custam uma chamada cada).
    SAOffset posicaoReal = 0;
    bool falhou = false;
};

bool VaiPara(ArquivoComBuffer& a, SAOffset posicao) {
    if (a.posicaoReal == posicao)
        return true;
    if (std::fseek(a.arquivo, static_cast<long>(posicao), SEEK_SET) != 0)
        return false;
    a.posicaoReal = posicao;
    return true;
}

ArquivoComBuffer* De(SAFile arquivo) {
    return reinterpret_cast<ArquivoComBuffer*>(arquivo);
}

bool Descarrega(ArquivoComBuffer& a) {
    if (a.pendente.empty())
        return !a.falhou;
    // Entre ler e escrever o C exige um fseek; depois de escrever, a próxima leitura também.
    if (std::fseek(a.arquivo, static_cast<long>(a.inicioPendente), SEEK_SET) != 0 ||
        std::fwrite(a.pendente.data(), 1, a.pendente.size(), a.arquivo) != a.pendente.size())
        a.falhou = true;
    a.posicaoReal = -1;
    a.pendente.clear();
    return !a.falhou;
}

SAFile Abre(const char* nome, const char* modo) {
    std::FILE* arquivo = std::fopen(nome, modo);
    if (arquivo == nullptr)
        return nullptr;
    auto* a = new ArquivoComBuffer;
    a->arquivo = arquivo;
    return reinterpret_cast<SAFile>(a);
}

SAOffset Le(void* destino, SAOffset tamanho, SAOffset quantos, SAFile arquivo) {
    ArquivoComBuffer& a = *De(arquivo);
    if (!Descarrega(a) || !VaiPara(a, a.posicao))
        return 0;
    const SAOffset lidos = std::fread(destino, tamanho, quantos, a.arquivo);
    a.posicao += lidos * tamanho;
    // Uma leitura curta deixa o FILE num ponto incerto.
    a.posicaoReal = lidos == quantos ? a.posicao : -1;
    return lidos;
}

SAOffset Escreve(void* origem, SAOffset tamanho, SAOffset quantos, SAFile arquivo) {
    ArquivoComBuffer& a = *De(arquivo);
    const std::size_t bytes = tamanho * quantos;
    const SAOffset fimPendente = a.inicioPendente + a.pendente.size();
    // Fora do trecho na memória: o que estava pendente desce e um trecho novo começa aqui.
    if (a.pendente.empty() || a.posicao < a.inicioPendente || a.posicao > fimPendente ||
        a.pendente.size() >= LimitePendente) {
        if (!Descarrega(a))
            return 0;
        a.inicioPendente = a.posicao;
    }
    const std::size_t deslocamento = a.posicao - a.inicioPendente;
    if (a.pendente.size() < deslocamento + bytes)
        a.pendente.resize(deslocamento + bytes);
    if (bytes > 0)
        std::memcpy(a.pendente.data() + deslocamento, origem, bytes);
    a.posicao += bytes;
    return quantos;
}

SAOffset Posiciona(SAFile arquivo, SAOffset deslocamento, int origem) {
    ArquivoComBuffer& a = *De(arquivo);
    if (origem == SEEK_SET) {
        a.posicao = deslocamento;
    } else if (origem == SEEK_CUR) {
        a.posicao += deslocamento;
    } else {
        if (!Descarrega(a) || std::fseek(a.arquivo, static_cast<long>(deslocamento), SEEK_END) != 0)
            return -1;
        a.posicao = static_cast<SAOffset>(std::ftell(a.arquivo));
        a.posicaoReal = -1;
    }
    return 0;
}

SAOffset Posicao(SAFile arquivo) {
    return De(arquivo)->posicao;
}

int Esvazia(SAFile arquivo) {
    ArquivoComBuffer& a = *De(arquivo);
    return Descarrega(a) && std::fflush(a.arquivo) == 0 ? 0 : -1;
}

int Fecha(SAFile arquivo) {
    ArquivoComBuffer* a = De(arquivo);
    const bool certo = Descarrega(*a);
    const int fechou = std::fclose(a->arquivo);
    delete a;
    return certo && fechou == 0 ? 0 : -1;
}

} // namespace

SAHooks GanchosComBuffer() {
    SAHooks ganchos;
    SASetupDefaultHooks(&ganchos);
    ganchos.FOpen = Abre;
    ganchos.FRead = Le;
    ganchos.FWrite = Escreve;
    ganchos.FSeek = Posiciona;
    ganchos.FTell = Posicao;
    ganchos.FFlush = Esvazia;
    ganchos.FClose = Fecha;
    return ganchos;
}
