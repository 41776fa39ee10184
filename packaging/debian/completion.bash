# bash completion for pelvane, pelvane-cli, orvanta and orvanta-cli.
# Commands, options, manual commands and the parameter fields of
# "machine set" are read from the programs' own --help texts (once per
# shell), so they always match the installed version; files are offered by
# the extensions each command reads.

declare -gA _pv_help_cache

# The --help text of "$1 $2 --help" (or "$1 --help"), cached.
_pv_help()
{
    local key="$1|${2-}"
    if [[ ! -v _pv_help_cache[$key] ]]; then
        if [[ -n ${2-} ]]; then
            _pv_help_cache[$key]=$("$1" "$2" --help 2>/dev/null)
        else
            _pv_help_cache[$key]=$("$1" --help 2>/dev/null)
        fi
    fi
    printf '%s\n' "${_pv_help_cache[$key]}"
}

# Every option a --help text names.
_pv_options()
{
    grep -oE -- '(^|[][ |(,])--?[a-zA-Z][-a-zA-Z]*' | sed -E 's/^[][ |(,]//' | sort -u
}

# The first word of each row of the block after the line $1, up to a blank line.
_pv_block()
{
    awk -v head="$1" '$0 == head { on = 1; next } on && NF == 0 { exit } on { print $1 }'
}

_pv_pattern_files()
{
    _filedir '@(plt|hpg|hpgl|hgl|dxf)'
}

_pv_cli()
{
    local cur prev words cword
    _init_completion -n = || return

    local tool=${words[0]} command="" sub="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --home | --ini | --set | --machine | --timeout | -o | --out | --record | --port | --bind | \
                --fault | --speed | --jobs | --copies | --for | --save)
                ((i++)) ;;
            -*) ;;
            *)
                if [[ -z $command ]]; then
                    command=${words[i]}
                elif [[ -z $sub ]]; then
                    sub=${words[i]}
                fi
                ;;
        esac
    done

    case $prev in
        --home)
            _filedir -d
            return ;;
        --ini | --save)
            _filedir ini
            return ;;
        --record | --out)
            _filedir -d
            return ;;
        -o)
            case $command in
                render) _filedir png ;;
                export) _filedir '@(plt|hpgl)' ;;
                *) _filedir ;;
            esac
            return ;;
        --set | --machine | --timeout | --port | --bind | --speed | --jobs | --copies | --for | --fault)
            return ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$(_pv_help "$tool" | _pv_options)" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$(_pv_help "$tool" | _pv_block 'commands:')" -- "$cur"))
        fi
        return
    fi

    local help
    help=$(_pv_help "$tool" "$command")
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_pv_options <<<"$help")" -- "$cur"))
        return
    fi

    case $command in
        read | export | render | prepare | print)
            _pv_pattern_files ;;
        firmware)
            _filedir kxfw ;;
        task)
            if [[ -z $sub ]]; then
                COMPREPLY=($(compgen -W "create" -- "$cur"))
                _filedir pvtask
            elif [[ $sub == create ]]; then
                # the task file to write, then the patterns it lists
                local n=0
                for ((i = 1; i < cword; i++)); do [[ ${words[i]} == *.pvtask ]] && ((n++)); done
                if ((n == 0)); then _filedir pvtask; else _pv_pattern_files; fi
            fi
            ;;
        machine)
            case $sub in
                "")
                    COMPREPLY=($(compgen -W "$(sed -nE 's/^(usage:)? +machine ([a-z-]+).*/\2/p' <<<"$help")" \
                        -- "$cur")) ;;
                set)
                    local fields
                    fields=$(awk '/^Fields and their ranges/ { on = 1; next }
                                  on && /^  [A-Za-z][A-Za-z0-9]* +-?[0-9]+ to / { print $1 }' <<<"$help")
                    compopt -o nospace
                    COMPREPLY=($(compgen -W "$fields" -S = -- "$cur")) ;;
                command)
                    COMPREPLY=($(compgen -W "$(_pv_block 'Commands:' <<<"$help")" -- "$cur")) ;;
            esac
            ;;
        settings)
            _filedir ini ;;
    esac
}

_pv_window()
{
    local cur prev words cword
    _init_completion || return
    case $prev in
        --home)
            _filedir -d
            return ;;
        --port)
            return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_pv_help "${words[0]}" | _pv_options)" -- "$cur"))
        return
    fi
    _filedir pvtask
}

complete -F _pv_cli pelvane-cli orvanta-cli
complete -F _pv_window pelvane orvanta

# ex: filetype=sh
