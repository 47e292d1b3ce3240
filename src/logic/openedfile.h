#pragma once
// A file opened for reading without waiting. Opening a FIFO or a terminal
// waits for a writer or a line, and a look at the path before the open could
// be outrun by a FIFO put in its place: so the path is opened first,
// non-blocking and never as a controlling terminal, and what was opened is
// looked at afterwards. The descriptor stays non-blocking: some files that
// call themselves regular (/proc/kmsg) would make a read wait for ever.
#include <QByteArray>

#include <sys/stat.h>

class OpenedFile {
public:
    // Opens `path` (bytes, as logic/filenamecodec.h gives them).
    explicit OpenedFile(const QByteArray &path);
    ~OpenedFile();
    OpenedFile(const OpenedFile &) = delete;
    OpenedFile &operator=(const OpenedFile &) = delete;

    // The descriptor, -1 when the open failed.
    int fd() const { return m_fd; }
    // Whether what stands at the path is known: opened and looked at, or,
    // where the open itself was refused (a socket, some devices), looked at.
    bool known() const { return m_known; }
    // Whether it is known to be something other than a regular file (a
    // folder, FIFO, device or socket).
    bool isOtherThanRegularFile() const { return m_known && !S_ISREG(m_status.st_mode); }
    // The system's error of the open or the look; 0 when both went well.
    int error() const { return m_error; }

private:
    int m_fd = -1;
    bool m_known = false;
    int m_error = 0;
    struct stat m_status {};
};
