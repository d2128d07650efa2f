#include "ArquivoDbf.h"

#include "Arquivos.h"
#include "DbfComum.h"
#include "Falha.h"
#include "Temporarios.h"
#include "Texto.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <shapefil.h>
#include <strings.h>
#include <unistd.h>

namespace {

bool NomeDeCampoValido(const std::string& nome) {
    if (nome.empty() || nome.size() > 10)
        return false;
    for (char c : nome)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

bool Branco(char c) {
    return c == ' ' || c == '\0';
}

Celula LeCampo(const Campo& campo, std::string_view bruto, const std::string& caminho) {
    Celula valor;
    std::size_t inicio = 0, fim = bruto.size();
    while (fim > 0 && Branco(bruto[fim - 1]))
        --fim;
    if (!EhCampoNumerico(campo)) {
        // Só os brancos finais saem: um código de situação " 1" guarda seu branco inicial.
        valor.texto = bruto.substr(0, fim);
        valor.tipo = fim == 0 ? Valor::Tipo::Nulo : Valor::Tipo::Texto;
        return valor;
    }
    while (inicio < fim && Branco(bruto[inicio]))
        ++inicio;
    const std::string_view numero = bruto.substr(inicio, fim - inicio);
    if (numero.empty() || numero.find_first_not_of('*') == std::string_view::npos)
        return valor;
    const auto lido = NumeroDoTexto(numero);
    if (!lido)
        throw Falha("O campo " + campo.nome + " da tabela " + caminho +
                    " guarda um valor que n\xe3o \xe9 n\xfamero: " + Citacao(numero));
    // Lido, tem de poder ser gravado de volta no mesmo campo: "1e300" num campo de 11 posições não
    // cabe, e a tabela gravada depois perderia o número.
    char texto[TamanhoNumero];
    if ((lido->tipo == Valor::Tipo::Real || campo.decimais > 0) &&
        FormataNumero(campo, *lido, texto).size() > static_cast<std::size_t>(campo.largura))
        throw Falha("O campo " + campo.nome + " da tabela " + caminho +
                    " guarda um n\xfamero que n\xe3o cabe na sua largura: " + Citacao(numero));
    return *lido;
}

// Confere os descritores de campo do cabeçalho antes de a shapelib ver o arquivo: uma tabela sem
// campos ou com campo de largura 0 a levaria a ler e copiar fora dos limites, e um nome de campo
// esquisito não tem lugar numa tabela do sistema; dois campos de mesmo nome (sem olhar a caixa) fariam
// a conferência de tipos ler um e o motor o outro. O resto do cabeçalho a shapelib confere. Devolve a
// contagem de registros do cabeçalho inteira: a shapelib ignora o bit mais alto dela.
std::uint32_t ConfereCampos(const std::string& caminho, const std::string& nomeMostrado) {
    std::FILE* arquivo = std::fopen(caminho.c_str(), "rb");
    if (arquivo == nullptr)
        return 0; // a abertura pela shapelib dá a mensagem certa
    unsigned char inicio[32];
    std::vector<unsigned char> descritores;
    bool completo = std::fread(inicio, 1, sizeof inicio, arquivo) == sizeof inicio;
    if (completo) {
        const std::size_t tamanhoCabecalho = inicio[8] | (inicio[9] << 8);
        descritores.resize(tamanhoCabecalho > 32 ? tamanhoCabecalho - 32 : 0);
        completo = std::fread(descritores.data(), 1, descritores.size(), arquivo) == descritores.size();
    }
    std::fclose(arquivo);
    if (!completo)
        return 0; // truncado: a shapelib recusa
    std::vector<std::string> nomes;
    for (std::size_t d = 0; d + 32 <= descritores.size() && descritores[d] != 0x0D; d += 32) {
        const unsigned char* descritor = descritores.data() + d;
        const std::string nome(reinterpret_cast<const char*>(descritor),
                               strnlen(reinterpret_cast<const char*>(descritor), 11));
        if (!NomeDeCampoValido(nome))
            throw Falha("A tabela " + nomeMostrado + " tem um campo de nome inv\xe1lido ('" + nome +
                        "'): s\xf3 letras, algarismos e _, at\xe9 10 caracteres.");
        const int largura = descritor[16] + (descritor[11] == 'C' ? descritor[17] * 256 : 0);
        if (largura == 0)
            throw Falha("A tabela " + nomeMostrado + " tem o campo " + nome + " com largura 0.");
        for (const std::string& anterior : nomes)
            if (::strcasecmp(anterior.c_str(), nome.c_str()) == 0)
                throw Falha("A tabela " + nomeMostrado + " tem a coluna " + nome + " repetida.");
        nomes.push_back(nome);
    }
    if (nomes.empty())
        throw Falha("A tabela " + nomeMostrado + " n\xe3o tem nenhum campo.");
    return static_cast<std::uint32_t>(inicio[4] | inicio[5] << 8 | inicio[6] << 16) |
           static_cast<std::uint32_t>(inicio[7]) << 24;
}

} // namespace

bool EhCampoNumerico(const Campo& campo) {
    return campo.tipo == 'N' || campo.tipo == 'F';
}

LeitorDbf::LeitorDbf(const std::string& caminho) : caminho_(ResolveCaminho(caminho)) {
    const std::uint32_t contagem = ConfereCampos(caminho_, caminho);
    SAHooks ganchos = GanchosShapelib();
    ultimoErroShapelib.clear();
    DBFHandle dbf = DBFOpenLL(caminho_.c_str(), "rb", &ganchos);
    if (dbf == nullptr)
        throw Falha(ArquivoExiste(caminho_) ? "O arquivo " + caminho + " n\xe3o \xe9 uma tabela dBase v\xe1lida."
                                            : "Tabela n\xe3o encontrada: " + caminho);
    // Um arquivo cortado no meio de um registro é recusado já na abertura, antes de qualquer leitura;
    // um campo que passa do fim do registro também.
    // A contagem vem do cabeçalho inteira: com o bit mais alto ligado ela passa do tamanho de qualquer
    // arquivo (a shapelib leria a tabela como vazia).
    const std::int64_t esperado =
        static_cast<std::int64_t>(dbf->nHeaderLength) + static_cast<std::int64_t>(contagem) * dbf->nRecordLength;
    bool inteira = contagem == static_cast<std::uint32_t>(dbf->nRecords) && dbf->nRecordLength > 0 &&
                   TamanhoArquivo(caminho_) >= esperado;
    for (int i = 0; inteira && i < DBFGetFieldCount(dbf); ++i) {
        char nome[XBASE_FLDNAME_LEN_READ + 1] = {};
        Campo campo;
        DBFGetFieldInfo(dbf, i, nome, &campo.largura, &campo.decimais);
        campo.nome = nome;
        campo.tipo = DBFGetNativeFieldType(dbf, i);
        inteira = dbf->panFieldOffset[i] >= 1 && dbf->panFieldSize[i] >= 0 &&
                  dbf->panFieldOffset[i] + dbf->panFieldSize[i] <= dbf->nRecordLength;
        campos_.push_back(campo);
        deslocamentos_.push_back(dbf->panFieldOffset[i]);
    }
    driverIdioma_ = dbf->iLanguageDriver;
    registros_ = dbf->nRecords;
    tamanhoRegistro_ = dbf->nRecordLength;
    const long inicioRegistros = static_cast<long>(dbf->nHeaderLength);
    DBFClose(dbf);
    if (!inteira)
        throw Falha("A tabela " + caminho + " est\xe1 truncada ou danificada.");
    arquivo_ = std::fopen(caminho_.c_str(), "rb");
    std::vector<char> cabecalho(static_cast<std::size_t>(inicioRegistros));
    if (arquivo_ == nullptr || std::fread(cabecalho.data(), 1, cabecalho.size(), arquivo_) != cabecalho.size()) {
        const int erro = errno ? errno : EIO;
        if (arquivo_ != nullptr)
            std::fclose(arquivo_);
        throw Falha("Erro ao ler a tabela " + caminho_ + ": " + MotivoDoErro(erro));
    }
    impressao_.Acrescenta(cabecalho.data(), cabecalho.size());
    // Uma tabela pequena não precisa de um bloco inteiro (as bases extras e os modelos vazios são lidos
    // a cada rodada).
    const std::size_t porBloco =
        std::clamp<std::size_t>(static_cast<std::size_t>(registros_), 1,
                                std::max<std::size_t>(1, TamanhoBloco / static_cast<std::size_t>(tamanhoRegistro_)));
    bloco_.resize(porBloco * static_cast<std::size_t>(tamanhoRegistro_));
}

LeitorDbf::~LeitorDbf() {
    std::fclose(arquivo_);
}

bool LeitorDbf::Proximo(std::vector<Celula>& registro) {
    const auto tamanho = static_cast<std::size_t>(tamanhoRegistro_);
    for (;;) {
        if (noBloco_ == doBloco_) {
            if (proximo_ >= registros_)
                return false;
            const std::size_t pedidos =
                std::min(bloco_.size() / tamanho, static_cast<std::size_t>(registros_ - proximo_));
            if (std::fread(bloco_.data(), tamanho, pedidos, arquivo_) != pedidos)
                throw Falha("Erro ao ler a tabela " + caminho_ + ": " + MotivoDoErro(errno ? errno : EIO));
            impressao_.Acrescenta(bloco_.data(), pedidos * tamanho);
            proximo_ += static_cast<int>(pedidos);
            doBloco_ = pedidos;
            noBloco_ = 0;
        }
        const char* bruto = bloco_.data() + noBloco_++ * tamanho;
        if (bruto[0] == '*')
            continue; // registro apagado
        registro.resize(campos_.size());
        for (std::size_t i = 0; i < campos_.size(); ++i)
            registro[i] = LeCampo(
                campos_[i], std::string_view(bruto + deslocamentos_[i], static_cast<std::size_t>(campos_[i].largura)),
                caminho_);
        return true;
    }
}

std::uint64_t ImpressaoDbf(const std::string& caminho) {
    std::FILE* arquivo = std::fopen(ResolveCaminho(caminho).c_str(), "rb");
    if (arquivo == nullptr)
        return 0;
    // Os mesmos bytes que o leitor vê: o cabeçalho e os registros que ele declara.
    std::vector<char> bloco(TamanhoBloco);
    ImpressaoDigital impressao;
    const std::size_t inicio = std::fread(bloco.data(), 1, 12, arquivo);
    std::uint64_t faltam = 0;
    if (inicio == 12) {
        const auto byte = [&bloco](int i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(bloco[i])); };
        faltam = (byte(8) | byte(9) << 8) +
                 (byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24) * (byte(10) | byte(11) << 8);
        faltam = faltam > 12 ? faltam - 12 : 0;
    }
    impressao.Acrescenta(bloco.data(), inicio);
    while (faltam > 0) {
        const std::size_t lidos = std::fread(
            bloco.data(), 1, static_cast<std::size_t>(std::min<std::uint64_t>(faltam, bloco.size())), arquivo);
        if (lidos == 0)
            break;
        impressao.Acrescenta(bloco.data(), lidos);
        faltam -= lidos;
    }
    std::fclose(arquivo);
    return impressao.Valor();
}
