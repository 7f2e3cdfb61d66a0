#pragma once

// Read-only files and folders for tests that run as root, as they do in build containers: root
// ignores file permissions, so such a test takes the identity of an ordinary user for a while.

#include <QFile>
#include <QString>

#include <sys/types.h>
#include <unistd.h>

namespace OrdinaryUser {

// The user "nobody" of Debian.
constexpr uid_t nobody = 65534;

// Makes path (a file or a folder) readable and, for a folder, searchable by everybody, and
// writable by nobody but root. A read-only file or folder for the ordinary user.
inline bool makeReadOnly(const QString& path)
{
    const QFile::Permissions read = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions search = QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
    return QFile::setPermissions(path, read | search);
}

// Opens a folder to everybody (the temporary folders are private to their owner).
inline bool makeOpen(const QString& path)
{
    return QFile::setPermissions(path,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser
            | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

// While it lives, the process runs as the ordinary user when it was root (real and effective
// user ids, so that access checks agree with the kernel; the saved id stays root to come back).
// An ordinary user stays as is: permissions already apply to it. active() is false when the
// switch was needed and failed; the caller then skips its test.
class Scope {
public:
    Scope()
    {
        if (geteuid() != 0)
            return;
        switched = setresuid(nobody, nobody, 0) == 0;
        failed = !switched;
    }
    ~Scope()
    {
        if (switched && setresuid(0, 0, 0) != 0)
            qFatal("cannot become root again");
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    bool active() const { return !failed; }

private:
    bool switched = false;
    bool failed = false;
};

} // namespace OrdinaryUser
