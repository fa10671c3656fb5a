# bash completion for slotsmith(1): its commands, their options, sounds|models and folders.
#
# To add a command, add one line to the usage table below, in the order `slotsmith --help` lists
# the commands: its name, then its words as its usage line shows them. DB and DIR complete a
# folder, PATH a folder or a file (a library source: a database, a pack or a backup), BANK completes sounds|models, LIBRARY the library's commands, any other upper-case word (SLOTS) is typed by hand;
# --flag is an option alone, --option= an option followed by a value; after " -- " comes a short
# description, which zsh shows. The zsh completion (_slotsmith) has the same table, line for
# line. scripts/check-install.sh fails while a command or option of `slotsmith --help` is
# missing from either.

_slotsmith() {
  local -A usage=(
    [check]='DB -- exit 0 when DB is a Neuron database, 1 when it is not'
    [list]='DB BANK --json --match= -- print the 1000 slots of a bank'
    [names]='DB -- write the name lists SoundNames and ModelNames'
    [copy]='DB BANK SLOTS --to= --yes --dry-run -- insert copies of slots as one block at --to'
    [move]='DB BANK SLOTS --to= --yes --dry-run -- move slots as one block to --to'
    [delete]='DB BANK SLOTS --yes --dry-run -- delete slots; they stay empty'
    [remove]='DB BANK SLOTS --yes --dry-run -- remove slots; the later slots close the gaps'
    [replace]='DB --find= --with= --sounds= --yes --dry-run -- replace one model by another'
    [consolidate]='DB --from= --yes --dry-run -- remove every unused model and close the gaps'
    [sort]='DB BANK SLOTS --by= --yes --dry-run -- sort a block among its slots by name, or sounds by model'
    [compact]='DB BANK SLOTS --yes --dry-run -- close the gaps of a block, its slots keeping their order'
    [demo]='DIR --full -- write a demo database into DIR'
    [duplicates]='DB --json --ignore-model-names -- print the groups of identical models and sounds'
    [diff]='DB A B --only-differences -- print two sounds side by side'
    [rename]='DB BANK SLOT NAME --from= --yes --dry-run -- rename one slot, or many from a names file'
    [import]='DB --from= SLOTS --to= --models= --yes --dry-run -- import sounds or models from another database'
    [dedupe]='DB --ignore-model-names --yes --dry-run -- fold identical models into the lowest of each group'
    [undo]='DB --yes --dry-run -- undo the newest edit still in place'
    [redo]='DB --yes --dry-run -- redo the edit undone last'
    [history]='DB --clear --adopt --yes -- list the edits to undo or redo; --clear deletes the undo data, --adopt makes history made elsewhere yours'
    [doctor]='DB --fix --adopt --yes --clear-aside= -- show leftovers of interrupted edits; --fix clears a lock whose process is gone and sets a stuck edit aside'
    [export]='DB SLOTS --to= -- write sounds with the models they use to a sound pack (.zip)'
    [backup]='DB --to= -- write the whole database to one .tar.zst file'
    [verify]='FILE -- check a backup against the sums of its manifest'
    [restore]='FILE --to= --yes --dry-run -- restore a backup into a new folder or a database'
    [library]='LIBRARY PATH --library= --json --id= --off --tag= --pattern= --to= --yes --dry-run -- your sound library: its sources, search, where, at-risk, your tags, favourites, notes and rules, their export and import, rebuild, lists and banks placed from them'
  )
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  if ((COMP_CWORD == 1)); then
    mapfile -t COMPREPLY < <(compgen -W "${!usage[*]} --help --version" -- "$cur")
    return
  fi
  local usage_line=${usage[${COMP_WORDS[1]:-?}]}
  [[ -n $usage_line ]] || return

  local -a positionals=() options=(--help) valued=()
  local word
  for word in ${usage_line%% -- *}; do
    case $word in
      --*=) valued+=("${word%=}") ;;
      --*) options+=("$word") ;;
      *) positionals+=("$word") ;;
    esac
  done
  # The value of an option is typed by hand (bash splits --to=5 into --to, = and 5).
  if [[ $prev == = || " ${valued[*]} " == *" $prev "* ]]; then
    return
  fi
  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "${options[*]} ${valued[*]}" -- "$cur")
    return
  fi

  # Which positional argument is being typed: count those before it, skipping option values.
  local i count=0
  for ((i = 2; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ " ${valued[*]} " == *" $word "* ]]; then
      [[ ${COMP_WORDS[i + 1]} == = ]] && ((i++))
      ((i++))
    elif [[ $word != -* ]]; then
      ((count++))
    fi
  done
  case ${positionals[count]} in
    DB | DIR)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -d -- "$cur")
      ;;
    PATH)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      ;;
    BANK) mapfile -t COMPREPLY < <(compgen -W 'sounds models' -- "$cur") ;;
    LIBRARY) mapfile -t COMPREPLY < <(compgen -W 'add remove sources refresh search where at-risk tag fav hide note rules categorize export import rebuild list place create show move rename delete' -- "$cur") ;;
  esac
}
complete -F _slotsmith slotsmith
