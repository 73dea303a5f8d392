#!/bin/sh
# scripts/run-bench must pass a failing benchmark on as its own failure, app-level one included.
set -u
script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for name in passes fails; do
    printf '#!/bin/sh\n%s\n' "$([ $name = passes ] && echo 'exit 0' || echo 'exit 3')" >"$scratch/$name"
    chmod +x "$scratch/$name"
done
mkdir "$scratch/bin"
status=0
VZ_BENCH_BIN=$scratch/bin VZ_BENCH_NEXT=$scratch/passes VZ_BENCH_APP=$scratch/passes "$script" >/dev/null ||
    { echo "a passing app benchmark failed the run"; status=1; }
VZ_BENCH_BIN=$scratch/bin VZ_BENCH_NEXT=$scratch/passes VZ_BENCH_APP=$scratch/fails "$script" >/dev/null &&
    { echo "a failing app benchmark passed the run"; status=1; }
cp "$scratch/fails" "$scratch/bin/bench_broken"
VZ_BENCH_BIN=$scratch/bin VZ_BENCH_NEXT=$scratch/passes VZ_BENCH_APP=$scratch/passes "$script" >/dev/null &&
    { echo "a failing core benchmark passed the run"; status=1; }
exit $status
