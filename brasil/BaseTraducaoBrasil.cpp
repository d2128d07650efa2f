#include "BaseTraducaoBrasil.h"

#include "ArquivoSaida.h"
#include "Arquivos.h"
#include "Falha.h"
#include "SaidasDaRodada.h"
#include "Texto.h"

#include <algorithm>
#include <filesystem>

std::string ArquivoAvisos(const std::string& saida) {
    return saida + ".avisos";
}

bool PreparacaoSobreEntrada(const PedidoPreparacao& pedido) {
    // Os nomes valem sem olhar a caixa, como na gravação.
    for (const std::string& saida : {pedido.saida, ArquivoAvisos(pedido.saida)})
        for (const std::string& entrada : {pedido.original, ArquivoMudancasBrasil(pedido.dirSistema)}) {
            std::error_code erro;
            if (saida == entrada || std::filesystem::equivalent(ResolveCaminho(saida), entrada, erro))
                return true;
        }
    return false;
}

Preparacao PreparaBaseBrasil(const PedidoPreparacao& pedido, const std::vector<MudancaBrasil>& tabela) {
    if (PreparacaoSobreEntrada(pedido))
        throw Falha("Voc\xea especificou o mesmo nome mais de uma vez.");
    std::vector<Aviso> avisosLeitura;
    const PopulacaoOriginal base = LePopulacaoOriginal(pedido.original, pedido.separadorDecimal, avisosLeitura);
    Preparacao preparacao = PreparaMudancas(tabela, base, pedido.de, pedido.ate);
    preparacao.avisosLeitura = std::move(avisosLeitura);
    const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(pedido.dirSistema));
    preparacao.conferencia = ConfereBase(divisoes, base.Codigos(), pedido.de, UltimoAnoAceito(UltimoAnoBrasil(tabela)));
    std::vector<std::pair<std::int32_t, std::int32_t>> resultado = base.Codigos();
    for (const LinhaPreparada& linha : preparacao.linhas)
        resultado.emplace_back(linha.uf, linha.receptor);
    preparacao.faltaraoNoResultado = MunicipiosQueFaltam(divisoes, resultado, pedido.ate);

    // Os dois arquivos trocam os anteriores juntos, como as saídas da rodada.
    SaidasDaRodada saidas;
    const auto barra = pedido.saida.rfind('/');
    saidas.Reserva(barra == std::string::npos ? "." : pedido.saida.substr(0, barra + 1));
    ArquivoSaida saida(saidas.Temporario(pedido.saida), pedido.saida);
    for (const LinhaPreparada& linha : preparacao.linhas)
        saida.EscreveLinha(TextoLinha(linha));
    saida.Fecha();
    // Sempre gravado, mesmo só com os títulos: um arquivo de avisos velho ao lado enganaria.
    const std::string arquivoAvisos = ArquivoAvisos(pedido.saida);
    ArquivoSaida avisos(saidas.Temporario(arquivoAvisos), arquivoAvisos);
    avisos.EscreveLinha("CD_UF;CD_MUND;DOADOR;CD_MUNR;RECEPTOR;POP;AVISO;ORIGEM");
    // Os problemas da conferência vêm primeiro, com o município nas colunas do doador.
    const std::string conferencia = "confer\xeancia com a divis\xe3o de " + TextoInteiro(pedido.de);
    for (const ProblemaConferencia& p : preparacao.conferencia.problemas)
        avisos.EscreveLinha(TextoInteiro(p.uf) + ";" + TextoInteiro(p.municipio) + ";" + p.nome + ";;;;" +
                            p.texto.substr(p.texto.find(": ") + 2) + ";" + conferencia);
    for (const AvisoPreparacao& aviso : preparacao.avisos)
        avisos.EscreveLinha(TextoInteiro(aviso.uf) + ";" + TextoInteiro(aviso.doador) + ";" + aviso.nomeDoador + ";" +
                            TextoInteiro(aviso.receptor) + ";" + aviso.nomeReceptor + ";" +
                            (aviso.pop ? TextoInteiro(*aviso.pop) : "") + ";" + aviso.aviso + ";" + aviso.origem);
    // Os da leitura não têm par: o lugar no arquivo vai em ORIGEM.
    for (const Aviso& aviso : preparacao.avisosLeitura)
        avisos.EscreveLinha(";;;;;;" + aviso.aviso + ";" + Avisos::TextoDoAviso(aviso));
    avisos.Fecha();
    saidas.Publica();
    return preparacao;
}

std::string ResumoPreparacao(const PedidoPreparacao& pedido, const Preparacao& preparacao) {
    const int problemas = static_cast<int>(preparacao.conferencia.problemas.size());
    std::string resumo = "Base de tradu\xe7\xe3o de " + TextoInteiro(pedido.de) + " para " + TextoInteiro(pedido.ate) +
                         " gravada em \"" + pedido.saida + "\": " + TextoInteiro(preparacao.linhas.size()) +
                         " mudan\xe7"
                         "a(s)";
    if (const std::vector<std::string>& faltam = preparacao.faltaraoNoResultado; !faltam.empty()) {
        // Os primeiros nomes bastam para reconhecer o caso; os motivos estão nos avisos.
        std::string nomes;
        for (std::size_t i = 0; i < std::min<std::size_t>(faltam.size(), 5); ++i)
            nomes += (i == 0 ? "" : ", ") + faltam[i];
        resumo += "; o resultado ficar\xe1 sem " + TextoInteiro(static_cast<std::int64_t>(faltam.size())) +
                  " munic\xedpio(s) da divis\xe3o de " + TextoInteiro(pedido.ate) + " (" + nomes +
                  (faltam.size() > 5 ? ", ..." : "") + ")";
    }
    resumo += ".\n";
    if (const std::size_t achados = Avisos::Achados(preparacao.avisosLeitura))
        resumo += TextoInteiro(static_cast<std::int64_t>(achados)) + " aviso(s) da leitura da base original.\n";
    if (const std::size_t notas = preparacao.avisosLeitura.size() - Avisos::Achados(preparacao.avisosLeitura))
        resumo += TextoInteiro(static_cast<std::int64_t>(notas)) + " nota(s) da leitura da base original: veja \"" +
                  ArquivoAvisos(pedido.saida) + "\".\n";
    if (problemas != 0)
        resumo += ResumoConferencia(preparacao.conferencia) + " Veja \"" + ArquivoAvisos(pedido.saida) + "\".\n";
    if (preparacao.avisos.empty())
        return resumo + "Nenhum par estimado ou deixado de fora.\n";
    const std::string outraReferencia =
        preparacao.outraReferencia != 0
            ? ", " + TextoInteiro(preparacao.outraReferencia) + " medido(s) em outra refer\xeancia,"
            : "";
    return resumo + TextoInteiro(preparacao.estimadas) + " par(es) com popula\xe7\xe3o estimada" + outraReferencia +
           " e " + TextoInteiro(preparacao.deixadas) + " deixado(s) de fora: veja \"" + ArquivoAvisos(pedido.saida) +
           "\".\n";
}
