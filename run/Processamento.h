#pragma once
// A rodada de tradução: da cópia dos modelos à verificação do resultado, na ordem fixa dos passos.
// Os passos leem os ajustes e os objetos de dados da janela principal e falam com a janela de
// processamento só pelo PainelProc.
#include "Ajustes.h"
#include "Aviso.h"
#include "Dados.h"
#include "PainelProc.h"
#include "SaidasDaRodada.h"
#include "TravaPasta.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Processamento {
public:
    Processamento(Ajustes& ajustes, Dados& dados, PainelProc& painel);
    Processamento(const Processamento&) = delete;
    Processamento& operator=(const Processamento&) = delete;

    // A rodada inteira. Uma falha que nenhum passo trata sai daqui como exceção (caixa geral de erro).
    void FormActivate();

    // Copiando, Abrindo e Fechando mostram a própria caixa de erro e voltam normalmente.
    void Copiando();
    void Abrindo();
    void CarregaBO();
    void CarregaBT();
    void CarregaBF();
    void Transfere();
    void Grava();
    void EstResult();
    void Fechando();

    // Os avisos da rodada na ordem de Morvisan.Avisos: os da leitura da base original, os da base de
    // tradução, depois os dos registros que as bases extras deixaram de fora ou repetiram.
    std::vector<Aviso> Avisos() const;
    // Depois de EstResult: o memo diz "Sucesso total!"; a contagem final fecha (sem " (erro)").
    bool SucessoTotal() const { return sucessoTotal_; }
    bool ContagemFecha() const;
    // A rodada parou em Copiando ou Abrindo, depois da caixa do passo.
    bool Parou() const { return parou_; }
    // O último Fechando não conseguiu gravar ou fechar alguma tabela.
    bool FalhouAoFechar() const { return falhouAoFechar_; }

private:
    // Os passos da rodada depois da trava, na ordem fixa.
    void Passos();
    struct RegistroOriginal {
        std::int32_t uf;
        std::int32_t municipio;
        long long linha;
    };
    struct Populacao {
        std::int64_t pop1 = 0;
        std::int64_t pop2 = 0;
        bool operator==(const Populacao&) const = default;
    };
    // Registro da base original sem sigla ou nome numa base extra ativa (fica fora do resultado) ou
    // com mais de um (entra repetido).
    void ProcuraAvisosDeRegistro();
    // Linhas do memo das populações negativas na base final; diz se havia alguma.
    bool RelataNegativas(std::int64_t reais, std::int64_t projetadas);
    // Morvisan.Avisos na pasta do resultado: cabeçalho e um aviso por linha.
    void GravaAvisos();
    // Linhas do memo depois das seis contagens: avisos dos registros, balanço, avisos da leitura.
    void RelataAvisosEBalanco(const Populacao& depois);

    Ajustes& ajustes_;
    Dados& dados_;
    PainelProc& painel_;
    std::vector<Aviso> avisosBO_;
    std::vector<Aviso> avisosBT_;
    std::vector<Aviso> avisosRegistro_;
    std::vector<RegistroOriginal> registrosBO_;
    Populacao populacaoAntes_;
    bool sucessoTotal_ = false;
    bool parou_ = false;
    bool falhouAoFechar_ = false;
    std::optional<TravaPasta> trava_;
    SaidasDaRodada saidas_;
};
