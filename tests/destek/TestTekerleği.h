#pragma once
// The mouse wheel for tests, delivered as the window system delivers it: to the window, which
// hands it to the control under the pointer; the toolkit then gives the focus by the wheel and
// passes an ignored wheel on to the control's parents.

class QWidget;

// Turns the wheel by çentik notches (positive: away from the user) with the pointer in the
// middle of hedef.
void TekerleğiÇevir(QWidget* hedef, int çentik);
