#include "platform/MulDiv.h"

#include <cstdint>
#include <limits>

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t product = int64_t(a) * b;
    const int64_t divisor = c;
    int64_t quotient = product / divisor;
    const int64_t remainder = product % divisor;
    // |remainder| < |divisor| <= 2^31, so doubling it cannot overflow.
    const int64_t absRemainder = remainder < 0 ? -remainder : remainder;
    const int64_t absDivisor = divisor < 0 ? -divisor : divisor;
    if (2 * absRemainder >= absDivisor) quotient += ((product < 0) != (divisor < 0)) ? -1 : 1;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max()) return -1;
    return int(quotient);
}
