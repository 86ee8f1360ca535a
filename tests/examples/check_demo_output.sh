#!/usr/bin/env bash
# Runs the demo host on one script headless and checks its output: every line of the expected
# file must appear, in that order (other lines may come between), and the exit status must match.
#   check_demo_output.sh <vxdemo> <script> <expected lines> <expected exit status> <out dir>
set -uo pipefail
demo=$1 script=$2 expected=$3 status=$4 out=$5
rm -rf "$out" && mkdir -p "$out"
output=$("$demo" --headless --out "$out" "$script" 2>&1)
actual=$?
printf '%s\n' "$output"
if [[ $actual -ne $status ]]; then
    echo "FAIL: exit status $actual, expected $status"
    exit 1
fi
remaining=$output
lineno=0
while IFS= read -r wanted || [[ -n $wanted ]]; do
    lineno=$((lineno + 1))
    [[ -z $wanted || $wanted == '#'* ]] && continue
    rest=${remaining#*"$wanted"}
    if [[ $rest == "$remaining" ]]; then
        echo "FAIL: expected line $lineno not found (in order): $wanted"
        exit 1
    fi
    remaining=$rest
done < "$expected"
for png in $(grep -o 'captured ".*" to .*\.png' <<< "$output" | sed 's/.* to //'); do
    if [[ ! -s $png ]]; then
        echo "FAIL: screenshot $png missing or empty"
        exit 1
    fi
done
echo "PASS"
