// Gravação do resultado e do extrato de comparação (comp.CSV) com os 75 municípios especiais.
#include "Processamento.h"

#include "AreaTrabalho.h"
#include "ArquivoSaida.h"
#include "Arquivos.h"
#include "Falha.h"
#include "Texto.h"

#include <strings.h>
#include <unordered_set>

namespace {

struct UfEspecial {
    const char* uf;
    std::initializer_list<const char*> municipios;
};

// A lista fixa do extrato: códigos como texto, comparados com o texto do campo sem aparar.
const UfEspecial MunicipiosEspeciais[] = {
    {"11", {"8", "13", "20", "149", "150"}},
    {"12", {"40"}},
    {"13", {"260"}},
    {"14", {"10"}},
    {"15", {"140"}},
    {"16", {"30"}},
    {"21", {"590", "740", "870", "1130", "1153", "1172", "1300"}},
    {"22", {"1100"}},
    {"23", {"210", "290", "440", "650", "690", "835", "1140", "1270", "1300"}},
    {"24", {"810"}},
    {"25", {"570", "1600"}},
    {"26", {"1160"}},
    {"27", {"430"}},
    {"28", {"30", "40", "630", "760"}},
    {"29", {"420", "1080", "1980", "2740"}},
    {"31", {"620"}},
    {"32", {"530"}},
    {"33", {"455"}},
    {"35", {"1100", "1570", "5030"}},
    {"41", {"690", "1325", "1780"}},
    {"42", {"540", "760", "1390"}},
    {"43", {"223", "258", "610", "650", "690", "700", "843", "1020", "1090", "1140", "1413", "1490", "1531"}},
    {"50", {"270"}},
    {"51", {"35", "140", "340", "410", "675", "757", "785", "788", "835"}},
};

// Os pares como "UF;município": o texto de cada código como está, sem aparar.
bool MunicipioEspecial(const std::string& uf, const std::string& municipio) {
    static const std::unordered_set<std::string> especiais = [] {
        std::unordered_set<std::string> pares;
        for (const UfEspecial& estado : MunicipiosEspeciais)
            for (const char* codigo : estado.municipios)
                pares.insert(std::string(estado.uf) + ";" + codigo);
        return pares;
    }();
    return especiais.count(uf + ";" + municipio) > 0;
}

} // namespace

void Processamento::Grava() {
    Tabela& final = dados_.T_BF_DESC;
    const std::string nomeResultado = ajustes_.NovoArquivo + ".CSV";
    const std::string destinoResultado = ajustes_.Pasta + "/" + nomeResultado;
    const std::string destinoExtrato = ajustes_.Pasta + "/" + AreaTrabalho::ArquivoComp;
    ArquivoSaida resultado(saidas_.Temporario(destinoResultado), destinoResultado);
    // Resultado chamado "comp" (em qualquer caixa) é o próprio extrato, que já está aberto para
    // gravação: criar o extrato falha como falharia com o arquivo preso por outro programa.
    if (::strcasecmp(nomeResultado.c_str(), AreaTrabalho::ArquivoComp.c_str()) == 0)
        throw Falha("Erro de E/S: n\xe3o foi poss\xedvel criar o arquivo \"" + ResolveCaminho(destinoExtrato) +
                    "\": o arquivo j\xe1 est\xe1 aberto para grava\xe7\xe3o.");
    ArquivoSaida extrato(saidas_.Temporario(destinoExtrato), destinoExtrato);

    final.Primeiro();
    painel_.DefineFaixaProgresso(0, final.Registros());
    std::string linha;
    for (; !final.Fim(); final.Proximo()) {
        painel_.DefinePosicaoProgresso(final.RegistroAtual());
        if (final.RegistroAtual() % LoteCancelamento == 0)
            painel_.ConfereCancelamento();
        const std::string uf = final.Texto("CD_UF");
        const std::string municipio = final.Texto("CD_MUN");
        linha.assign(SemBrancos(uf)).append(";").append(SemBrancos(final.Texto("UF"))).append(";");
        linha.append(SemBrancos(municipio)).append(";").append(SemBrancos(final.Texto("MUN"))).append(";");
        linha.append(SemBrancos(final.Texto("POP1"))).append(";").append(SemBrancos(final.Texto("POP2")));
        resultado.EscreveLinha(linha);
        if (MunicipioEspecial(uf, municipio))
            extrato.EscreveLinha(linha);
    }
    resultado.Fecha();
    extrato.Fecha();
    GravaAvisos();
    // Tudo pronto: as quatro saídas trocam as anteriores juntas.
    saidas_.Publica();
}

void Processamento::GravaAvisos() {
    const std::string destino = ajustes_.Pasta + "/" + AreaTrabalho::ArquivoAvisos;
    ArquivoSaida avisos(saidas_.Temporario(destino), destino);
    avisos.EscreveLinha("ARQUIVO;LINHA;CAMPO;AVISO;TEXTO");
    // O texto vai por último e como estava, ";" inclusive: quem lê sabe que o resto da linha é dele.
    for (const Aviso& aviso : Avisos())
        avisos.EscreveLinha(aviso.arquivo + ";" + TextoInteiro(aviso.linha) + ";" + aviso.campo + ";" + aviso.aviso +
                            ";" + aviso.texto);
    avisos.Fecha();
}
