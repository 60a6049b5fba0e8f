#pragma once

#include "TFMain.h"

namespace vantorel {

// What the main screen opens until the billing screens, the sales summary and the utilities menu are part of
// the program: a screen that says so (the utilities one already offers the rights screen).
MainScreenOpeners StandInOpeners();

} // namespace vantorel
