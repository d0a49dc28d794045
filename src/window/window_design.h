#pragma once

#include "platform/design.h"

namespace quendal {

// The strip window as designed: ten controls in one row and the refresh timer.
const FormDesign& windowDesign();

}  // namespace quendal
