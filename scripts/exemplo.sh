#!/usr/bin/env bash
# Instala as dependências, compila os dois programas e roda o trabalho principal no exemplo que vem
# junto: importa os nomes dos municípios e as siglas das UFs, prepara a base de tradução do Censo 2010
# para a divisão de 2013 a partir da tabela de mudanças do Brasil e traduz.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instala-dependencias.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target morvisan morvisan-lote
sistema=build/Morvisan
saida=build/saida-exemplo
mkdir -p "$saida"
"$sistema/morvisan-lote" importar municipios exemplos/municipios.csv
"$sistema/morvisan-lote" importar ufs exemplos/ufs.csv
# Saída 4: a preparação avisa dos pares com população estimada (Pescaria Brava e Paraíso das Águas).
"$sistema/morvisan-lote" preparar exemplos/censo-2010.csv 2010 2013 "$saida/traducao-2010-2013.csv" ||
    [ $? -eq 4 ]
"$sistema/morvisan-lote" traduzir exemplos/censo-2010.csv "$saida/traducao-2010-2013.csv" "$saida" RES2013
echo
echo "Arquivos gerados em $saida:"
ls -l "$saida"
echo
echo "Para abrir a janela: build/Morvisan/morvisan"
