#pragma once
// Permission bits in tests run as root: root passes them all, so a folder
// made read-only with chmod stays writable for it. While an object of this
// class lives, the file access of the calling thread is checked as for the
// user "nobody" (file-system user and group ids, which change nothing else);
// for any other user the bits count already and nothing changes.

#include <QFile>
#include <QString>

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

class AlsFremderBenutzer
{
public:
    static constexpr unsigned Niemand = 65534;

    AlsFremderBenutzer()
    {
        if (geteuid() != 0)
            return;
        setfsgid(Niemand);
        setfsuid(Niemand);
        // setfsuid answers with the id before the call: a second call tells.
        aktiv = unsigned(setfsuid(Niemand)) == Niemand;
    }
    ~AlsFremderBenutzer()
    {
        if (geteuid() != 0)
            return;
        setfsuid(0);
        setfsgid(0);
    }
    AlsFremderBenutzer(const AlsFremderBenutzer &) = delete;
    AlsFremderBenutzer &operator=(const AlsFremderBenutzer &) = delete;

    // Whether the bits count now (as "nobody", or as a user who is not root).
    bool Wirksam() const { return aktiv || geteuid() != 0; }

private:
    bool aktiv = false;
};

// Runs `aktion` while the file `pfad` cannot be read: no permissions,
// checked as for another user (root reads anything), with its folder and
// the one above open to that user. Threads started meanwhile are checked
// alike.
template<typename Aktion>
auto Unlesbar(const QString &pfad, Aktion aktion)
{
    const QString ordner = pfad.left(pfad.lastIndexOf('/'));
    const auto offen = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                       | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QFile::setPermissions(ordner + "/..", offen);
    QFile::setPermissions(ordner, offen);
    QFile::setPermissions(pfad, {});
    const AlsFremderBenutzer fremd;
    EXPECT_TRUE(fremd.Wirksam());
    return aktion();
}
