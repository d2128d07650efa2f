// Verificação do resultado: as seis contagens, as negativas e as somas da base final, numa passada
// só, e o relatório no memo Obs.
#include "Processamento.h"

#include "ConversaoValor.h"
#include "Operacoes.h"
#include "Texto.h"

#include <algorithm>
#include <iterator>

namespace {

struct Checagem {
    const char* coluna;
    Valor constante;
    const char* texto;
    // Dica da causa; as checagens das bases extras trocam de dica quando a base não está ativa.
    const char* dica;
    bool Ajustes::*base;
    const char* dicaInativa;
};

const Checagem Checagens[] = {
    {"CD_UF",
     {Valor::Tipo::Inteiro, 0, 0, {}},
     " UF(s) zerada(s).",
     "-> problemas com o arquivo origem\r",
     nullptr,
     nullptr},
    {"CD_MUN",
     {Valor::Tipo::Inteiro, 0, 0, {}},
     " Munic\xedpio(s) zerado(s).",
     "-> problemas com o arquivo origem\r",
     nullptr,
     nullptr},
    {"POP1",
     {Valor::Tipo::Inteiro, 0, 0, {}},
     " Popula\xe7\xe3o(\xf5"
     "es) real(is) zerada(s).",
     "-> problemas com o arquivo origem\r",
     nullptr,
     nullptr},
    {"POP2",
     {Valor::Tipo::Inteiro, 0, 0, {}},
     " Popula\xe7\xe3o(\xf5"
     "es) projetada(s) zerada(s).",
     "-> problemas com o arquivo origem ou de tradu\xe7\xe3o\r",
     nullptr,
     nullptr},
    {"UF",
     {Valor::Tipo::Texto, 0, 0, "??"},
     " UF(s) nao encontrada(s).",
     "-> problemas com o arquivo origem ou de siglas das UFs\r",
     &Ajustes::base2,
     "-> falta definir o arquivo com as siglas das UFs\r"},
    {"MUN",
     {Valor::Tipo::Texto, 0, 0, "<nome inexistente>"},
     " Munic\xedpio(s) nao encontrado(s).",
     "-> problemas com o arquivo origem ou de nomes dos Munic\xedpios\r",
     &Ajustes::base1,
     "-> falta definir o arquivo com os nomes dos Munic\xedpios\r"},
};

} // namespace

void Processamento::EstResult() {
    painel_.LimpaObs();
    sucessoTotal_ = false;
    // Era: select count(*) as Zerados from Final where CD_UF = 0; (uma por checagem) e select
    // sum(POP1) as POP1, sum(POP2) as POP2 from Final; numa passada só.
    std::vector<Igualdade> igualdades;
    for (const Checagem& checagem : Checagens)
        igualdades.push_back({checagem.coluna, checagem.constante});
    const Totais totais = Totaliza(dados_.T_BF_DESC.Carregada(), igualdades, {"POP1", "POP2"});
    bool achou = false;
    for (std::size_t i = 0; i < std::size(Checagens); ++i) {
        const Checagem& checagem = Checagens[i];
        if (const auto zerados = static_cast<double>(totais.iguais[i]); zerados > 0) {
            const bool inativa = checagem.base != nullptr && !(ajustes_.*checagem.base);
            painel_.AcrescentaObs(FormatoGeral(zerados, ajustes_.regional.separadorDecimal) + checagem.texto + "\r");
            painel_.AcrescentaObs(inativa ? checagem.dicaInativa : checagem.dica);
            achou = true;
        }
    }
    achou = RelataNegativas(totais.negativos[0], totais.negativos[1]) || achou;
    // Sucesso só quando nada foi trocado, nada ficou de fora e nenhuma pessoa sumiu ou apareceu; as
    // notas da leitura não mudam número nenhum. Somas de inteiros de 32 bits cabem exatas no double
    // muito além de um bilhão de registros.
    const Populacao depois{static_cast<std::int64_t>(NumeroDaCelula(totais.somas[0])),
                           static_cast<std::int64_t>(NumeroDaCelula(totais.somas[1]))};
    sucessoTotal_ = !achou && Avisos::Achados(avisosBO_) == 0 && Avisos::Achados(avisosBT_) == 0 &&
                    avisosRegistro_.empty() && depois == populacaoAntes_ && ContagemFecha();
    if (sucessoTotal_)
        painel_.AcrescentaObs("Sucesso total!");
    RelataAvisosEBalanco(depois);
    painel_.DefineCorObs(sucessoTotal_ ? Cor::Azul : Cor::Vermelho);
}

bool Processamento::RelataNegativas(std::int64_t reais, std::int64_t projetadas) {
    const char* dica = "-> a base de tradu\xe7\xe3o tira do doador mais do que ele tem\r";
    if (reais > 0) {
        painel_.AcrescentaObs(TextoInteiro(reais) + " Popula\xe7\xe3o(\xf5"
                                                    "es) real(is) negativa(s).\r");
        painel_.AcrescentaObs(dica);
    }
    if (projetadas > 0) {
        painel_.AcrescentaObs(TextoInteiro(projetadas) + " Popula\xe7\xe3o(\xf5"
                                                         "es) projetada(s) negativa(s).\r");
        painel_.AcrescentaObs(dica);
    }
    return reais > 0 || projetadas > 0;
}

void Processamento::RelataAvisosEBalanco(const Populacao& depois) {
    const auto conta = [this](const std::string& tipo) {
        return std::count_if(avisosRegistro_.begin(), avisosRegistro_.end(),
                             [&tipo](const Aviso& aviso) { return aviso.aviso == tipo; });
    };
    if (const auto fora = conta(Avisos::ForaDoResultado)) {
        painel_.AcrescentaObs(TextoInteiro(fora) + " registro(s) da base original ficaram fora do resultado.");
        painel_.AcrescentaObs("-> c\xf3"
                              "digos sem nome ou sigla nas bases extras");
    }
    if (const auto repetidos = conta(Avisos::RepetidoNoResultado)) {
        painel_.AcrescentaObs(TextoInteiro(repetidos) +
                              " registro(s) da base original entraram repetidos no resultado.");
        painel_.AcrescentaObs("-> c\xf3"
                              "digos repetidos nas bases extras");
    }
    painel_.AcrescentaObs("POP1: " + TextoInteiro(populacaoAntes_.pop1) + " antes, " + TextoInteiro(depois.pop1) +
                          " depois");
    painel_.AcrescentaObs("POP2: " + TextoInteiro(populacaoAntes_.pop2) + " antes, " + TextoInteiro(depois.pop2) +
                          " depois");
    const std::size_t leitura = avisosBO_.size() + avisosBT_.size();
    const std::size_t achados = Avisos::Achados(avisosBO_) + Avisos::Achados(avisosBT_);
    if (achados > 0)
        painel_.AcrescentaObs(TextoInteiro(static_cast<std::int64_t>(achados)) +
                              " aviso(s) da leitura -> veja Morvisan.Avisos");
    if (leitura > achados)
        painel_.AcrescentaObs(TextoInteiro(static_cast<std::int64_t>(leitura - achados)) +
                              " nota(s) da leitura -> veja Morvisan.Avisos");
}
