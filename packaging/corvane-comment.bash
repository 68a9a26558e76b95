# bash completion for corvane-comment: the command first, then file names; --new-sidecar-name= and its two
# values before the command or after set.

_corvane_comment()
{
    local cur prev words cword split
    _init_completion -s || return

    if [[ $prev == --new-sidecar-name ]]; then
        COMPREPLY=($(compgen -W 'with-extension without-extension' -- "$cur"))
        return
    fi
    $split && return

    # The command is the first word that is not the option.
    local i command=
    for ((i = 1; i < cword; i++)); do
        [[ ${words[i]} == --new-sidecar-name=* ]] && continue
        command=${words[i]}
        break
    done
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W 'get show set erase --help --version --new-sidecar-name=' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi
    case $command in
        set)
            if [[ $cur == --n* ]]; then
                COMPREPLY=($(compgen -W '--new-sidecar-name=' -- "$cur"))
                compopt -o nospace
                return
            fi
            _filedir
            ;;
        get | show | erase) _filedir ;;
    esac
} &&
    complete -F _corvane_comment corvane-comment
