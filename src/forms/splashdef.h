#pragma once
// The splash window's fixed definition: one frame covering the window, the logo
// picture and eight labels whose Tags name their string-table texts.
#include "forms/formdef.h"

namespace forms {

const FormDef &splashDef();

} // namespace forms
