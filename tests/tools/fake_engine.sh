#!/bin/sh
# An engine that speaks the protocol but always answers the same move, given as $1
# ("pass" or any text), for the match tool's tests.
while read -r line; do
  case "$line" in
    usi) echo "id name fake"; echo "usiok" ;;
    isready) echo "readyok" ;;
    go*) echo "info depth 1 score 0"; echo "bestmove $1" ;;
    quit) exit 0 ;;
  esac
done
