// Installing the font file shown.
#include <gtest/gtest.h>

#include "font_folders.h"

namespace glyvane::test {
namespace {
}  // namespace
}  // namespace glyvane::test
