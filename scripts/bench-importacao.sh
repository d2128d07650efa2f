#!/usr/bin/env bash
# Mede a importação de 1.000.000 de linhas de nomes de municípios pelo comando em lote e, no mesmo
# arquivo, a conversão do ogr2ogr de CSV para .dbf. Uso: scripts/bench-importacao.sh [PASTA_DE_COMPILACAO] [LINHAS]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build}"
linhas="${2:-1000000}"
cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target morvisan-lote bench_importacao >/dev/null
lote="$build/Morvisan/morvisan-lote"
trabalho="$(mktemp -d)"
trap 'rm -rf "$trabalho"' EXIT

"$build/ferramentas/bench_importacao" "$trabalho/municipios.csv" "$linhas"
mkdir -p "$trabalho/sistema"
cp -r "$build/Morvisan/Bases0" "$trabalho/sistema/"

# Imprime segundos, linhas por segundo e pico de memória de um comando medido por /usr/bin/time.
relata() {
    local nome="$1" segundos kb
    read -r segundos kb <"$trabalho/tempo"
    awk -v n="$nome" -v s="$segundos" -v kb="$kb" -v l="$linhas" \
        'BEGIN { printf "%-32s %7.2f s %12.0f linhas/s %7.1f MB\n", n, s, (s > 0 ? l / s : 0), kb / 1024 }'
}

/usr/bin/time -f "%e %M" -o "$trabalho/tempo" \
    "$lote" --sistema "$trabalho/sistema" importar municipios "$trabalho/municipios.csv" >"$trabalho/saida"
relata "morvisan-lote importar"
grep -q "Registros inclu" "$trabalho/saida" || { cat "$trabalho/saida"; exit 1; }

# O mesmo arquivo para o GDAL: sem títulos, ";" e os bytes Latin-1 passados como estão.
/usr/bin/time -f "%e %M" -o "$trabalho/tempo" \
    ogr2ogr -f "ESRI Shapefile" -oo SEPARATOR=SEMICOLON -oo HEADERS=NO -oo AUTODETECT_TYPE=YES \
    -lco ENCODING="" "$trabalho/ogr.dbf" "$trabalho/municipios.csv" 2>"$trabalho/erros-ogr" ||
    { cat "$trabalho/erros-ogr"; exit 1; }
relata "ogr2ogr CSV -> dbf"
ls -l "$trabalho/sistema/Bases1/DEF_MUN.dbf" "$trabalho/ogr.dbf" | awk '{ printf "%12d bytes  %s\n", $5, $9 }'
