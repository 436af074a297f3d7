# bash completion for q7ctl
_q7ctl_players()
{
    # Names and addresses of the settings file in the current folder (or of --settings FILE).
    local file="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == --settings ]] && file=${COMP_WORDS[i + 1]}
    done
    if [[ -z $file ]]; then
        file=$(find . -maxdepth 1 -iname 'Q7_Configuration_V3.ini' -print -quit 2>/dev/null)
    fi
    [[ -r $file ]] && sed -n 's/\r$//; s/^\(IP\|NAME\)_[0-9]*=//p' "$file"
}

_q7ctl()
{
    local cur prev words cword
    _init_completion || return

    local commands="players scan send config message bitmap list files"
    local command="" sub="" arg="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            -*) ;;
            *)
                [[ ${words[i - 1]} == --@(settings|from|out|root|player|kind|name|port|wait|parallel|address|date|start|end|server|codepage|font|size|fore|back|save) ]] && continue
                if [[ -z $command ]]; then
                    command=${words[i]}
                elif [[ ($command == config || $command == list || $command == send) && -z $sub ]]; then
                    sub=${words[i]}
                elif [[ $command == send && -z $arg ]]; then
                    arg=${words[i]}
                fi
                ;;
        esac
    done

    case $prev in
        --settings | --from) _filedir; return ;;
        --out | --root | --save) _filedir -d; return ;;
        --player)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$(_q7ctl_players)" -- "$cur"))
            return
            ;;
        --kind) COMPREPLY=($(compgen -W "play down upload delete" -- "$cur")); return ;;
        --name) COMPREPLY=($(compgen -W "single date time datetime title" -- "$cur")); return ;;
        --codepage) COMPREPLY=($(compgen -W "english big5 gb2312 shift-jis korean" -- "$cur")); return ;;
        --fore | --back)
            COMPREPLY=($(compgen -W "black white red lime blue yellow cyan aqua magenta fuchsia silver gray grey maroon
                olive green purple teal navy orange pink brown gold violet indigo darkred darkgreen darkblue lightgray
                skyblue clBlack clMaroon clGreen clOlive clNavy clPurple clTeal clGray clSilver clRed clLime clYellow
                clBlue clFuchsia clAqua clWhite" -- "$cur"))
            return
            ;;
        --port | --wait | --parallel | --address | --date | --start | --end | --server | --font | --size) return ;;
    esac

    local shared="--settings --player --all --port --wait --parallel --json --help"
    local options=""
    case "$command $sub" in
        "players ") options="--ping --history --settings --player --all --json --help" ;;
        "scan ") options="--address --add --settings --json --help" ;;
        "config get" | "files ") options="--out $shared" ;;
        "config put") options="--keep-address $shared" ;;
        "config set") options="--check $shared" ;;
        "config diff") options="$shared" ;;
        "message ") options="--codepage --allow-substitution $shared" ;;
        "bitmap ") options="--font --size --fore --back --save $shared" ;;
        send\ *) options="--yes $shared" ;;
        "list build") options="--kind --root --from --name --date --start --end --server --out --json --help" ;;
        "list remote") options="--json --help" ;;
    esac

    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    elif [[ $command == config && -z $sub ]]; then
        COMPREPLY=($(compgen -W "get put set diff" -- "$cur"))
    elif [[ $command == list && -z $sub ]]; then
        COMPREPLY=($(compgen -W "build remote" -- "$cur"))
    elif [[ $command == send && -z $sub && $cur != -* ]]; then
        COMPREPLY=($(compgen -W "reboot refresh osd-on osd-off scrolling-on scrolling-off volume mute playmode
            download-now download-from-server upload-now smb-now erase-hdd put-list delete-files restore-config" -- "$cur"))
    elif [[ $command == send && -z $arg && $cur != -* && ($sub == playmode || $sub == put-list) ]]; then
        [[ $sub == playmode ]] && COMPREPLY=($(compgen -W "single date time datetime repeat stop" -- "$cur"))
        [[ $sub == put-list ]] && COMPREPLY=($(compgen -W "down play upload" -- "$cur"))
    elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ "$command $sub" == "config put" || "$command $sub" == "list remote" || "$command $sub" == "send put-list" ||
        "$command $sub" == "send delete-files" || "$command $sub" == "send restore-config" ]]; then
        _filedir
    fi
} &&
    complete -F _q7ctl q7ctl
