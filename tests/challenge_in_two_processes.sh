#!/usr/bin/env bash
# The same challenge code gives the same game in separate runs of the console whatever their
# own seeds: the run that made the code and two that typed it play the same inputs, print the
# same states, history and journal, and write the same result file, which verifies.
# Usage: tests/challenge_in_two_processes.sh CLI
set -euo pipefail
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
inputs='buy AAPL 10
option buy call ADBE 50 20 3
alerts world=0
end 40
sell AAPL 4
cheat on
cheat trend 5
end 30
state
history
journal
result game.bqr
quit'
play() { # SEED FIRST-LINE OUT
  printf '%s\n%s\n' "$2" "$inputs" | "$cli" --seed "$1" --data-dir "data$1" > "$3"
  mv game.bqr "$3.bqr"
}
play 1 'challenge new goal=1 short=1 options=1 surprise=1' made
code=$(sed -n 's/^code //p' made)
[ -n "$code" ] || { echo "no code printed"; exit 1; }
play 2 "challenge $code" typed
play 3 "challenge $(echo "$code" | tr 'A-Z-' 'a-z ')" typed_again
grep -v '^code ' made > made.game
cmp made.game typed && cmp typed typed_again || { echo "the same code gave another game"; exit 1; }
cmp made.bqr typed.bqr && cmp typed.bqr typed_again.bqr || { echo "the result files differ"; exit 1; }
"$cli" --verify typed.bqr | grep -q "^verified: $code turn 71 " || { echo "the result does not verify"; "$cli" --verify typed.bqr; exit 1; }
echo "1 passed, 0 failed"
