# bash completion for corvane-comment: the command first, then file names.

_corvane_comment()
{
    local cur prev words cword
    _init_completion || return

    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W 'get show set erase --help --version' -- "$cur"))
        return
    fi
    case ${words[1]} in
        get | show | set | erase) _filedir ;;
    esac
} &&
    complete -F _corvane_comment corvane-comment
