#pragma once
// A copy of the built program in a temporary program folder with a fresh Tsr.vtb, and the
// environment that keeps a run of it away from the real home: its own program-files, settings,
// data, run-time and socket folders, on the environment's platform: its X server, or offscreen
// when it names neither a platform nor a display.

#include <QProcessEnvironment>
#include <QTemporaryDir>

class ProgramKopyası
{
public:
    // program: the built program file (by default the TESSARO_PROGRAM variable).
    explicit ProgramKopyası(const QString& program = qEnvironmentVariable("TESSARO_PROGRAM"));

    bool Hazır() const { return hazır_; }
    QString Program() const;        // the copied program file
    QString ProgramKlasörü() const; // ends in '/'
    QString SoketKlasörü() const;   // the runs' XDG_RUNTIME_DIR: where the single-copy socket is
    QProcessEnvironment Ortam() const;

private:
    QString Yol(const char* ad) const;
    QTemporaryDir kök_;
    bool hazır_ = false;
};
