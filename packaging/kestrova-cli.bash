# bash completion for kestrova-cli
# Commands and options always; the device's file names only when KESTROVA_PIN is set, asked of the device with
# --wait 0 so that completing never waits for a device or prompts for a PIN.

_kestrova_cli_device_files()
{
    [ -n "${KESTROVA_PIN:-}" ] || return 0
    local demo=
    local word
    for word in "${COMP_WORDS[@]}"; do
        [ "$word" = --demo ] && demo=--demo
    done
    "${COMP_WORDS[0]}" $demo --wait 0 --english ls < /dev/null 2> /dev/null | cut -f1 | sed 's/\\t/\t/g; s/\\n/ /g'
}

_kestrova_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD-1]}
    local commands="devices info get set save-flash dump save-settings compare apply ls upload download rm mv clock command line"
    local options="--demo --device --pin --pin-file --wait --json --english --help --version"

    case $prev in
        --pin-file | --log) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --log-format) COMPREPLY=($(compgen -W "csv jsonl" -- "$cur")); return ;;
        --pin | --wait | --count) COMPREPLY=(); return ;;
        # The ports and serial numbers of the controllers connected now; listing them needs no PIN.
        --device)
            COMPREPLY=($(compgen -W "$("${COMP_WORDS[0]}" --english devices < /dev/null 2> /dev/null | cut -f1,2 | tr '\t' ' ')" -- "$cur"))
            return ;;
    esac

    local command= position=0 i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --pin | --pin-file | --wait | --device | --log | --log-format | --count) ((i++)) ;;
            -*) ;;
            *) if [ -z "$command" ]; then command=${COMP_WORDS[i]}; else ((position++)); fi ;;
        esac
    done

    if [[ $cur == -* ]]; then
        case $command in
            set) options+=" --force" ;;
            apply) options+=" --yes --save --force" ;;
            upload) options+=" --yes" ;;
            clock) options+=" --sync" ;;
            command) options+=" --yes" ;;
            line) options+=" --log --log-format --count --save" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    if [ -z "$command" ]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi
    local IFS=$'\n'
    case $command:$position in
        save-settings:0 | compare:0 | apply:0 | line:0 | upload:0 | download:1)
            COMPREPLY=($(compgen -f -- "$cur")) ;;
        download:0 | rm:0 | mv:0)
            COMPREPLY=($(compgen -W "$(_kestrova_cli_device_files)" -- "$cur")) ;;
        command:0)
            COMPREPLY=($(compgen -W $'ZAPUSK\nSTOPZAPUSK\nHORN\nSTAT0\nSTAT1\nSTAT3' -- "$cur")) ;;
        *) COMPREPLY=() ;;
    esac
}

complete -F _kestrova_cli kestrova-cli
