#!/usr/bin/env bash
# Compila os alvos de fuzzing com clang (libFuzzer, ASan, UBSan) em build-fuzz/ e roda cada um pelo
# tempo dado, a partir de uma cópia das sementes de tests/fuzz/corpus/<alvo>/. Um achado para o script
# com o relatório do sanitizador e a entrada que o causou em build-fuzz/achados/.
# Uso: scripts/fuzz.sh [SEGUNDOS_POR_ALVO]   (padrão: 60)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-60}"
build="$raiz/build-fuzz"
CC=clang CXX=clang++ cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVISAN_FUZZ=ON \
    -DMORVISAN_JANELAS=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target AlvoLeitorEntrada AlvoImportacao AlvoTabelaDbf AlvoRodada AlvoMotor
mkdir -p "$build/achados"
for alvo in AlvoLeitorEntrada AlvoImportacao AlvoTabelaDbf AlvoRodada AlvoMotor; do
    corpus="$(mktemp -d)"
    cp -r "$raiz/tests/fuzz/corpus/$alvo/." "$corpus/"
    relatorio="$build/achados/$alvo.txt"
    if ! "$build/fuzz/$alvo" -max_total_time="$segundos" -artifact_prefix="$build/achados/$alvo-" "$corpus" \
        >"$relatorio" 2>&1; then
        tail -n 60 "$relatorio"
        echo "$alvo: achado (veja $relatorio)" >&2
        rm -rf "$corpus"
        exit 1
    fi
    printf '%-20s %s\n' "$alvo" "$(grep -E '^Done [0-9]+ runs' "$relatorio" | tail -n 1)"
    rm -rf "$corpus"
done
