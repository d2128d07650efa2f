#pragma once
// "Voltar a uma divisão anterior": lê a base na divisão de DE, confere-a com essa divisão, devolve a
// população dos municípios instalados depois de ATE e grava PASTA/NOME.CSV (no formato do resultado),
// Morvisan.Log (uma linha por devolução) e Morvisan.Avisos, os três juntos ou nenhum. O comando em
// lote e a janela usam isto.
#include "AgregacaoBrasil.h"
#include "Aviso.h"
#include "ConferenciaBrasil.h"

#include <string>
#include <vector>

struct PedidoVolta {
    std::string dirSistema;
    std::string original;
    int de = 0;
    int ate = 0;
    std::string pasta;
    std::string nome;
    char separadorDecimal = ',';
};

struct Volta {
    Agregacao agregacao;
    Conferencia conferencia;
    std::vector<Aviso> avisosLeitura;
    std::vector<std::string> avisos; // um por doador de uma repartição, para o terminal ou a tela
};

// O que há de errado com o par de anos da volta, no texto para o usuário; vazio quando serve.
std::string ProblemaDosAnosVolta(int de, int ate, int ultimaMudanca);

// Algum arquivo gravado cairia sobre a base original ou sobre a tabela de mudanças?
bool VoltaSobreEntrada(const PedidoVolta& pedido);

// Faz tudo com a tabela já lida. Nada é gravado quando a base não está na divisão de DE (códigos fora
// dela ou repetidos) nem em qualquer outra falha, que sai como Falha.
Volta VoltaBaseBrasil(const PedidoVolta& pedido, const std::vector<MudancaBrasil>& tabela);

// Há algo a avisar (código de saída 4)?
bool VoltaComAvisos(const Volta& volta);

// O resumo e o balanço ("POP1: N antes, N depois"), uma informação por linha.
std::string ResumoVolta(const PedidoVolta& pedido, const Volta& volta);
