#pragma once

#include "platform/Platform.h"

#include <QString>

// The program's start: title, single copy, system gate, program folder, data folder, database,
// settings name, highlight colour, printer check and the main window, in this order.
void Main();

enum class SistemKararı { Geçer, Metin15, Metin20 };

// Whether a system with this version record may run the program, and which text refuses it.
SistemKararı İşletimSistemiKararı(const SürümKaydı& kayıt);

// Ends the program with text 15 or 20 when the running system is too old; errors are ignored.
void İşletimSistemiDenetle();
void İşletimSistemiDenetle(const SürümKaydı& kayıt); // the same for a given record
