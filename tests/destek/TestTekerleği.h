#pragma once
// The mouse wheel as the window system delivers it: to the window, which hands it on to the
// control under the pointer.
class QWidget;

// Turns the wheel by çentik notches (positive: away from the user) over the middle of hedef.
void TekerleğiÇevir(QWidget* hedef, int çentik);
