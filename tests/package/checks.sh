# The checks the package tests share; sourced, with `failures` counting what failed.
failures=0
check() { # <what> <command...>
  local what=$1
  shift
  if "$@"; then
    echo "PASS   : $what"
  else
    echo "FAIL!  : $what"
    failures=$((failures + 1))
  fi
}
same() { [ "$1" = "$2" ] || { printf '  got:      %s\n  expected: %s\n' "$1" "$2"; false; }; }
