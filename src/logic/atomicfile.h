#pragma once
// Writing a whole file, all or nothing: the pattern files and the bitmaps.
#include <QByteArray>
#include <QString>

struct WriteResult {
    bool ok = false;
    QString error; // the system's reason when !ok, to show next to the file name
};

// What becomes of a symbolic link where the file is to be written.
enum class AtLink {
    WriteThrough, // the file it leads to is written, as an editor does
    Replace,      // the link itself is replaced by the file; what it led to stays untouched
};

// Writes `bytes` to `filePath`, replacing a file of that name. The bytes go to
// a new file beside the target that is renamed over it only once every byte is
// written and on disk; on any failure the new file is removed, an existing file
// keeps its previous content, and the error is the system's reason ("No space
// left on device"). A replaced file's permissions carry over; a new one gets
// the user's default (0666 less the umask). `filePath` may carry bytes that are
// not UTF-8 as logic/filenamecodec.h has them. Since the rename replaces
// whatever has the name at that moment, AtLink::Replace never writes through a
// link, even one put there after any earlier look.
WriteResult writeFileAtomically(const QString &filePath, const QByteArray &bytes,
                                AtLink atLink = AtLink::WriteThrough);

// Creates `folder` and any missing folder above it, as `mkdir -p` does. The
// error is the system's reason for the first one that cannot be made ("Read-only
// file system", "Permission denied"; "Not a directory" where something else
// has its name).
WriteResult makeFolder(const QString &folder);
