#pragma once
// Faults for tests that run as root, where permission bits stop nothing: an immutable file or
// folder (chattr +i) and a tiny disk that fills up (a tmpfs mount). Both are undone when the
// object goes. Kurulu() is false when the system refused; the test then skips.

#include <QString>

class Değişmez
{
public:
    explicit Değişmez(QString yol);
    ~Değişmez();
    Değişmez(const Değişmez&) = delete;
    Değişmez& operator=(const Değişmez&) = delete;
    bool Kurulu() const { return kurulu_; }

private:
    QString yol_;
    bool kurulu_ = false;
};

class KüçükDisk
{
public:
    // Mounts a tmpfs of the given size on the (existing, empty) folder.
    KüçükDisk(QString klasör, int kilobayt);
    ~KüçükDisk();
    KüçükDisk(const KüçükDisk&) = delete;
    KüçükDisk& operator=(const KüçükDisk&) = delete;
    bool Kurulu() const { return kurulu_; }

private:
    QString klasör_;
    bool kurulu_ = false;
};
