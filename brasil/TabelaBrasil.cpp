#include "TabelaBrasil.h"

#include "Arquivos.h"
#include "Falha.h"
#include "LeitorTexto.h"
#include "Texto.h"

#include <climits>

LinhaTabelaBrasil::LinhaTabelaBrasil(std::string_view linha, const FormatoTabelaBrasil& formato,
                                     const std::string& caminho, long long numero)
    : formato_(formato), caminho_(caminho), numero_(numero) {
    const std::size_t colunas = formato.colunas.size();
    for (std::size_t i = 0; i + 1 < colunas; ++i) {
        const std::size_t separador = linha.find(';');
        if (separador == std::string_view::npos)
            Erro("faltam colunas (esperadas " + TextoInteiro(static_cast<std::int64_t>(colunas)) + ")");
        campos_.emplace_back(linha.substr(0, separador));
        linha.remove_prefix(separador + 1);
    }
    campos_.emplace_back(linha);
}

std::optional<std::int64_t> LinhaTabelaBrasil::Numero(std::size_t coluna, bool vazioVale) const {
    const std::string& texto = campos_[coluna];
    if (texto.empty() && vazioVale)
        return std::nullopt;
    if (texto.empty() || texto.size() > 12)
        Invalido(coluna);
    std::int64_t valor = 0;
    for (char c : texto) {
        if (c < '0' || c > '9')
            Invalido(coluna);
        valor = valor * 10 + (c - '0');
    }
    return valor;
}

std::int32_t LinhaTabelaBrasil::Inteiro(std::size_t coluna) const {
    const std::int64_t valor = *Numero(coluna);
    if (valor > INT32_MAX)
        Invalido(coluna);
    return static_cast<std::int32_t>(valor);
}

void LinhaTabelaBrasil::Invalido(std::size_t coluna) const {
    Erro(formato_.colunas[coluna] + " inv\xe1lido (" + Citacao(campos_[coluna]) + ")");
}

void LinhaTabelaBrasil::Erro(const std::string& motivo) const {
    // "Tabela de mudanças", com a inicial maiúscula no começo da mensagem.
    std::string descricao = formato_.descricao;
    if (!descricao.empty() && descricao[0] >= 'a' && descricao[0] <= 'z')
        descricao[0] = static_cast<char>(descricao[0] - 'a' + 'A');
    throw Falha(descricao + " \"" + caminho_ + "\", linha " + TextoInteiro(numero_) + ": " + motivo + ".");
}

std::string ArquivoDadosBrasil(const std::string& dirSistema, const std::string& nome) {
    const std::string separador = !dirSistema.empty() && dirSistema.back() != '/' ? "/" : "";
    return dirSistema + separador + "dados/" + nome;
}

void LeTabelaBrasil(const std::string& caminho, const FormatoTabelaBrasil& formato,
                    const std::function<void(const LinhaTabelaBrasil&)>& trata) {
    if (!ArquivoExiste(caminho))
        throw Falha("A " + formato.descricao + " do Brasil n\xe3o foi encontrada em \"" + caminho + "\".");
    LeitorTexto entrada(caminho);
    std::string linha;
    std::string titulos;
    for (const std::string& coluna : formato.colunas)
        titulos += (titulos.empty() ? "" : ";") + coluna;
    if (!entrada.LeLinha(linha) || linha != titulos)
        throw Falha("O arquivo \"" + caminho + "\" n\xe3o \xe9 a " + formato.descricao +
                    " do Brasil (linha de t\xedtulos diferente).");
    for (long long numero = 2; entrada.LeLinha(linha); ++numero)
        if (!linha.empty())
            trata(LinhaTabelaBrasil(linha, formato, caminho, numero));
}
