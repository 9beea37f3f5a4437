#pragma once

#include <QString>

// The program's start: title, single copy, system gate, program folder, database, settings
// name, highlight colour, printer check and the main window, in this order.
void Main();

// The system's version record, as the gate reads it.
struct SürümKaydı
{
    int platform = 0; // 1: the consumer line of 32-bit Windows, 2: the NT line, 0: anything else
    int ana = 0;
    int ara = 0;
    quint32 yapı = 0;
    QString servisPaketi;
};

enum class SistemKararı { Geçer, Metin15, Metin20 };

// Whether a system with this version record may run the program, and which text refuses it.
SistemKararı İşletimSistemiKararı(const SürümKaydı& kayıt);

// The record of the running system; on systems other than Windows, platform 0.
SürümKaydı SistemSürümü();

// Ends the program with text 15 or 20 when the running system is too old; errors are ignored.
void İşletimSistemiDenetle();
void İşletimSistemiDenetle(const SürümKaydı& kayıt); // the same for a given record
