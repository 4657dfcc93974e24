#!/usr/bin/env bash
# The bash completion of vaneko-cli, in a real bash: each case sets the words of a command line
# as bash splits them (COMP_WORDS, COMP_CWORD), calls the completion function and checks what
# it offers.
#   bash_completion_test.sh COMPLETION_FILE VANEKO_CLI
set -u
export LC_ALL=C.UTF-8
completion="$1"
cli="$2"
# shellcheck source=/dev/null
source "$completion"
failures=0
cases=0

# The candidates for a line whose last word is the one being completed.
offers() {
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$#
  COMP_LINE="vaneko-cli $*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _vaneko_cli
  printf '%s\n' "${COMPREPLY[@]}"
}

fail() {
  echo "FAIL: $*"
  ((failures++))
}

# check MODE WORDS... -- CANDIDATE...: what completing WORDS offers, against the candidates:
# MODE "has", every candidate is offered; "lacks", none is; "exactly", these and no other.
check() {
  local mode="$1"
  shift
  local -a line=()
  while [[ "$1" != "--" ]]; do line+=("$1"); shift; done
  shift
  local got want candidate
  got="$(offers "${line[@]}" | sort)"
  ((cases++))
  case "$mode" in
    has)
      for candidate in "$@"; do
        grep -qxF -- "$candidate" <<<"$got" || fail "[${line[*]}] does not offer [$candidate]; offers: $(head -c 300 <<<"$got" | tr '\n' ' ')"
      done ;;
    lacks)
      for candidate in "$@"; do
        grep -qxF -- "$candidate" <<<"$got" && fail "[${line[*]}] offers [$candidate]"
      done ;;
    exactly)
      want="$(printf '%s\n' "$@" | sort)"
      [[ "$got" == "$want" ]] || fail "[${line[*]}] offers [$(tr '\n' ' ' <<<"$got")], not [$(tr '\n' ' ' <<<"$want")]" ;;
  esac
}
has() { check has "$@"; }
lacks() { check lacks "$@"; }
exactly() { check exactly "$@"; }

# Commands.
exactly "" -- categories units convert keys calc
exactly ca -- categories calc
exactly CONV -- convert
# Options, and their values whether or not "=" breaks the words.
exactly --fo -- --format=plain --format=window
exactly --format = "" -- plain window
exactly --format = pl -- plain
exactly --lang = e -- en
exactly --format=pl -- --format=plain
exactly --lang en "" -- categories units convert keys calc
has keys --st -- --state
has convert --sw -- --swap
# Commands and names after options with a value.
exactly --format = plain conv -- convert
exactly --lang=en un -- units
has --format = plain convert "" -- Distance Temperature
# Categories in both languages and their other names, whatever the case.
has units temp -- Température Temperature
has units TEMP -- Température Temperature
has convert vitesse -- Vitesse
# Units and aliases; names with blanks quoted.
has convert Distance inc -- Inch inches
has convert Distance INC -- Inch inches
has convert Temperature deg -- degC degF "'deg C'" "'degree Celsius'"
has convert Distance Kilomètre "" -- "'*'" Kilomètre
exactly convert Distance mi km "" --
# '*' is offered as a quoted word, and completes from a quote.
has convert Distance mi "'*" -- "'*'"
lacks convert Distance "" -- "'*'"
# The kitchen: a food or a measure first; after a measure the foods, after a food the measures.
has convert Gramme-Volume farine -- "'Farine blé blanche tout usage'"
has convert Gramme-Volume tas -- Tasse
has convert Gramme-Volume Tasse farine -- "'Farine blé blanche tout usage'"
lacks convert Gramme-Volume Tasse "" -- Tasse
has convert Gramme-Volume "'Farine blé blanche tout usage'" "" -- Tasse "'*'"
lacks convert Gramme-Volume "'Farine blé blanche tout usage'" "" -- "'Farine blé blanche tout usage'"
# A quoted word being typed, with a blank inside.
has convert Gramme-Volume "'Farine blé b" -- "'Farine blé blanche tout usage'"
has convert Gramme-Volume "Farine\\ blé\\ b" -- "'Farine blé blanche tout usage'"
# Without a category: every unit.
has convert fahr -- Fahrenheit
has 100 °F in "°" -- °C °F
has 100 -- 
has 60 mph "" -- to in
# The calculator's keys, quoted where they hold a blank.
has keys sin -- Sin "'Sin h'"
has keys SIN -- Sin
has keys 5 "" -- "'N !'" Gamma "'x % de y'" "'*'" + Deg Enter
has keys 5 - "" -- "="
has calc "2 + 3" sq -- Sqrt2 "'Sqrt Pi'"
lacks keys "" -- --state

echo "$cases completion cases, $failures failures"
((failures == 0))
