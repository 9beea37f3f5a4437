#pragma once

class Hata;

// Decides what follows an unexpected error of a trapping procedure:
// 3043/3044 -> network message, end; 3051 -> file message, end; 3356 and 482 -> nothing;
// anything else -> the error's number and description with Yes (go on) and No (end at once).
// Returns when the caller is to go on with its next step.
void HataYönet(const Hata& hata);
