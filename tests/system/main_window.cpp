#include "main_window.h"

#include "common/system/sounds.h"
#include "common/system/system_registry.h"

namespace glyvane::test {

void MainWindowTest::SetUp() {
  EndStrayGlyvanes();
  ClearGlyvaneSettings();
  SetSoundPlayer(&RecordSound);
  g_sounds.clear();
}

void MainWindowTest::TearDown() {
  form.reset();
  SetSoundPlayer(nullptr);
  ClearGlyvaneSettings();
}

void MainWindowTest::Start() { Start(SystemRegistry()); }

void MainWindowTest::Start(RegistryStore& registry) {
  form = std::make_unique<Form1>(registry);
  ASSERT_TRUE(form->Start());
  form->ShowMain(SW_SHOWNORMAL);
  PumpFor(50ms);
  main = form->hwnd();
  g_sounds.clear();
}

}  // namespace glyvane::test
