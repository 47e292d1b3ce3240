#include "shell/standardstreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

ClosedStreams openClosedStandardStreams()
{
    const auto reopen = [](int fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) return false;
        // The lowest free descriptor is this one: those below are open by now.
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
        return true;
    };
    ClosedStreams closed;
    closed.input = reopen(0);
    closed.output = reopen(1);
    closed.error = reopen(2);
    return closed;
}
