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
# A program of the system a check needs is missing: the check fails under CI
# (CI=true), where scripts/install-deps installs it, and is skipped, saying so,
# on a developer's machine.
required_tool() { # <what>
  if [ "${CI:-}" = true ]; then
    echo "FAIL!  : $1 is not installed, and under CI (CI=true) a check that needs it fails instead of skipping"
    failures=$((failures + 1))
  else
    echo "SKIP   : $1 is not installed on this machine (scripts/install-deps installs it; under CI=true this fails)"
  fi
}
