#pragma once
#include <QString>
#include <functional>

// Plays a system sound by its event name; true when it could be played.
using TonSpieler = std::function<bool(const QString &ereignis, bool warten)>;

// The system sound "default" (the bell).
bool StandardTonSpielen(bool warten);
// The system sound "systemasterisk" (an information chime), in the background.
bool SternTonSpielen();

// Tests replace the player; an empty function restores the system's.
void TonSpielerFestlegen(TonSpieler spieler);
