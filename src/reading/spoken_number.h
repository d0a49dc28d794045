#pragma once

#include <string>

#include "reading/reading.h"

namespace quendal {

// The number a Reading's digit groups show ("41" "19" "17" "995", "" "57" "87" "037",
// "3" "47" "22" "E-2"), written as one decimal number for a screen reader to say:
// "41.1917995", "0.5787037", "0.034722". The digits are those shown, none added or
// dropped.
std::string spokenNumber(const Reading& reading);

}  // namespace quendal
