#!/usr/bin/env bash
# Sources the bash completion of kestrova-cli and completes words as a shell would: commands, options (the
# command's own too), and device file names from the demo device only while KESTROVA_PIN is set.
# Usage: TestCompletion.sh <completion script> <kestrova-cli>
set -uo pipefail
script=$1
cli=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
export KESTROVA_DEMO_STATE=$state
# shellcheck source=/dev/null
source "$script" || fail "the script does not source"

complete_line() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kestrova_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

expect() {
    local want=$1
    shift
    local got
    got=$(complete_line "$@" | sort | tr '\n' ' ')
    [ "$got" = "$want " ] || fail "completing '$*': got '$got', want '$want'"
}

unset KESTROVA_PIN
expect "save-flash save-settings set" "$cli" s
expect "--demo --device" "$cli" --de
expect "--yes" "$cli" --demo command --y
expect "--yes" "$cli" upload local.bin --y
expect "" "$cli" download events.log --y
expect "--save" "$cli" apply x.kset --s
expect "--sync" "$cli" clock --sy
expect "ZAPUSK" "$cli" command ZAP
expect "--log --log-format" "$cli" line x.kset --lo
expect "jsonl" "$cli" line x.kset --log-format js
expect "--save" "$cli" line --log l.csv x.kset --s
# Without a PIN nothing asks the device.
expect "" "$cli" --demo download ev
export KESTROVA_PIN=1234
expect "events.log" "$cli" --demo download ev
touch "$state/local.bin"
expect "$state/local.bin" "$cli" --demo download events.log "$state/lo"
echo "completion: all cases passed"
