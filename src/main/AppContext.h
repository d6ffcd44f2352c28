#pragma once

#include "core/ReferenceData.h"
#include "core/RegisterState.h"

#include <filesystem>

class UserPrompts;

// What the windows share: the reference tables, the open register, the seam to the user and the
// folder of the reference files. Owned by main() (or a test) and outlives every window.
struct AppContext {
    svidary::ReferenceData& refs;
    svidary::RegisterState& reg;
    UserPrompts& prompts;
    std::filesystem::path filesDir;
};
