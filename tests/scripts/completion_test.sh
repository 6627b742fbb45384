#!/usr/bin/env bash
# tavelin-cli's bash completion offers what the program takes: every command and option its help
# names, the fixed values, and the catalogue's device names.
# usage: completion_test.sh COMPLETION_FILE TAVELIN_CLI SAMPLES
set -uo pipefail
completion=$1 cli=$2 samples=$3
source "$completion"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Completes the words as bash splits them (an '=' is a word of its own); the last is being typed.
offered() {
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _tavelin_cli
    ((${#COMPREPLY[@]} == 0)) || printf '%s\n' "${COMPREPLY[@]}"
}
expect() {
    local want=$1; shift
    local got; got=$(offered "$@" | tr '\n' ' ')
    [ "$got" = "$want" ] || fail "'$*' offered '$got', not '$want'"
}

expect "help " hel
expect "srec " --format = s
expect "srec " convert a.bin --format s
expect "1 2 3 " --srec-type ""
expect "json " --progress = j
expect "24C1024 24C1025 " --folder "$samples" read --device 24C102
expect "24C1024 24C1025 " --folder = "$samples" --device 24C102
expect "" read --block ""
expect "read " --port /dev/ttyUSB0 rea

help=$("$cli" --help)
commands=$(sed -n 's/^  \([a-z]\+\) .*/\1/p; s/^  \([a-z]\+\)$/\1/p' <<< "$help" | sort)
[ "$commands" = "$(offered "" | sort)" ] || fail "commands differ from the help's: $commands"
all_options=$(offered --)
# "--opt" is the help's placeholder for any option.
for option in $(grep -o -- '--[a-z-]\+' <<< "$help" | grep -vx -- --opt | sort -u); do
    grep -qx -- "$option" <<< "$all_options" || fail "$option is not offered"
done
echo PASS
