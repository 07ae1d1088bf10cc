#include "common/win/sounds.h"

#include <windows.h>
#include <mmsystem.h>

namespace glyvane {

namespace {

void SystemPlayer(const std::string& file) { sndPlaySoundA(file.c_str(), SND_ASYNC); }

SoundPlayer g_player = &SystemPlayer;

}  // namespace

void PlayClickSound() { PlaySoundFile("data2.dll"); }

void PlaySoundFile(const std::string& file) { g_player(file); }

void SetSoundPlayer(SoundPlayer player) { g_player = player ? player : &SystemPlayer; }

}  // namespace glyvane
