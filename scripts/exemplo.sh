#!/usr/bin/env bash
# Instala as dependências, compila os dois programas e roda o trabalho principal no exemplo que vem
# junto: importa os nomes dos municípios e as siglas das UFs e traduz a base de 2012 para a divisão
# de 2013.
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
"$sistema/morvisan-lote" traduzir exemplos/original-2012.csv exemplos/traducao-2013.csv "$saida" RES2013
echo
echo "Arquivos gerados em $saida:"
ls -l "$saida"
echo
echo "Para abrir a janela: build/Morvisan/morvisan"
