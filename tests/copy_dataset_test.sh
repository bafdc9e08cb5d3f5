#!/usr/bin/env bash
# The build's copy of a shipped data set next to the programs: each row is what stands there
# before a build, the shipped file then, and what must stand there after.
# Usage: copy_dataset_test.sh CMAKE COPY_SCRIPT
set -u
cmake=$1
script=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

copy() {  # copy SHIPPED_CONTENT: one build's copy step
    printf '%s' "$1" >"$dir/shipped.csv"
    "$cmake" -DSOURCE="$dir/shipped.csv" -DDESTINATION="$dir/bin.csv" -DRECORD="$dir/record" \
        -P "$script" >/dev/null
}

failed=0
#   before      shipped first  shipped next  expected after
rows=(
    "(none)      1,2,3          1,2,3         1,2,3"  # a fresh build gets the shipped file
    "(none)      1,2,3          4,5,6         4,5,6"  # an unchanged copy follows the shipped one
    "7,7,7       1,2,3          1,2,3         7,7,7"  # a user's own file stays
    "(copy)+9    1,2,3          4,5,6         1,2,3,9"  # so does a copy the user changed
)
for row in "${rows[@]}"; do
    read -r before first next expected <<<"$row"
    rm -f "$dir/bin.csv" "$dir/record"
    case $before in
        "(none)") ;;
        "(copy)+9") copy "$first" && printf ',9' >>"$dir/bin.csv" ;;
        *) printf '%s' "$before" >"$dir/bin.csv" ;;
    esac
    copy "$first"
    copy "$next"
    actual=$(cat "$dir/bin.csv")
    if [ "$actual" != "$expected" ]; then
        echo "before $before, shipped $first then $next: found $actual, expected $expected"
        failed=1
    fi
done
exit $failed
