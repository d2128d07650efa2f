// Verificação do resultado: seis contagens na base final e o relatório no memo Obs.
#include "Processamento.h"

#include "Texto.h"

namespace {

struct Checagem {
    const char* comando;
    const char* texto;
    // Dica da causa; as checagens das bases extras trocam de dica quando a base não está ativa.
    const char* dica;
    bool Ajustes::*base;
    const char* dicaInativa;
};

const Checagem Checagens[] = {
    {"select count(*) as Zerados from Final where CD_UF = 0;", " UF(s) zerada(s).",
     "-> problemas com o arquivo origem\r", nullptr, nullptr},
    {"select count(*) as Zerados from Final where CD_MUN = 0;", " Munic\xedpio(s) zerado(s).",
     "-> problemas com o arquivo origem\r", nullptr, nullptr},
    {"select count(*) as Zerados from Final where POP1 = 0;",
     " Popula\xe7\xe3o(\xf5"
     "es) real(is) zerada(s).",
     "-> problemas com o arquivo origem\r", nullptr, nullptr},
    {"select count(*) as Zerados from Final where POP2 = 0;",
     " Popula\xe7\xe3o(\xf5"
     "es) projetada(s) zerada(s).",
     "-> problemas com o arquivo origem ou de tradu\xe7\xe3o\r", nullptr, nullptr},
    {"select count(*) as Zerados from Final where UF = \"??\";", " UF(s) nao encontrada(s).",
     "-> problemas com o arquivo origem ou de siglas das UFs\r", &Ajustes::base2,
     "-> falta definir o arquivo com as siglas das UFs\r"},
    {"select count(*) as Zerados from Final where MUN = \"<nome inexistente>\";", " Munic\xedpio(s) nao encontrado(s).",
     "-> problemas com o arquivo origem ou de nomes dos Munic\xedpios\r", &Ajustes::base1,
     "-> falta definir o arquivo com os nomes dos Munic\xedpios\r"},
};

} // namespace

void Processamento::EstResult() {
    Consulta& consulta = dados_.QGeral;
    consulta.DefinePasta(ajustes_.PastaTrabalho());
    painel_.LimpaObs();
    for (const Checagem& checagem : Checagens) {
        consulta.LimpaSql();
        consulta.AcrescentaSql(checagem.comando);
        consulta.Abre();
        const double zerados = consulta.Numero("Zerados");
        if (zerados > 0) {
            const bool inativa = checagem.base != nullptr && !(ajustes_.*checagem.base);
            painel_.AcrescentaObs(FormatoGeral(zerados, ajustes_.regional.separadorDecimal) + checagem.texto + "\r");
            painel_.AcrescentaObs(inativa ? checagem.dicaInativa : checagem.dica);
        }
        consulta.Fecha();
    }
    if (Apara(painel_.TextoObs()).empty()) {
        painel_.DefineCorObs(Cor::Azul);
        painel_.AcrescentaObs("Sucesso total!");
    } else {
        painel_.DefineCorObs(Cor::Vermelho);
    }
}
