#!/usr/bin/env bash
# Mede a tradução pelo comando em lote ao lado de dois pares que fazem o mesmo trabalho: um script
# pandas vetorizado (bench/traducao_pandas.py) e uma passada única em C++ (referencia_traducao), mais o
# piso de só ler as entradas e escrever as saídas. Cargas: o exemplo nacional e bases sintéticas de
# 500 mil, 1 e 2 milhões de municípios (50, 100 e 200 mil mudanças), sempre com as duas bases extras
# ativas. Confere que as três saídas são iguais byte a byte e imprime tempo (o melhor de REPETICOES) e
# pico de memória. Não é teste: o tempo depende da máquina e da carga dela.
#
# Uso: scripts/bench-traducao.sh [PASTA_DE_COMPILACAO] [--instrucoes]
#   --instrucoes  conta as instruções (valgrind --tool=callgrind) do lote e da passada única no exemplo
#                 nacional e em 100 mil/10 mil, onde o tempo de parede é ruidoso.
# LOTE=caminho/morvisan-lote mede outra compilação do programa (a de antes de uma mudança, por exemplo);
# TAMANHOS="500000:50000 ..." troca as cargas sintéticas; REPETICOES (3) e SEM_PANDAS=1 também valem.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$raiz/build"
instrucoes=0
for argumento in "$@"; do
    case "$argumento" in
    --instrucoes) instrucoes=1 ;;
    *) build="$argumento" ;;
    esac
done
cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target morvisan-lote morvisan_bench >/dev/null
lote="${LOTE:-$build/Morvisan/morvisan-lote}"
gerador="$build/ferramentas/bench_traducao"
referencia="$build/ferramentas/referencia_traducao"
repeticoes="${REPETICOES:-3}"
tamanhos="${TAMANHOS:-500000:50000 1000000:100000 2000000:200000}"
trabalho="$(mktemp -d)"
trap 'rm -rf "$trabalho"' EXIT
export LC_ALL=C.UTF-8

# O pandas só serve à medida: o interpretador do sistema, com o pacote do Debian.
python=/usr/bin/python3
if [ -z "${SEM_PANDAS:-}" ] && ! "$python" -c 'import pandas' 2>/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends python3-pandas >/dev/null
    else
        echo "python3-pandas ausente (apt-get install python3-pandas); medindo sem o par pandas" >&2
        SEM_PANDAS=1
    fi
fi

# Roda o comando VEZES vezes e deixa em $medida "segundos MB" da mais rápida.
mede() {
    local vezes="$1" melhor="" segundos kb
    shift
    for _ in $(seq "$vezes"); do
        /usr/bin/time -f "%e %M" -o "$trabalho/tempo" "$@" >"$trabalho/saida.txt" 2>"$trabalho/erros.txt" ||
            [ $? -eq 4 ] || { cat "$trabalho/erros.txt" >&2; exit 1; }
        # A última linha: antes dela o time avisa da saída diferente de 0.
        read -r segundos kb < <(tail -n 1 "$trabalho/tempo")
        if [ -z "$melhor" ] || awk -v a="$segundos" -v b="${melhor% *}" 'BEGIN { exit !(a < b) }'; then
            melhor="$segundos $((kb / 1024))"
        fi
    done
    medida="$melhor"
}

confere() {
    local a="$1" b="$2" arquivo
    for arquivo in RES.CSV comp.CSV Morvisan.Log Morvisan.Avisos; do
        cmp -s "$a/$arquivo" "$b/$arquivo" || { echo "$arquivo difere entre $a e $b" >&2; exit 1; }
    done
}

# 1000000 como 1.000.000.
milhar() {
    echo "$1" | sed -e ':a' -e 's/\([0-9]\)\([0-9]\{3\}\)\($\|\.\)/\1.\2\3/' -e 'ta'
}

linha() {
    printf '| %-26s | %-14s | %-14s | %-14s | %-8s |\n' "$@"
}

carga() {
    local nome="$1" original="$2" traducao="$3" municipios="$4" ufs="$5"
    local sistema="$trabalho/sistema" saida
    rm -rf "$sistema" "$trabalho"/saida-*
    mkdir -p "$sistema" "$trabalho/saida-lote" "$trabalho/saida-pandas" "$trabalho/saida-ref"
    cp -r "$(dirname "$lote")/Bases0" "$sistema/"
    "$lote" --sistema "$sistema" importar municipios "$municipios" >/dev/null
    "$lote" --sistema "$sistema" importar ufs "$ufs" >/dev/null

    if [ "$instrucoes" -eq 1 ]; then
        for programa in lote ref; do
            saida="$trabalho/saida-$programa"
            comando=("$lote" --sistema "$sistema" traduzir "$original" "$traducao" "$saida" RES)
            [ "$programa" = ref ] && comando=("$referencia" "$sistema" "$original" "$traducao" "$saida" RES)
            valgrind --tool=callgrind --callgrind-out-file="$trabalho/callgrind.out" "${comando[@]}" \
                >/dev/null 2>"$trabalho/valgrind.txt" || [ $? -eq 4 ]
            printf '%-26s %-14s %s instruções\n' "$nome" "$programa" \
                "$(grep -o 'Collected : [0-9]*' "$trabalho/valgrind.txt" | grep -o '[0-9]*')"
        done
        confere "$trabalho/saida-lote" "$trabalho/saida-ref"
        return
    fi

    mede "$repeticoes" "$lote" --sistema "$sistema" traduzir "$original" "$traducao" "$trabalho/saida-lote" RES
    local tempoLote="$medida"
    mede "$repeticoes" "$referencia" "$sistema" "$original" "$traducao" "$trabalho/saida-ref" RES
    local tempoRef="$medida"
    confere "$trabalho/saida-lote" "$trabalho/saida-ref"
    local tempoPandas="-"
    if [ -z "${SEM_PANDAS:-}" ]; then
        mede 1 "$python" "$raiz/bench/traducao_pandas.py" "$original" "$traducao" "$municipios" "$ufs" \
            "$trabalho/saida-pandas" RES
        tempoPandas="$medida"
        confere "$trabalho/saida-lote" "$trabalho/saida-pandas"
    fi
    # O piso: ler as entradas (a base de nomes como o programa a tem) e escrever as quatro saídas.
    mede "$repeticoes" sh -c 'cat "$1" "$2" "$3" >/dev/null && cat "$4"/* >"$5"' piso "$original" "$traducao" \
        "$sistema/Bases1/DEF_MUN.dbf" "$trabalho/saida-lote" "$trabalho/piso.tmp"
    local tempoPiso="$medida"
    formata() { [ "$1" = "-" ] && echo "-" || echo "$1" | awk '{ printf "%.2f s, %d MB", $1, $2 }'; }
    linha "$nome" "$(formata "$tempoLote")" "$(formata "$tempoPandas")" "$(formata "$tempoRef")" \
        "$(echo "$tempoPiso" | awk '{ printf "%.2f s", $1 }')"
}

[ "$instrucoes" -eq 1 ] && tamanhos="100000:10000"
[ "$instrucoes" -eq 0 ] && linha "carga (municípios/mudanças)" "morvisan-lote" "pandas" "passada única" "piso" &&
    linha "---" "---" "---" "---" "---"
"$lote" preparar "$raiz/exemplos/censo-2010.csv" 2010 2013 "$trabalho/traducao-2013.csv" >/dev/null 2>&1 ||
    [ $? -eq 4 ]
carga "nacional 5.565/7" "$raiz/exemplos/censo-2010.csv" "$trabalho/traducao-2013.csv" \
    "$raiz/exemplos/municipios.csv" "$raiz/exemplos/ufs.csv"
for tamanho in $tamanhos; do
    n="${tamanho%:*}" m="${tamanho#*:}"
    pasta="$trabalho/dados-$n"
    mkdir -p "$pasta"
    "$gerador" "$pasta" "$n" "$m"
    carga "$(milhar "$n")/$(milhar "$m")" "$pasta/original.csv" "$pasta/traducao.csv" \
        "$pasta/municipios.csv" "$pasta/ufs.csv"
    rm -rf "$pasta"
done
