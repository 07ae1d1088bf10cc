#pragma once
// The programs' sounds: wave files beside the executable, played asynchronously;
// nothing is reported back.
#include <string>

namespace glyvane {

// The click of buttons, menus and lists: "data2.dll", named bare, so it is looked up
// from the current directory.
void PlayClickSound();

// catalogue's click: "data2.dll" of the program's folder, found wherever the program
// was started from.
void PlayClickSoundBesideProgram();

// Plays a wave file asynchronously (sndPlaySoundA with SND_ASYNC alone: a missing
// file gives the system's default sound).
void PlaySoundFile(const std::string& file);

// Replaces the player, for tests that check which sounds a command plays; nullptr
// puts the system's player back.
using SoundPlayer = void (*)(const std::string& file);
void SetSoundPlayer(SoundPlayer player);

}  // namespace glyvane
