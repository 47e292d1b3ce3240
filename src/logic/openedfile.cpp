#include "logic/openedfile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

OpenedFile::OpenedFile(const QByteArray &path)
{
    m_fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) m_error = errno;
    m_known = m_fd >= 0 ? ::fstat(m_fd, &m_status) == 0 : ::stat(path.constData(), &m_status) == 0;
    if (m_fd >= 0 && !m_known) m_error = errno;
}

OpenedFile::~OpenedFile()
{
    if (m_fd >= 0) ::close(m_fd);
}
