#include "shell/module1.h"

namespace Module1 {
Pattern LoadedPattern{};
} // namespace Module1
