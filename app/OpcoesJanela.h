#pragma once
// A linha de comando do programa de janelas: --help e --version; fora eles, nenhum argumento (as
// opções do próprio Qt, como -platform, o Qt já tirou da lista antes da segunda leitura).
#include <QStringList>
#include <QTextStream>
#include <optional>

// Lê os argumentos (o primeiro é o programa). Com ajuda ou versão pedidas, escreve em saida e devolve 0.
// Na leitura estrita, uma opção desconhecida ou um argumento a mais vira uma linha em erros, seguida de
// "Use morvisan --help.", e o código 2. Sem nada disso, nullopt: o programa segue para as janelas.
std::optional<int> TrataOpcoes(const QStringList& argumentos, bool estrito, QTextStream& saida, QTextStream& erros);
