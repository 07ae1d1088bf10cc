#include "common/system/sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include "common/system/program_folder.h"

namespace glyvane {

namespace {

// winmm is loaded with the first sound, not with the program: loading it starts
// the audio drivers, which would otherwise run during every start-up.
void SystemPlayer(const std::string& file) {
  using SndPlaySound = BOOL(WINAPI*)(LPCSTR, UINT);
  static const auto play = [] {
    const HMODULE winmm = LoadLibraryA("winmm.dll");
    return winmm ? reinterpret_cast<SndPlaySound>(reinterpret_cast<void*>(GetProcAddress(winmm, "sndPlaySoundA")))
                 : nullptr;
  }();
  if (play) play(file.c_str(), SND_ASYNC);
}

SoundPlayer g_player = &SystemPlayer;

}  // namespace

void PlayClickSound() { PlaySoundFile("data2.dll"); }

void PlayClickSoundBesideProgram() { PlaySoundFile(ProgramFolder() + "\\data2.dll"); }

void PlaySoundFile(const std::string& file) { g_player(file); }

void SetSoundPlayer(SoundPlayer player) { g_player = player ? player : &SystemPlayer; }

}  // namespace glyvane
