// Scaling of integer coordinates by a ratio, as the mapping and zoom code needs it.
#pragma once

// a * b / c computed in 64 bits and rounded half away from zero.
// Returns -1 when c is 0 or the result does not fit in an int.
int MulDiv(int a, int b, int c);
