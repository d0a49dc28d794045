#!/usr/bin/env bash
# The Windows program computes on SSE2 in both its builds: no x87 arithmetic in the code
# that computes the Reading, the clock's time and the window's handlers, so that the
# 32-bit program computes every Reading bit for bit as the 64-bit one, which the
# end-to-end cases run. (Moving values in and out of the x87 registers, as the 32-bit
# calling convention does for results, is exact and allowed.)
# Usage: sse_arithmetic_test.sh OBJDUMP LIBRARY...
set -euo pipefail
objdump=$1
shift
x87='\s(fadd|faddp|fiadd|fsub|fsubp|fsubr|fsubrp|fisub|fisubr|fmul|fmulp|fimul|fdiv|fdivp|fdivr|fdivrp|fidiv|fidivr|fsqrt|fprem|fprem1|frndint|fscale)\b'
status=0
for library in "$@"; do
    found=$("$objdump" -d "$library" | grep -cE "$x87" || true)
    if [ "$found" -eq 0 ]; then
        echo "ok: no x87 arithmetic in $(basename "$library")"
    else
        echo "FAIL: $found x87 arithmetic instructions in $(basename "$library"):"
        "$objdump" -d "$library" | grep -E "$x87" | head -n 5
        status=1
    fi
done
exit $status
