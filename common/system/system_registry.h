#pragma once
// The Windows registry behind RegistryStore (RegCreateKeyA, RegQueryValueExA,
// RegSetValueExA), and the one instance the programs use.
#include "common/registry_store.h"

namespace glyvane {

RegistryStore& SystemRegistry();

}  // namespace glyvane
