#pragma once
// Os diálogos do próprio Qt (abrir arquivo, imprimir, botões padrão) em português, como o resto do
// programa, seja qual for a língua do sistema.

// Instala na aplicação a tradução pt_BR do Qt; false quando ela não está instalada (os diálogos
// ficam então em inglês, e o programa segue).
bool InstalaTraducaoDoQt();
