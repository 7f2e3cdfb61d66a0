#pragma once

// A file system of 64 KiB, for the tests of a full disk: a tmpfs mounted on a folder of its own
// while the object lives, unmounted when it goes, whatever the test did. Only root may mount
// one; elsewhere isMounted() is false and the caller skips its test.

#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

class SmallFileSystem {
public:
    SmallFileSystem()
        : mounted(geteuid() == 0 && folder.isValid()
              && ::mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs", 0, "size=64k,mode=0777") == 0)
    {
    }
    ~SmallFileSystem()
    {
        if (mounted)
            ::umount2(QFile::encodeName(folder.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool isMounted() const { return mounted; }
    QString path() const { return folder.path(); }

    // Fills the file system with a file of its own until at most bytes are free.
    bool fillLeaving(qint64 bytes) const
    {
        struct statvfs info { };
        if (::statvfs(QFile::encodeName(folder.path()).constData(), &info) != 0)
            return false;
        const qint64 free = qint64(info.f_bavail) * qint64(info.f_frsize);
        QFile filler(folder.path() + "/.filler");
        return free <= bytes
            || (filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(free - bytes, 'x')) == free - bytes
                && filler.flush());
    }

private:
    QTemporaryDir folder;
    bool mounted = false;
};
