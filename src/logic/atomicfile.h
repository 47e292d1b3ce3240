#pragma once
// Writing a whole file, all or nothing: the pattern files and the bitmaps.
#include <QByteArray>
#include <QString>

struct WriteResult {
    bool ok = false;
    QString error; // the system's reason when !ok, to show next to the file name
};

// Writes `bytes` to `filePath`, replacing a file of that name. The bytes go to
// a temporary file beside the target that is renamed over it only once every
// byte is written and flushed; on any failure the temporary is removed, an
// existing file keeps its previous content, and the error is the system's
// reason ("No space left on device").
WriteResult writeFileAtomically(const QString &filePath, const QByteArray &bytes);

// Creates `folder` and any missing folder above it, as `mkdir -p` does. The
// error is the system's reason for the first one that cannot be made ("Read-only
// file system", "Permission denied"; "Not a directory" where something else
// has its name).
WriteResult makeFolder(const QString &folder);
