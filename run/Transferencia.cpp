// A tradução: cada mudança, na ordem de UF, data e situações, passa população do doador ao receptor
// e deixa uma linha no log de transferências.
#include "Processamento.h"

#include "AreaTrabalho.h"
#include "ArquivoSaida.h"
#include "ConversaoValor.h"
#include "Falha.h"
#include "Operacoes.h"
#include "Texto.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

bool CabeEm32Bits(long double valor) {
    return valor >= std::numeric_limits<std::int32_t>::min() && valor <= std::numeric_limits<std::int32_t>::max();
}

// Uma atualização que sai da faixa de 32 bits para a rodada em vez de dar a volta.
std::int32_t Soma(std::int64_t valor, std::int64_t parcela, const char* campo, std::int32_t uf,
                  std::int32_t municipio) {
    const std::int64_t soma = valor + parcela;
    if (!CabeEm32Bits(static_cast<long double>(soma)))
        throw Falha(std::string(campo) + " do munic\xedpio " + TextoInteiro(municipio) + " da UF " + TextoInteiro(uf) +
                    " sairia da faixa de inteiros de 32 bits (" + TextoInteiro(soma) + ")");
    return static_cast<std::int32_t>(soma);
}

// Soma ao registro corrente as duas parcelas e posta.
void AtualizaPopulacoes(Tabela& tabela, std::int64_t parcela1, std::int64_t parcela2, std::int32_t uf,
                        std::int32_t municipio) {
    const std::int32_t pop1 = Soma(tabela.Inteiro("POP1"), parcela1, "POP1", uf, municipio);
    const std::int32_t pop2 = Soma(tabela.Inteiro("POP2"), parcela2, "POP2", uf, municipio);
    tabela.Edita();
    tabela.DefineInteiro("POP1", pop1);
    tabela.DefineInteiro("POP2", pop2);
    tabela.Posta();
}

// As colunas da mudança, achadas uma vez.
struct LeituraDaMudanca {
    explicit LeituraDaMudanca(const TabelaCarregada& traducao)
        : tabela(traducao), uf(Coluna("CD_UF")), doador(Coluna("CD_MUND")), receptor(Coluna("CD_MUNR")),
          pop(Coluna("POP")), excecao(Coluna("EXCECAO")) {}
    int Coluna(const char* nome) const {
        const int coluna = tabela.Dados().Indice(nome);
        if (coluna < 0)
            throw Falha(std::string("Campo n\xe3o encontrado na tabela de tradu\xe7\xe3o: ") + nome);
        return coluna;
    }
    std::int32_t Inteiro(int registro, int coluna, const char* nome) const {
        return InteiroDaCelula(tabela.Dados().Le(registro, coluna), nome);
    }
    const TabelaCarregada& tabela;
    int uf, doador, receptor, pop, excecao;
};

} // namespace

void Processamento::Transfere() {
    Tabela& final = dados_.T_BF_DESC;
    const char separador = ajustes_.regional.separadorDecimal;
    // Era: select * from morvisan order by CD_UF,DATA,SIT_DOA,SIT_REC;
    const TabelaCarregada& traducao = dados_.T_BT_DESC.Carregada();
    const std::vector<int> ordem = OrdemEstavel(traducao, {"CD_UF", "DATA", "SIT_DOA", "SIT_REC"});
    final.Primeiro();

    const std::string destinoLog = ajustes_.Pasta + "/" + AreaTrabalho::ArquivoLog;
    ArquivoSaida log(saidas_.Temporario(destinoLog), destinoLog);
    log.EscreveLinha("UF;MUN_D;POP1;POP_MOVER;PROPORCAO;POP2;VPROPORCAO;POP_DOADOR;MUN_R;POP_RECEPTOR");
    painel_.DefineFaixaProgresso(0, static_cast<int>(ordem.size()));
    // CarregaBF incluiu todo receptor; não achá-lo seria mexer no registro errado em silêncio.
    auto localizaReceptor = [&final](std::int32_t uf, std::int32_t receptor) {
        if (!final.Localiza("CD_UF;CD_MUN", {uf, receptor}))
            throw Falha("Receptor " + TextoInteiro(receptor) + " da UF " + TextoInteiro(uf) + " ausente da base final");
    };

    const LeituraDaMudanca mudanca(traducao);
    long long lidas = 0;
    for (const int registro : ordem) {
        if (++lidas % LoteCancelamento == 0)
            painel_.ConfereCancelamento();
        const std::int32_t uf = mudanca.Inteiro(registro, mudanca.uf, "CD_UF");
        const std::int32_t doador = mudanca.Inteiro(registro, mudanca.doador, "CD_MUND");
        const std::int32_t receptor = mudanca.Inteiro(registro, mudanca.receptor, "CD_MUNR");
        const std::int32_t mover = mudanca.Inteiro(registro, mudanca.pop, "POP");
        if (!ajustes_.IgnoraEx && TextoDaCelula(traducao.Dados().Le(registro, mudanca.excecao)) == "*")
            continue;
        std::string linha = TextoInteiro(uf) + ";" + TextoInteiro(doador);

        if (!final.Localiza("CD_UF;CD_MUN", {uf, doador})) {
            // Sem doador não há de onde tirar: nada muda, nem no receptor, e a linha fica sem as
            // colunas do doador.
            localizaReceptor(uf, receptor);
            log.EscreveLinha(linha + ";;" + TextoInteiro(mover) + ";;;;;" + TextoInteiro(receptor) + ";" +
                             TextoInteiro(final.Inteiro("POP2")));
            continue;
        }
        const std::int32_t pop1 = final.Inteiro("POP1");
        const std::int32_t pop2 = final.Inteiro("POP2");
        double proporcao = 0;
        std::int32_t vproporcao = 0;
        if (pop1 != 0) {
            // O produto em 64 bits não dá a volta; a parte de POP2 sai em precisão estendida e é
            // arredondada para o par mais próximo (o modo padrão de nearbyintl).
            proporcao = static_cast<double>(static_cast<std::int64_t>(mover) * 100) / pop1;
            const long double parte = std::nearbyintl(static_cast<long double>(pop2) * proporcao / 100);
            if (!CabeEm32Bits(parte))
                throw Falha("VPROPORCAO do munic\xedpio " + TextoInteiro(doador) + " da UF " + TextoInteiro(uf) +
                            " sairia da faixa de inteiros de 32 bits");
            vproporcao = static_cast<std::int32_t>(parte);
        }
        linha += ";" + TextoInteiro(pop1) + ";" + TextoInteiro(mover) + ";" + FormatoGeral(proporcao, separador) + ";" +
                 TextoInteiro(pop2) + ";" + TextoInteiro(vproporcao);

        AtualizaPopulacoes(final, -static_cast<std::int64_t>(mover), -static_cast<std::int64_t>(vproporcao), uf,
                           doador);
        linha += ";" + TextoInteiro(final.Inteiro("POP2"));

        localizaReceptor(uf, receptor);
        AtualizaPopulacoes(final, mover, vproporcao, uf, receptor);
        linha += ";" + TextoInteiro(receptor) + ";" + TextoInteiro(final.Inteiro("POP2"));
        log.EscreveLinha(linha);
    }
    log.Fecha();
}
