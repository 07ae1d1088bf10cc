#pragma once

namespace glyvane {

// The user's decimal separator (',' in a French locale).
char UserDecimalSeparator();

}  // namespace glyvane
