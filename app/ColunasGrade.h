#pragma once
// A medida das colunas da grade Resultado: as seis cabem na largura da grade, sem rolar de lado.
class ModeloGrade;
class QTableView;

// Cada coluna fica na medida do título e do valor mais longo de todos os registros (um número nunca
// sai cortado); a coluna MUN fica com o que sobra e corta os nomes longos, inteiros na dica da célula.
// Devolve a largura que as colunas pedem para caberem sem rolar de lado, com MUN em doze caracteres.
int AjustaColunas(QTableView* grade, const ModeloGrade& modelo);
