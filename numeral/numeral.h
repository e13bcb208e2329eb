// The numeral engine: digit arrays, change of base, and the readers and
// writers of the decimal, hexadecimal and base-n texts. No window code, no
// state between calls, no allocation during a conversion.
#pragma once

#include "base_n_text.h"
#include "decimal_hex_text.h"
#include "digit_array.h"
