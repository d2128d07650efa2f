#pragma once
// Objeto de tabela: um cursor sobre uma tabela .dbf carregada no motor.
#include "ArquivoDbf.h"
#include "Motor.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// O texto como um campo de texto o guarda: cortado na largura, sem os brancos finais; vazio é nulo. A
// célula aponta para `texto`.
Celula CelulaDeTexto(const Campo& campo, std::string_view texto);
// Falha "O valor N não cabe no campo X." quando o número, escrito com sinal e casas decimais, passa
// da largura do campo numérico.
void ConfereLargura(const Campo& campo, std::int64_t valor);

class Tabela {
public:
    explicit Tabela(Motor& motor);
    ~Tabela();
    Tabela(const Tabela&) = delete;
    Tabela& operator=(const Tabela&) = delete;

    // Pasta e nome do arquivo; só com a tabela fechada.
    void DefinePasta(const std::string& pasta);
    void DefineNome(const std::string& nome);
    // Abrir uma tabela aberta não faz nada.
    void Abre();
    // Fechar posta uma edição pendente com mudanças e escreve o arquivo; fechar uma tabela fechada falha.
    void Fecha();
    // Posta ou cancela a edição pendente e escreve no disco as mudanças da tabela.
    void Grava();
    bool Aberta() const { return tabela_ != nullptr; }
    // A tabela carregada, para as operações de Operacoes.h; posta antes a edição pendente.
    TabelaCarregada& Carregada();

    void Primeiro();
    void Proximo();
    void Anterior();
    void Ultimo();
    void VaiPara(int registro); // 1 a Registros()
    bool Fim() const { return fim_; }
    int Registros() const;
    int RegistroAtual() const { return atual_; } // 0 quando a tabela está vazia

    // Começa um registro novo, vazio, que Posta acrescenta.
    void Inclui();
    void Edita();
    void Posta();
    void Cancela();
    // Um registro novo no fim, já montado: um valor por campo na ordem da tabela (os que faltam são
    // nulos), gravados como em Registros::Acrescenta (nada muda quando um é recusado); o cursor vai
    // para ele. É o caminho das cargas, sem a edição campo a campo.
    void Acrescenta(const std::vector<Celula>& registro);

    void DefineInteiro(const std::string& campo, std::int32_t valor);
    void DefineTexto(const std::string& campo, const std::string& valor);
    std::int32_t Inteiro(const std::string& campo) const;
    std::string Texto(const std::string& campo) const;

    int NumeroCampos() const;
    const std::vector<Campo>& Campos() const;
    // Posição do campo pelo nome, sem olhar a caixa; Falha quando a tabela não o tem.
    int IndiceCampo(const std::string& campo) const;
    std::string NomeCampo(int posicao) const;
    std::string TextoCampo(int posicao) const;
    // Texto de um campo num registro qualquer, sem mexer no cursor (para a grade).
    std::string TextoCampoEm(int registro, int posicao) const;

    // Primeiro registro, na ordem da tabela, cujos campos-chave ("CD_UF;CD_MUN") valem os números
    // dados; sem achar, o cursor fica onde estava.
    bool Localiza(const std::string& chaves, std::initializer_list<std::int64_t> valores);

    const std::string& Pasta() const { return pasta_; }
    const std::string& Nome() const { return nome_; }

private:
    enum class Estado { Navegando, Editando, Incluindo };
    void ExigeAberta() const;
    // O valor do campo no registro corrente (ou na edição em curso).
    Celula ValorCorrente(int indice) const;
    Valor& ValorEditavel(const std::string& campo, int& indice);
    void PostaSeHouver();

    Motor& motor_;
    std::string pasta_;
    std::string nome_;
    TabelaCarregada* tabela_ = nullptr;
    Estado estado_ = Estado::Navegando;
    int atual_ = 0;
    bool fim_ = true;
    bool mudou_ = false;
    std::vector<Valor> edicao_;
    std::vector<bool> alterados_;
    std::vector<Celula> celulas_;
    // As colunas de cada lista de chaves já pedida a Localiza.
    std::map<std::string, std::vector<int>> chaves_;
};
