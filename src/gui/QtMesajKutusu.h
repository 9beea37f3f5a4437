#pragma once

#include "common/OrtakApilerModülü.h"

// The program's real message box: a modal QMessageBox with Qt's Turkish button texts. It has no
// owner, so nothing but the armed centring (MesajKutusunuOrtala) decides where it stands.
Yanıt QtMesajKutusu(const Mesaj& mesaj);
