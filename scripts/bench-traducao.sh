#!/usr/bin/env bash
# Mede a tradução pelo comando em lote: o exemplo nacional e bases sintéticas (metade e inteira),
# com as duas bases extras ativas. Uso: scripts/bench-traducao.sh [PASTA_DE_COMPILACAO]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build}"
cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target morvisan-lote bench_traducao >/dev/null
lote="$build/Morvisan/morvisan-lote"
gerador="$build/ferramentas/bench_traducao"
trabalho="$(mktemp -d)"
trap 'rm -rf "$trabalho"' EXIT

# Uma pasta de programa nova, com as bases extras importadas; depois a tradução medida.
mede() {
    local nome="$1" original="$2" traducao="$3" municipios="$4" ufs="$5"
    local sistema="$trabalho/$nome/sistema" saida="$trabalho/$nome/saida"
    mkdir -p "$sistema" "$saida"
    cp -r "$build/Morvisan/Bases0" "$sistema/"
    "$lote" --sistema "$sistema" importar municipios "$municipios" >/dev/null
    "$lote" --sistema "$sistema" importar ufs "$ufs" >/dev/null
    /usr/bin/time -f "%e %M" -o "$trabalho/tempo" \
        "$lote" --sistema "$sistema" traduzir "$original" "$traducao" "$saida" RES >/dev/null 2>"$trabalho/erros" ||
        { cat "$trabalho/erros"; }
    read -r segundos kb <"$trabalho/tempo"
    printf '%-28s %8s s %8d MB  %s linhas no resultado\n' "$nome" "$segundos" $((kb / 1024)) \
        "$(wc -l <"$saida/RES.CSV")"
}

"$lote" preparar "$raiz/exemplos/censo-2010.csv" 2010 2013 "$trabalho/traducao-2013.csv" >/dev/null 2>&1 ||
    [ $? -eq 4 ]
mede "exemplo nacional" "$raiz/exemplos/censo-2010.csv" "$trabalho/traducao-2013.csv" \
    "$raiz/exemplos/municipios.csv" "$raiz/exemplos/ufs.csv"
for tamanho in "500000 50000" "1000000 100000"; do
    read -r n m <<<"$tamanho"
    pasta="$trabalho/dados-$n"
    mkdir -p "$pasta"
    "$gerador" "$pasta" "$n" "$m"
    mede "sintético $n/$m" "$pasta/original.csv" "$pasta/traducao.csv" "$pasta/municipios.csv" "$pasta/ufs.csv"
done
