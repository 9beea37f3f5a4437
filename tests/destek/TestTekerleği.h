#pragma once
// Turns the wheel by çentik notches (positive: away from the user) over the middle of hedef, as
// the window system does: to the window, which hands it on to the control under the pointer.
class QWidget;
void TekerleğiÇevir(QWidget* hedef, int çentik);
