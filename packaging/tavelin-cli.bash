# bash completion for tavelin-cli: commands, options, the values of --format, --progress and
# --srec-type, the languages as `tavelin-cli --help` names them for --lang, files, and device names
# as `tavelin-cli devices` lists them for the program folder of the line's --folder (or the
# default one).

_tavelin_cli() {
    local commands="devices read write verify blank checksum convert diff help"
    local options="--device --input -i --output -o --block --byte --verify --port --baud --settle
                   --folder --format --srec-type --progress --lang --help --version"
    local valued=" --device --input -i --output -o --block --byte --port --baud --settle --folder
                   --format --srec-type --progress --lang "
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    # bash splits --opt=value at the '=' into three words.
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD-2]}
    fi

    local i word command= folder=
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        [[ ${COMP_WORDS[i+1]} == = ]] && ((i++))
        if [[ $word == --folder ]]; then
            folder=${COMP_WORDS[i+1]}
        fi
        if [[ $valued == *" $word "* ]]; then
            ((i++))
        elif [[ -z $command && $word != -* ]]; then
            command=$word
        fi
    done

    COMPREPLY=()
    case $prev in
        --format) _tavelin_cli_offer -W "text hex bin srec" ;;
        --progress) _tavelin_cli_offer -W "bar json none" ;;
        --srec-type) _tavelin_cli_offer -W "1 2 3" ;;
        --lang)
            # The help's indented option line reads "--lang ja|en".
            local languages
            languages=$("${COMP_WORDS[0]}" --help 2>/dev/null |
                sed -n 's/^ .*--lang \([^ ]*\).*/\1/p' | tr '|' ' ')
            _tavelin_cli_offer -W "$languages"
            ;;
        --device)
            # Names may hold spaces, so they are matched line by line.
            local name
            while IFS= read -r name; do
                [[ $name == "$cur"* ]] && COMPREPLY+=("$name")
            done < <("${COMP_WORDS[0]}" devices ${folder:+--folder "$folder"} 2>/dev/null | cut -f1)
            ;;
        --folder) _tavelin_cli_offer -d ;;
        --port) cur=${cur:-/dev/tty} _tavelin_cli_offer -f ;;
        --block | --byte | --baud | --settle) ;;
        -i | --input | -o | --output) _tavelin_cli_offer -f ;;
        *)
            if [[ $cur == -* ]]; then
                _tavelin_cli_offer -W "$options"
            elif [[ -z $command || $command == help ]]; then
                _tavelin_cli_offer -W "$commands"
            else
                _tavelin_cli_offer -f
            fi
            ;;
    esac
}

# The words compgen finds for $cur, one a line, so file names with spaces stay whole.
_tavelin_cli_offer() {
    mapfile -t COMPREPLY < <(compgen "$@" -- "$cur")
}
complete -F _tavelin_cli tavelin-cli
