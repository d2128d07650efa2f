#include "Motor.h"

#include "Arquivos.h"
#include "Falha.h"

namespace {

// Só vale guardar o que custa reler; duas tabelas bastam (a base de nomes e a de siglas).
constexpr std::int64_t TamanhoQueSeGuarda = 1 << 20;
constexpr std::size_t MaximoGuardadas = 2;

} // namespace

Motor::EmUso Motor::Carrega(const std::string& caminho) {
    EmUso carga;
    // Um arquivo que não existe fica com tamanho 0: a leitura abaixo diz a falha certa.
    carga.tamanho = ArquivoExiste(caminho) ? TamanhoArquivo(caminho) : 0;
    if (carga.tamanho >= TamanhoQueSeGuarda) {
        bool candidata = false;
        for (const Guardada& guardada : guardadas_)
            candidata = candidata || guardada.tamanho == carga.tamanho;
        if (candidata) {
            carga.impressao = ImpressaoDbf(caminho);
            for (auto guardada = guardadas_.begin(); guardada != guardadas_.end(); ++guardada)
                if (guardada->tamanho == carga.tamanho && guardada->impressao == carga.impressao) {
                    carga.tabela = std::move(guardada->tabela);
                    carga.tabela->MudaCaminho(caminho);
                    guardadas_.erase(guardada);
                    return carga;
                }
        }
    }
    LeitorDbf leitor(caminho);
    Registros registros(leitor.Campos());
    std::vector<Celula> registro;
    while (leitor.Proximo(registro))
        registros.Acrescenta(registro);
    carga.impressao = leitor.ImpressaoLida();
    carga.tabela = std::make_unique<TabelaCarregada>(caminho, std::move(registros), leitor.DriverIdioma());
    return carga;
}

TabelaCarregada& Motor::Usa(const std::string& caminho) {
    auto achada = carregadas_.find(caminho);
    if (achada == carregadas_.end())
        achada = carregadas_.emplace(caminho, Carrega(caminho)).first;
    ++achada->second.usuarios;
    return *achada->second.tabela;
}

void Motor::Grava(TabelaCarregada& tabela) {
    if (!tabela.Alterada())
        return;
    const Registros& dados = tabela.Dados();
    EscritorDbf escritor(tabela.Caminho(), dados.Campos(), tabela.DriverIdioma());
    std::vector<Celula> registro(static_cast<std::size_t>(dados.NumeroCampos()));
    for (int r = 0; r < dados.Quantos(); ++r) {
        for (int c = 0; c < dados.NumeroCampos(); ++c)
            registro[static_cast<std::size_t>(c)] = dados.Le(r, c);
        escritor.Escreve(registro.data());
    }
    escritor.Conclui();
    tabela.MarcaGravada();
}

void Motor::Larga(TabelaCarregada& tabela) {
    const auto emUso = carregadas_.find(tabela.Caminho());
    if (emUso == carregadas_.end() || --emUso->second.usuarios > 0)
        return;
    // Mesmo que a gravação falhe a tabela sai da memória: a próxima abertura relê o disco.
    try {
        Grava(tabela);
    } catch (...) {
        carregadas_.erase(emUso);
        throw;
    }
    Descarrega(emUso);
}

void Motor::Descarrega(std::map<std::string, EmUso>::iterator emUso) {
    EmUso& carga = emUso->second;
    // Só o que nunca mudou é igual ao arquivo cuja impressão foi tirada na carga.
    if (carga.tamanho >= TamanhoQueSeGuarda && !carga.tabela->MudouDesdeACarga() && carga.impressao != 0) {
        if (guardadas_.size() >= MaximoGuardadas)
            guardadas_.erase(guardadas_.begin());
        guardadas_.push_back({carga.tamanho, carga.impressao, std::move(carga.tabela)});
    }
    carregadas_.erase(emUso);
}
