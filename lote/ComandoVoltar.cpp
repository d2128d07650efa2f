#include "ComandoVoltar.h"

#include "AreaTrabalho.h"
#include "AreasBrasil.h"
#include "ComandoPreparar.h"
#include "ComandoTraduzir.h"
#include "PreparacaoBrasil.h"
#include "Terminal.h"
#include "Texto.h"
#include "VoltaBrasil.h"

#include <filesystem>
#include <iostream>

namespace {

void NaoVazios(const std::string& comando, const LinhaComando& linha, const std::vector<const char*>& nomes) {
    SemPularExcecoes(linha);
    for (std::size_t i = 0; i < nomes.size(); ++i)
        if (nomes[i] != nullptr && linha.argumentos[i].empty())
            throw ErroUso(comando + ": o argumento " + nomes[i] + " est\xE1 vazio");
}

// A pasta do resultado é do usuário: a que falta é dita antes de tudo, e não criada.
void PastaExiste(const std::string& comando, const std::string& pasta) {
    if (!std::filesystem::is_directory(pasta))
        throw ErroUso(comando + ": a pasta do resultado \"" + pasta + "\" n\xE3o existe");
}

int MesmoNome() {
    std::cerr << ParaTerminal("Erro!: Voc\xea especificou o mesmo nome mais de uma vez.") << "\n";
    return 2;
}

// Anos que a tabela não cobre são uso errado, como no preparar.
void AnosNaTabela(const std::string& comando, int de, int ate, const std::vector<MudancaBrasil>& tabela) {
    if (const std::string problema = ProblemaDosAnos(std::min(de, ate), std::max(de, ate), UltimoAnoBrasil(tabela));
        !problema.empty())
        throw ErroUso(comando + ": " + problema);
}

} // namespace

int ComandoAgregar(Ajustes& ajustes, const LinhaComando& linha) {
    NaoVazios("agregar", linha, {"ORIGINAL", nullptr, nullptr, "PASTA"});
    ConfereNomeResultado("agregar", linha.argumentos[4]);
    PedidoVolta pedido;
    pedido.dirSistema = ajustes.DirSistema;
    pedido.original = linha.argumentos[0];
    pedido.de = AnoDoArgumento("agregar", linha.argumentos[1]);
    pedido.ate = AnoDoArgumento("agregar", linha.argumentos[2]);
    pedido.pasta = linha.argumentos[3];
    pedido.nome = linha.argumentos[4];
    pedido.separadorDecimal = ajustes.regional.separadorDecimal;
    PastaExiste("agregar", pedido.pasta);
    return SaiComFalha([&]() {
        const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(ajustes.DirSistema));
        if (const std::string problema = ProblemaDosAnosVolta(pedido.de, pedido.ate, UltimoAnoBrasil(tabela));
            !problema.empty())
            throw ErroUso("agregar: " + problema);
        if (VoltaSobreEntrada(pedido))
            return MesmoNome();
        const Volta volta = VoltaBaseBrasil(pedido, tabela);
        EscreveAvisos(volta.conferencia.problemas, volta.avisosLeitura, volta.avisos);
        std::cout << ParaTerminal(ResumoVolta(pedido, volta));
        return volta.agregacao.antes != volta.agregacao.depois ? 3 : VoltaComAvisos(volta) ? 4 : 0;
    });
}

int ComandoAreas(Ajustes& ajustes, const LinhaComando& linha) {
    NaoVazios("areas", linha, {nullptr, nullptr, "SAIDA"});
    const int de = AnoDoArgumento("areas", linha.argumentos[0]);
    const int ate = AnoDoArgumento("areas", linha.argumentos[1]);
    const std::string& saida = linha.argumentos[2];
    return SaiComFalha([&]() {
        const std::vector<MudancaBrasil> tabela = LeMudancasBrasil(ArquivoMudancasBrasil(ajustes.DirSistema));
        AnosNaTabela("areas", de, ate, tabela);
        if (AreasSobreEntrada(ajustes.DirSistema, saida))
            return MesmoNome();
        const DivisoesBrasil divisoes = LeDivisoesBrasil(ArquivoDivisoesBrasil(ajustes.DirSistema));
        const std::vector<MembroArea> membros = AreasComparaveis(tabela, divisoes, de, ate);
        GravaAreas(membros, saida);
        std::size_t areas = 0;
        for (std::size_t i = 0; i < membros.size(); ++i)
            areas += i == 0 || membros[i].area != membros[i - 1].area;
        std::cout << ParaTerminal("\xc1reas compar\xe1veis entre as divis\xf5"
                                  "es de " +
                                  TextoInteiro(de) + " e " + TextoInteiro(ate) + " gravadas em \"" + saida +
                                  "\": " + TextoInteiro(static_cast<std::int64_t>(areas)) + " \xe1rea(s), " +
                                  TextoInteiro(static_cast<std::int64_t>(membros.size())) + " linha(s).\n");
        return 0;
    });
}

int ComandoAgregarAreas(Ajustes& ajustes, const LinhaComando& linha) {
    NaoVazios("agregar-areas", linha, {"ORIGINAL", nullptr, "AREAS", "PASTA"});
    ConfereNomeResultado("agregar-areas", linha.argumentos[4]);
    const std::string& original = linha.argumentos[0];
    const int ano = AnoDoArgumento("agregar-areas", linha.argumentos[1]);
    const std::string& areas = linha.argumentos[2];
    const std::string& pasta = linha.argumentos[3];
    const std::string& nome = linha.argumentos[4];
    PastaExiste("agregar-areas", pasta);
    return SaiComFalha([&]() {
        if (AreaTrabalho::SaidaSobreEntrada(pasta, nome, original, areas))
            return MesmoNome();
        const SomaAreas soma = SomaSobreAreas(LeAreas(areas), ano, original, ajustes.regional.separadorDecimal);
        GravaSomaAreas(soma, pasta, nome);
        EscreveAvisos({}, soma.avisos, {});
        std::cout << ParaTerminal(ResumoSomaAreas(soma, pasta, nome));
        return soma.antes != soma.depois ? 3 : Avisos::Achados(soma.avisos) != 0 ? 4 : 0;
    });
}
