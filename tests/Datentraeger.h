#pragma once
// A small disk of its own for the tests of saving case files: a tmpfs of 64 KiB mounted on a folder, that
// can be filled up. Where the system refuses the mount (no right to it), the case-file store's write call
// fails once the disk is full, as the full disk would, so the same assertions run on every machine.

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <optional>
#include <string>

#include "Fallablage.h"

namespace bda {

// While it lives, every write of a case file fails with `fehler`, as the disk would report it; with 0 it
// takes nothing and gives no reason.
class Schreibfehler {
   public:
    explicit Schreibfehler(int fehler) {
        static int eingespeist;
        eingespeist = fehler;
        datei::Fallablage::schreibaufruf = [](int, const void*, std::size_t) -> ssize_t {
            errno = eingespeist;
            return errno ? -1 : 0;
        };
    }
    ~Schreibfehler() { datei::Fallablage::schreibaufruf = ::write; }
    Schreibfehler(const Schreibfehler&) = delete;
};

class Datentraeger {
   public:
    explicit Datentraeger(const QString& ordner) : ordner_(QFile::encodeName(ordner).toStdString()) {
        eingehängt_ = ::mount("tmpfs", ordner_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~Datentraeger() {
        if (eingehängt_) ::umount2(ordner_.c_str(), MNT_DETACH);
    }
    Datentraeger(const Datentraeger&) = delete;

    // Not one more byte fits (ENOSPC).
    void füllen() {
        if (!eingehängt_) {
            schreibfehler_.emplace(ENOSPC);
            return;
        }
        const int datei = ::open((ordner_ + "/füllung").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        while (::write(datei, "x", 1) > 0) {
        }
        ::close(datei);
    }

   private:
    std::string ordner_;
    bool eingehängt_ = false;
    std::optional<Schreibfehler> schreibfehler_;
};

}  // namespace bda
