# bash completion for netquill-cli: its commands, each command's options, the
# names of formats and notations, and files where files are read.
_netquill_cli()
{
    local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD-1]}
    local commands="convert calc plan list range aggregate grep common except diff compare count vlsm ula eui64 nat64 plan-file help"
    # The plan options as netquill-cli's own help lists them, one a line.
    local plan
    plan="$(netquill-cli help plan 2>/dev/null | sed -n 's/^  \(--[a-z0-9-]*\) .*/\1/p') --rfc3021 --cloud"
    local common="--crlf --help --version"

    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$current"))
        return
    fi
    case $previous in
        --format)
            case ${COMP_WORDS[1]} in
                list|vlsm|compare|count) COMPREPLY=($(compgen -W "tsv csv txt html jsonl" -- "$current")) ;;
                plan-file) COMPREPLY=($(compgen -W "tsv csv txt html jsonl netbox phpipam infoblox" -- "$current")) ;;
                *) COMPREPLY=($(compgen -W "text json" -- "$current")) ;;
            esac
            return ;;
        --from)
            if [ "${COMP_WORDS[1]}" = convert ]; then
                COMPREPLY=($(compgen -W "dotted decimal hex octal binary" -- "$current"))
            fi
            return ;;
        --family)
            COMPREPLY=($(compgen -W "4 6" -- "$current"))
            return ;;
        --cloud)
            COMPREPLY=($(compgen -W "aws azure gcp oci" -- "$current"))
            return ;;
        --save|--import|-f)
            COMPREPLY=($(compgen -f -- "$current"))
            return ;;
        --threads|--section|--subnet|--subnet-mask|--mask-bits|--subnets|--host-bits|--hosts|--min-hosts|--min-addresses|--count)
            return ;;
    esac
    local options
    case ${COMP_WORDS[1]} in
        help) COMPREPLY=($(compgen -W "$commands" -- "$current")); return ;;
        convert) options="--from --family --format" ;;
        calc) options="--format --cloud" ;;
        plan) options="$plan --format" ;;
        list) options="$plan --format --no-header --from --count" ;;
        range) options="" ;;
        aggregate|common|except) options="--ranges --family --threads" ;;
        diff) options="--ranges --family --threads -q --quiet" ;;
        grep) options="-e -f -v -c -o -x -n -H -h -q --threads" ;;
        compare|count) options="--format --no-header --family --threads" ;;
        vlsm) options="--rfc3021 --cloud --format --no-header --save" ;;
        ula) options="--count --subnet --format" ;;
        eui64) options="--format" ;;
        nat64) options="--format" ;;
        plan-file) options="--format --no-header --import --save --section" ;;
    esac
    if [[ $current == -* ]]; then
        COMPREPLY=($(compgen -W "$options $common" -- "$current"))
    else
        case ${COMP_WORDS[1]} in
            aggregate|grep|common|except|diff|compare|count|plan-file) COMPREPLY=($(compgen -f -- "$current")) ;;
        esac
    fi
}
complete -F _netquill_cli netquill-cli
