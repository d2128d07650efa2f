#include "ArquivoDbf.h"

#include "ArquivoComBuffer.h"
#include "Arquivos.h"
#include "ComandoSql.h"
#include "Falha.h"
#include "Temporarios.h"
#include "Texto.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <shapefil.h>
#include <unistd.h>

namespace {

// A shapelib avisa erros por um gancho; guardamos a última mensagem para a Falha.
thread_local std::string ultimoErroShapelib;

void GuardaErro(const char* mensagem) {
    ultimoErroShapelib = mensagem ? mensagem : "";
}

SAHooks GanchosShapelib() {
    SAHooks ganchos = GanchosComBuffer();
    ganchos.Error = GuardaErro;
    return ganchos;
}

std::string SemBrancosFinais(std::string_view bruto) {
    std::size_t fim = bruto.size();
    while (fim > 0 && (bruto[fim - 1] == ' ' || bruto[fim - 1] == '\0'))
        --fim;
    return std::string(bruto.substr(0, fim));
}

Valor LeCampo(const Campo& campo, std::string_view bruto, const std::string& caminho) {
    Valor valor;
    if (campo.tipo != 'N' && campo.tipo != 'F') {
        // Só os brancos finais saem: um código de situação " 1" guarda seu branco inicial.
        valor.texto = SemBrancosFinais(bruto);
        valor.tipo = valor.texto.empty() ? Valor::Tipo::Nulo : Valor::Tipo::Texto;
        return valor;
    }
    std::size_t inicio = 0, fim = bruto.size();
    while (inicio < fim && (bruto[inicio] == ' ' || bruto[inicio] == '\0'))
        ++inicio;
    while (fim > inicio && (bruto[fim - 1] == ' ' || bruto[fim - 1] == '\0'))
        --fim;
    const std::string_view numero = bruto.substr(inicio, fim - inicio);
    if (numero.empty() || numero.find_first_not_of('*') == std::string_view::npos)
        return valor;
    const char* primeiro = numero.data();
    const char* ultimo = numero.data() + numero.size();
    std::int64_t inteiro = 0;
    if (auto [fimLido, erro] = std::from_chars(primeiro + (*primeiro == '+'), ultimo, inteiro);
        erro == std::errc() && fimLido == ultimo) {
        valor.tipo = Valor::Tipo::Inteiro;
        valor.inteiro = inteiro;
        return valor;
    }
    double real = 0;
    if (auto [fimLido, erro] = std::from_chars(primeiro + (*primeiro == '+'), ultimo, real);
        erro == std::errc() && fimLido == ultimo) {
        valor.tipo = Valor::Tipo::Real;
        valor.real = real;
        return valor;
    }
    throw Falha("O campo " + campo.nome + " da tabela " + caminho + " guarda um valor que n\xe3o \xe9 n\xfamero: '" +
                std::string(numero) + "'");
}

std::string FormataNumero(const Campo& campo, const Valor& valor) {
    char texto[64];
    if (valor.tipo == Valor::Tipo::Real)
        std::snprintf(texto, sizeof texto, "%.*f", campo.decimais, valor.real);
    else if (campo.decimais > 0)
        std::snprintf(texto, sizeof texto, "%lld.%0*d", static_cast<long long>(valor.inteiro), campo.decimais, 0);
    else
        std::snprintf(texto, sizeof texto, "%lld", static_cast<long long>(valor.inteiro));
    return texto;
}

// Confere os descritores de campo do cabeçalho antes de a shapelib ver o arquivo: uma tabela sem
// campos ou com campo de largura 0 a levaria a ler e copiar fora dos limites, e um nome de campo
// esquisito iria parar num comando SQL. O resto do cabeçalho a shapelib confere.
void ConfereCampos(const std::string& caminho, const std::string& nomeMostrado) {
    std::FILE* arquivo = std::fopen(caminho.c_str(), "rb");
    if (arquivo == nullptr)
        return; // a abertura pela shapelib dá a mensagem certa
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
        return; // truncado: a shapelib recusa
    int campos = 0;
    for (std::size_t d = 0; d + 32 <= descritores.size() && descritores[d] != 0x0D; d += 32, ++campos) {
        const unsigned char* descritor = descritores.data() + d;
        const std::string nome(reinterpret_cast<const char*>(descritor),
                               strnlen(reinterpret_cast<const char*>(descritor), 11));
        if (!NomeDeCampoValido(nome))
            throw Falha("A tabela " + nomeMostrado + " tem um campo de nome inv\xe1lido ('" + nome +
                        "'): s\xf3 letras, algarismos e _, at\xe9 10 caracteres.");
        const int largura = descritor[16] + (descritor[11] == 'C' ? descritor[17] * 256 : 0);
        if (largura == 0)
            throw Falha("A tabela " + nomeMostrado + " tem o campo " + nome + " com largura 0.");
    }
    if (campos == 0)
        throw Falha("A tabela " + nomeMostrado + " n\xe3o tem nenhum campo.");
}

} // namespace

struct LeitorDbf::Dados {
    DBFHandle arquivo = nullptr;
    std::string caminho;
    int proximo = 0;
};

LeitorDbf::LeitorDbf(const std::string& caminho) : dados_(new Dados) {
    dados_->caminho = ResolveCaminho(caminho);
    try {
        ConfereCampos(dados_->caminho, caminho);
    } catch (...) {
        delete dados_;
        throw;
    }
    SAHooks ganchos = GanchosShapelib();
    ultimoErroShapelib.clear();
    dados_->arquivo = DBFOpenLL(dados_->caminho.c_str(), "rb", &ganchos);
    if (dados_->arquivo == nullptr) {
        const bool existe = ArquivoExiste(dados_->caminho);
        delete dados_;
        throw Falha(existe ? "O arquivo " + caminho + " n\xe3o \xe9 uma tabela dBase v\xe1lida."
                           : "Tabela n\xe3o encontrada: " + caminho);
    }
    DBFHandle dbf = dados_->arquivo;
    // Um arquivo cortado no meio de um registro é recusado já na abertura, antes de qualquer leitura.
    const std::int64_t esperado =
        static_cast<std::int64_t>(dbf->nHeaderLength) + static_cast<std::int64_t>(dbf->nRecords) * dbf->nRecordLength;
    if (dbf->nRecords < 0 || dbf->nRecordLength <= 0 || TamanhoArquivo(dados_->caminho) < esperado) {
        DBFClose(dbf);
        delete dados_;
        throw Falha("A tabela " + caminho + " est\xe1 truncada ou danificada.");
    }
    for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
        char nome[XBASE_FLDNAME_LEN_READ + 1] = {};
        Campo campo;
        DBFGetFieldInfo(dbf, i, nome, &campo.largura, &campo.decimais);
        campo.nome = nome;
        campo.tipo = DBFGetNativeFieldType(dbf, i);
        campos_.push_back(campo);
    }
    driverIdioma_ = dbf->iLanguageDriver;
}

LeitorDbf::~LeitorDbf() {
    DBFClose(dados_->arquivo);
    delete dados_;
}

bool LeitorDbf::Proximo(std::vector<Valor>& registro) {
    DBFHandle dbf = dados_->arquivo;
    while (dados_->proximo < dbf->nRecords) {
        const int indice = dados_->proximo++;
        const char* bruto = DBFReadTuple(dbf, indice);
        if (bruto == nullptr)
            throw Falha("Erro ao ler a tabela " + dados_->caminho + ": " + ultimoErroShapelib);
        if (bruto[0] == '*')
            continue; // registro apagado
        registro.resize(campos_.size());
        for (std::size_t i = 0; i < campos_.size(); ++i)
            registro[i] = LeCampo(
                campos_[i],
                std::string_view(bruto + dbf->panFieldOffset[i], static_cast<std::size_t>(dbf->panFieldSize[i])),
                dados_->caminho);
        return true;
    }
    return false;
}

ConteudoDbf LeDbf(const std::string& caminho) {
    LeitorDbf leitor(caminho);
    ConteudoDbf conteudo;
    conteudo.campos = leitor.Campos();
    conteudo.driverIdioma = leitor.DriverIdioma();
    std::vector<Valor> registro;
    while (leitor.Proximo(registro))
        conteudo.registros.push_back(registro);
    return conteudo;
}

struct EscritorDbf::Dados {
    DBFHandle arquivo = nullptr;
    std::string caminho;
    std::string temporario;
    std::vector<Campo> campos;
    std::string bruto;
    int registros = 0;
};

EscritorDbf::EscritorDbf(const std::string& caminho, const std::vector<Campo>& campos, int driverIdioma)
    : dados_(new Dados) {
    dados_->caminho = caminho;
    dados_->campos = campos;
    // O nome temporário termina em ".dbf" minúsculo: a shapelib troca qualquer outra extensão.
    dados_->temporario = CaminhoTemporario(caminho, "dbf");
    SAHooks ganchos = GanchosShapelib();
    const std::string paginaCodigo = "LDID/" + std::to_string(driverIdioma);
    dados_->arquivo = DBFCreateLL(dados_->temporario.c_str(), paginaCodigo.c_str(), &ganchos);
    if (dados_->arquivo == nullptr) {
        delete dados_;
        throw Falha("N\xe3o foi poss\xedvel gravar a tabela " + caminho + ": " + MotivoDoErro(errno));
    }
    for (const Campo& campo : campos)
        if (DBFAddNativeFieldType(dados_->arquivo, campo.nome.c_str(), campo.tipo, campo.largura, campo.decimais) < 0) {
            DBFClose(dados_->arquivo);
            ::unlink(dados_->temporario.c_str());
            delete dados_;
            throw Falha("Campo inv\xe1lido na tabela " + caminho + ": " + campo.nome);
        }
    std::time_t agora = std::time(nullptr);
    std::tm data{};
    localtime_r(&agora, &data);
    DBFSetLastModifiedDate(dados_->arquivo, data.tm_year, data.tm_mon + 1, data.tm_mday);
    dados_->bruto.assign(static_cast<std::size_t>(dados_->arquivo->nRecordLength), ' ');
}

EscritorDbf::~EscritorDbf() {
    if (dados_->arquivo != nullptr) {
        DBFClose(dados_->arquivo);
        ::unlink(dados_->temporario.c_str());
    }
    delete dados_;
}

void EscritorDbf::Escreve(const std::vector<Valor>& registro) {
    DBFHandle dbf = dados_->arquivo;
    std::string& bruto = dados_->bruto;
    std::fill(bruto.begin(), bruto.end(), ' ');
    for (std::size_t i = 0; i < dados_->campos.size() && i < registro.size(); ++i) {
        const Campo& campo = dados_->campos[i];
        const Valor& valor = registro[i];
        if (valor.tipo == Valor::Tipo::Nulo)
            continue;
        const auto largura = static_cast<std::size_t>(campo.largura);
        char* destino = bruto.data() + dbf->panFieldOffset[i];
        if (campo.tipo == 'N' || campo.tipo == 'F') {
            const std::string texto = FormataNumero(campo, valor);
            if (texto.size() > largura)
                throw Falha("O valor " + texto + " n\xe3o cabe no campo " + campo.nome + " da tabela " +
                            dados_->caminho + ".");
            std::memcpy(destino + largura - texto.size(), texto.data(), texto.size());
        } else {
            const std::string texto = valor.tipo == Valor::Tipo::Texto
                                          ? valor.texto
                                          : (valor.tipo == Valor::Tipo::Inteiro ? std::to_string(valor.inteiro)
                                                                                : FormataNumero(campo, valor));
            std::memcpy(destino, texto.data(), std::min(largura, texto.size()));
        }
    }
    if (!DBFWriteTuple(dbf, dados_->registros, bruto.data()))
        throw Falha("Erro ao gravar a tabela " + dados_->caminho + ": " + ultimoErroShapelib);
    ++dados_->registros;
}

void EscritorDbf::Conclui() {
    const std::int64_t esperado = static_cast<std::int64_t>(dados_->arquivo->nHeaderLength) +
                                  static_cast<std::int64_t>(dados_->registros) * dados_->arquivo->nRecordLength;
    DBFClose(dados_->arquivo);
    dados_->arquivo = nullptr;
    try {
        // A shapelib não conta erros de escrita adiada (disco cheio): o tamanho final denuncia.
        if (TamanhoArquivo(dados_->temporario) < esperado)
            throw Falha("N\xe3o foi poss\xedvel gravar a tabela " + dados_->caminho + " (disco cheio?).");
        Renomeia(dados_->temporario, dados_->caminho);
    } catch (...) {
        ::unlink(dados_->temporario.c_str());
        throw;
    }
}

void GravaDbf(const std::string& caminho, const ConteudoDbf& conteudo) {
    EscritorDbf escritor(caminho, conteudo.campos, conteudo.driverIdioma);
    for (const auto& registro : conteudo.registros)
        escritor.Escreve(registro);
    escritor.Conclui();
}
