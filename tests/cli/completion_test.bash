#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# tarnwell-cli's bash completion, called as bash calls it on Tab: each line is
# split into COMP_WORDS as readline splits it ("=" a word of its own), the
# completion function gets the program, the current word and the one before,
# and COMPREPLY, sorted, must be what the row expects.
#
#   completion_test.bash PROGRAM [COMPLETION]
#
# PROGRAM is tarnwell-cli; its folder goes first on the PATH. With
# COMPLETION, that script is sourced; without, the bash-completion package
# is, and loads the installed completion on demand, as in an interactive
# shell.
set -o pipefail
export LC_ALL=C
program=$1
PATH=$(cd "$(dirname "$program")" && pwd):$PATH
if [[ -n ${2-} ]]; then
    # shellcheck source=/dev/null
    source "$2"
else
    # shellcheck source=/dev/null
    source /usr/share/bash-completion/bash_completion
fi

# The function bash calls for tarnwell-cli, once the default completion has
# loaded it if it was not loaded yet (in this shell, not a subshell, so that
# what it loads stays).
registered=$(complete -p tarnwell-cli 2>/dev/null)
if [[ -z $registered && $(complete -p -D 2>/dev/null) =~ -F\ ([^ ]+) ]]; then
    "${BASH_REMATCH[1]}" tarnwell-cli "" tarnwell-cli
    registered=$(complete -p tarnwell-cli 2>/dev/null)
fi
if ! [[ $registered =~ -F\ ([^ ]+) ]]; then
    echo "completion_test: no completion for tarnwell-cli is registered" >&2
    exit 1
fi
function=${BASH_REMATCH[1]}

failed=0
offered=()
# complete_line LINE: fills offered with what Tab offers at the end of LINE.
complete_line() {
    local -a COMP_WORDS
    read -ra COMP_WORDS <<<"${1//=/ = }"
    [[ $1 == *' ' ]] && COMP_WORDS+=("")
    local COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    local cur=${COMP_WORDS[COMP_CWORD]}
    [[ $cur == = ]] && cur= # bash completes the empty word after "="
    COMPREPLY=()
    "$function" tarnwell-cli "$cur" "${COMP_WORDS[COMP_CWORD - 1]}"
    mapfile -t offered < <(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort)
}

# row LINE EXPECTED: EXPECTED is the words offered, in any order, or "N words"
# where listing them would drown the table.
row() {
    complete_line "$1"
    local got expected
    if [[ $2 =~ ^([0-9]+)\ words$ ]]; then
        got="${#offered[@]} words"
        expected=$2
    else
        got="${offered[*]}"
        expected=$(tr ' ' '\n' <<<"$2" | sed '/^$/d' | sort | paste -sd ' ')
    fi
    if [[ $got != "$expected" ]]; then
        printf 'completion_test: "%s<Tab>"\n    offers   %s\n    expected %s\n' \
            "$1" "$got" "$expected" >&2
        failed=1
    fi
}

options="--help --json --network --nodes --subnets --version"
masks_b="255.255.0.0 255.255.128.0 255.255.192.0 255.255.224.0 255.255.240.0 255.255.248.0
    255.255.252.0 255.255.254.0 255.255.255.0 255.255.255.128 255.255.255.192 255.255.255.224
    255.255.255.240 255.255.255.248 255.255.255.252 255.255.255.254
    /16 /17 /18 /19 /20 /21 /22 /23 /24 /25 /26 /27 /28 /29 /30 /31"
masks_c="255.255.255.0 255.255.255.128 255.255.255.192 255.255.255.224 255.255.255.240
    255.255.255.248 255.255.255.252 255.255.255.254 /24 /25 /26 /27 /28 /29 /30 /31"

row "tarnwell-cli " "mask segments range"
row "tarnwell-cli seg" "segments"
row "tarnwell-cli --" "$options"
row "tarnwell-cli --json r" "range"
row "tarnwell-cli mask " "B C"
row "tarnwell-cli mask C " "$options"
row "tarnwell-cli mask C --nodes " ""
row "tarnwell-cli segments B " "$masks_b"
row "tarnwell-cli range C " "$masks_c"
row "tarnwell-cli segments C /2" "/24 /25 /26 /27 /28 /29"
row "tarnwell-cli segments B --network=" ""
row "tarnwell-cli range B /26 " "1022 words"
row "tarnwell-cli range B /26 X.Y.255." "X.Y.255.0 X.Y.255.64 X.Y.255.128"
row "tarnwell-cli range B 255.255.255.192 X.Y.0." "X.Y.0.64 X.Y.0.128 X.Y.0.192"
row "tarnwell-cli range B /26 --network 172.16 172.16.0." "172.16.0.64 172.16.0.128 172.16.0.192"
row "tarnwell-cli --json range --network=192.168.10 C /27 192.168.10.1" \
    "192.168.10.128 192.168.10.160 192.168.10.192"
row "tarnwell-cli range B /31 " "32766 words"
row "tarnwell-cli range B 255.255.0.0 " ""
row "tarnwell-cli range B /17 " ""
row "tarnwell-cli range C /16 " ""
row "tarnwell-cli range C /27 X.Y.Z.64 " "$options"

# What is offered is what the program accepts: every mask offered, and every
# prefix length it accepts.
for class in B C; do
    complete_line "tarnwell-cli segments $class "
    for mask in "${offered[@]}"; do
        if ! tarnwell-cli segments "$class" "$mask" >/dev/null 2>&1; then
            echo "completion_test: class $class $mask is offered but refused" >&2
            failed=1
        fi
    done
    for length in {0..32}; do
        if [[ " ${offered[*]} " != *" /$length "* ]] &&
            tarnwell-cli segments "$class" "/$length" >/dev/null 2>&1; then
            echo "completion_test: class $class accepts /$length, which is not offered" >&2
            failed=1
        fi
    done
done

exit "$failed"
