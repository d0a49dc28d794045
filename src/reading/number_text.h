#pragma once

#include "reading/fixed_text.h"

namespace quendal {

// Long enough for the longest form: sign, 15 digits, point, "E-308".
using NumberText = FixedText<32>;

// The text form of a number that the digit groups are cut from.
// Rounds to 15 significant digits and writes
//   - "0" for zero;
//   - the fixed form for exponents 0..14 ("14.2893518518519", "45", "1E+15" is not fixed);
//   - the fixed form without a leading zero for values below 1 whose digits fit in
//     15 places after the point (".05", ".333333333333333");
//   - otherwise the scientific form ("3.33333333333333E-02", "1E+15").
// The untrimmed form starts with a blank in place of the sign of a value that is not
// negative, and with "-" for a negative one ("-2"). Never allocates.
NumberText numberText(double value) noexcept;

// The same without the blank that stands for the sign.
NumberText trimmedNumberText(double value) noexcept;

}  // namespace quendal
