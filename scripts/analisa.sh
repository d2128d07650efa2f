#!/usr/bin/env bash
# O analisador estático (clang-tidy, regras em .clang-tidy) sobre data/, run/ e brasil/, com os comandos
# de compilação de uma pasta já configurada. Qualquer achado reprova (saída diferente de 0).
# Uso: scripts/analisa.sh [PASTA_DE_COMPILACAO]   (build, se omitida)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/compile_commands.json" ] || { echo "falta $build/compile_commands.json: configure antes" >&2; exit 1; }
tidy="$(command -v clang-tidy-14 || command -v clang-tidy)"
# As opções só do g++ (-Wno-restrict) não são achados.
git ls-files 'data/*.cpp' 'run/*.cpp' 'brasil/*.cpp' |
    xargs -P2 -n4 "$tidy" -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option 2>/dev/null
