#!/usr/bin/env bash
# The README's table of exit codes must be what `orva-config exit-codes --markdown` prints.
#   check_readme_exit_codes.sh ORVA_CONFIG README
set -euo pipefail
cli=$1
readme=$2
# The table: from its header row to the last row after it.
in_readme=$(awk '/^\| Code \| Meaning \|$/ { on = 1 } on && !/^\|/ { exit } on' "$readme")
generated=$("$cli" exit-codes --markdown)
if [ "$in_readme" != "$generated" ]; then
    echo "README.md's exit code table differs from \"orva-config exit-codes --markdown\"; replace it with:" >&2
    echo "$generated" >&2
    diff <(echo "$in_readme") <(echo "$generated") >&2 || true
    exit 1
fi
echo "README.md's exit code table is orva-config's"
