#!/usr/bin/env bash
# Fails, naming every file, when a C++ source of the tree is not laid out as the root
# .clang-format says. Fix with: clang-format -i FILE...
# Exits 77 (a skipped test) where clang-format is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 77; }
if [ -d .git ] || [ -f .git ]; then
    mapfile -d '' files < <(git ls-files -z --cached --others --exclude-standard \
        '*.cpp' '*.h' '*.cc' '*.hpp')
else
    mapfile -d '' files < <(find . \( -path ./build -o -path './obj-*' -o -path ./debian \) \
        -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
existing=()
for file in "${files[@]}"; do
    [ -e "$file" ] && existing+=("$file")
done
# One run over every file; its complaints start with the file's name.
report=$(clang-format --dry-run -Werror "${existing[@]}" 2>&1) || true
mapfile -t unformatted < <(grep -oE '^[^ :][^:]*:[0-9]+:[0-9]+: (error|warning)' <<<"$report" |
    cut -d: -f1 | sed 's#^\./##' | sort -u)
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted by clang-format (fix with clang-format -i):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "${#existing[@]} files formatted"
