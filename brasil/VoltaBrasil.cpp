#include "VoltaBrasil.h"

#include "AreaTrabalho.h"
#include "ArquivoSaida.h"
#include "Falha.h"
#include "ImportacaoDivisao.h"
#include "LeitorEntrada.h"
#include "PreparacaoBrasil.h"
#include "SaidasDaRodada.h"
#include "Texto.h"

namespace {

const std::string Repartida = "popula\xe7\xe3o repartida entre doadores";

std::string TextoDevolucao(const Devolucao& d) {
    return "UF " + TextoInteiro(d.uf) + ", " + d.nomeExtinto + " (" + TextoInteiro(d.extinto) + ") -> " + d.nomeDoador +
           " (" + TextoInteiro(d.doador) + "): " + Repartida + " (POP1 " + TextoInteiro(d.movida[0]) + ", POP2 " +
           TextoInteiro(d.movida[1]) + ")";
}

// A linha do log no formato do da rodada: o extinto faz o papel do doador.
std::string LinhaLog(const Devolucao& d, char separadorDecimal) {
    const double proporcao =
        d.antes[0] != 0 ? static_cast<double>(d.movida[0]) * 100 / static_cast<double>(d.antes[0]) : 0;
    return TextoInteiro(d.uf) + ";" + TextoInteiro(d.extinto) + ";" + TextoInteiro(d.antes[0]) + ";" +
           TextoInteiro(d.movida[0]) + ";" + FormatoGeral(proporcao, separadorDecimal) + ";" +
           TextoInteiro(d.antes[1]) + ";" + TextoInteiro(d.movida[1]) + ";" + TextoInteiro(d.depois[1]) + ";" +
           TextoInteiro(d.doador) + ";" + TextoInteiro(d.doadorDepois[1]);
}

std::string Destino(const PedidoVolta& pedido, const std::string& arquivo) {
    return pedido.pasta + "/" + arquivo;
}

} // namespace

std::string ProblemaDosAnosVolta(int de, int ate, int ultimaMudanca) {
    if (std::string faixa = ProblemaDosAnos(std::min(de, ate), std::max(de, ate), ultimaMudanca); !faixa.empty())
        return faixa;
    if (ate >= de)
        return "O ano de destino (" + TextoInteiro(ate) + ") n\xe3o \xe9 anterior ao da divis\xe3o da base (" +
               TextoInteiro(de) + ").";
    return "";
}

bool VoltaSobreEntrada(const PedidoVolta& pedido) {
    return AreaTrabalho::SaidaSobreEntrada(pedido.pasta, pedido.nome, pedido.original,
                                           ArquivoMudancasBrasil(pedido.dirSistema));
}

Volta VoltaBaseBrasil(const PedidoVolta& pedido, const std::vector<MudancaBrasil>& tabela) {
    if (const std::string problema = ProblemaDosAnosVolta(pedido.de, pedido.ate, UltimoAnoBrasil(tabela));
        !problema.empty())
        throw Falha(problema);
    if (VoltaSobreEntrada(pedido))
        throw Falha("Voc\xea especificou o mesmo nome mais de uma vez.");
    Volta volta;
    const PopulacaoOriginal base = LePopulacaoOriginal(pedido.original, pedido.separadorDecimal, volta.avisosLeitura);
    const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(pedido.dirSistema));
    volta.conferencia = ConfereBase(divisoes, base.Codigos(), pedido.de, UltimoAnoAceito(UltimoAnoBrasil(tabela)));
    // Um código fora da divisão ou repetido não tem para onde voltar sem inventar ou perder gente.
    if (volta.conferencia.foraDaDivisao + volta.conferencia.repetidos > 0)
        throw Falha("A base \"" + pedido.original + "\" n\xe3o est\xe1 na divis\xe3o de 1\xba de janeiro de " +
                    TextoInteiro(pedido.de) + ". " + ResumoConferencia(volta.conferencia) +
                    " Nada foi gravado; veja os problemas com o comando conferir.");
    volta.agregacao = AgregaBase(tabela, base, pedido.de, pedido.ate);
    for (const Devolucao& d : volta.agregacao.devolucoes)
        if (d.repartida)
            volta.avisos.push_back(TextoDevolucao(d));

    SaidasDaRodada saidas;
    saidas.Reserva(pedido.pasta);
    const std::string destinoResultado = Destino(pedido, pedido.nome + ".CSV");
    ArquivoSaida resultado(saidas.Temporario(destinoResultado), destinoResultado);
    for (const MunicipioAgregado& m : volta.agregacao.municipios) {
        const MunicipioBrasil* naDivisao = divisoes.Municipio(m.uf, m.municipio, pedido.ate);
        const std::string sigla = SiglaDaUf(m.uf);
        resultado.EscreveLinha(TextoInteiro(m.uf) + ";" + (sigla.empty() ? "??" : sigla) + ";" +
                               TextoInteiro(m.municipio) + ";" + (naDivisao ? naDivisao->nome : "<nome inexistente>") +
                               ";" + TextoInteiro(m.pops[0]) + ";" + TextoInteiro(m.pops[1]));
    }
    resultado.Fecha();
    const std::string destinoLog = Destino(pedido, AreaTrabalho::ArquivoLog);
    ArquivoSaida log(saidas.Temporario(destinoLog), destinoLog);
    log.EscreveLinha("UF;MUN_D;POP1;POP_MOVER;PROPORCAO;POP2;VPROPORCAO;POP_DOADOR;MUN_R;POP_RECEPTOR");
    for (const Devolucao& d : volta.agregacao.devolucoes)
        log.EscreveLinha(LinhaLog(d, pedido.separadorDecimal));
    log.Fecha();
    const std::string destinoAvisos = Destino(pedido, AreaTrabalho::ArquivoAvisos);
    ArquivoSaida avisos(saidas.Temporario(destinoAvisos), destinoAvisos);
    avisos.EscreveLinha("ARQUIVO;LINHA;CAMPO;AVISO;TEXTO");
    for (const Aviso& aviso : volta.avisosLeitura)
        avisos.EscreveLinha(LinhaAvisos(aviso));
    const std::string nomeBase = NomeSemPasta(pedido.original);
    for (const ProblemaConferencia& p : volta.conferencia.problemas)
        avisos.EscreveLinha(nomeBase + ";;CD_MUN;ausente da base;" + p.texto);
    for (const std::string& texto : volta.avisos)
        avisos.EscreveLinha("mudancas-brasil.csv;;CD_MUN;" + Repartida + ";" + texto);
    avisos.Fecha();
    saidas.Publica();
    return volta;
}

bool VoltaComAvisos(const Volta& volta) {
    return !volta.avisos.empty() || !volta.conferencia.problemas.empty() || Avisos::Achados(volta.avisosLeitura) != 0;
}

std::string ResumoVolta(const PedidoVolta& pedido, const Volta& volta) {
    const Agregacao& a = volta.agregacao;
    std::string resumo = "Base da divis\xe3o de " + TextoInteiro(pedido.de) + " levada \xe0 de " +
                         TextoInteiro(pedido.ate) + " em \"" + Destino(pedido, pedido.nome + ".CSV") +
                         "\": " + TextoInteiro(static_cast<std::int64_t>(a.municipios.size())) + " munic\xedpio(s), " +
                         TextoInteiro(static_cast<std::int64_t>(a.devolucoes.size())) + " devolu\xe7\xe3o(\xf5" +
                         "es), " + TextoInteiro(a.repartidas) + " munic\xedpio(s) repartido(s) entre doadores.\n";
    if (!volta.conferencia.problemas.empty())
        resumo += ResumoConferencia(volta.conferencia) + "\n";
    if (const std::size_t achados = Avisos::Achados(volta.avisosLeitura))
        resumo += TextoInteiro(static_cast<std::int64_t>(achados)) + " aviso(s) da leitura -> veja " +
                  AreaTrabalho::ArquivoAvisos + "\n";
    resumo += TextoBalanco(a.antes, a.depois);
    return resumo;
}
