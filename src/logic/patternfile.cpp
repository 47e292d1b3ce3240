#include "logic/patternfile.h"

#include "logic/filenamecodec.h"
#include "logic/openedfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <optional>

#include <unistd.h>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

ReadResult refused(int line, PatternProblem problem)
{
    ReadResult r;
    r.problem = problem;
    r.errorLine = line;
    return r;
}

QByteArray trimBlanks(const QByteArray &field)
{
    qsizetype from = 0;
    qsizetype to = field.size();
    while (from < to && isBlank(field.at(from)))
        ++from;
    while (to > from && isBlank(field.at(to - 1)))
        --to;
    return field.mid(from, to - from);
}

// The first byte that no text file of numbers holds: 0 for NUL, else the
// byte; nothing when every byte may stand in a line. Printable characters are
// left to the field check, which can then show the offending text safely.
std::optional<int> badByte(const QByteArray &line)
{
    for (const char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0 || (b < 0x20 && c != '\t') || b >= 0x7f) return b;
    }
    return std::nullopt;
}

ReadResult unreadable(const QString &systemReason)
{
    ReadResult r = refused(0, PatternProblem::Unreadable);
    r.systemReason = systemReason;
    return r;
}

ReadResult refusedField(int line, PatternProblem problem, const QByteArray &field)
{
    constexpr int kShown = 20;
    ReadResult r = refused(line, problem);
    r.field = QString::fromLatin1(field.left(kShown));
    if (field.size() > kShown) r.field += QLatin1String("...");
    return r;
}

// One field, its blanks trimmed: its value 0..63, or why it is refused.
struct Field {
    std::int16_t value = 0;
    PatternProblem problem = PatternProblem::None;
};

Field readField(const QByteArray &field)
{
    if (field.isEmpty()) return {};
    if (!std::all_of(field.begin(), field.end(), isDigit)) {
        if (field.startsWith('+') || field.startsWith('-')) return {0, PatternProblem::SignedValue};
        return {0, PatternProblem::NotWholeNumber};
    }
    int value = 0;
    for (const char c : field)
        value = std::min(value * 10 + (c - '0'), kMaxDotNumber + 1); // capped: no overflow
    if (value > kMaxDotNumber) return {0, PatternProblem::NotDotNumber};
    return {static_cast<std::int16_t>(value), PatternProblem::None};
}

} // namespace

QByteArray formatPattern(const DotPath &path)
{
    QByteArray out;
    out.reserve(4 * kPathLength);
    for (const PathEntry &entry : path) {
        if (entry) out += QByteArray::number(*entry);
        out += "\r\n";
    }
    return out;
}

WriteResult writePatternFile(const QString &filePath, const DotPath &path)
{
    return writeFileAtomically(filePath, formatPattern(path), AtLink::Replace);
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(u'\0'));
}

std::optional<TestTargetProblem> testTargetProblem(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (info.isSymLink()) return TestTargetProblem::SymbolicLink;
    if (!info.exists()) return std::nullopt;
    if (!info.isFile()) return TestTargetProblem::NotRegularFile;
    if (info.size() == 0) return std::nullopt;
    if (info.canonicalFilePath() ==
        QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath())
        return TestTargetProblem::ProgramItself;
    if (!readPatternFile(filePath).ok) return TestTargetProblem::NotPatternFile;
    return std::nullopt;
}

QString patternFilePath(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

ReadResult parsePattern(const QByteArray &bytes)
{
    if (bytes.isEmpty()) return refused(0, PatternProblem::Empty);
    ReadResult result;
    int lineNumber = 0;
    qsizetype pos = 0;
    // A line end closes its line; only bytes after it open another one, so a
    // final CR LF does not add a field.
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0) end = bytes.size();
        QByteArray line = bytes.mid(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (line.endsWith('\r')) line.chop(1);
        if (const auto bad = badByte(line)) {
            ReadResult r = refused(lineNumber, *bad == 0 ? PatternProblem::NulByte
                                                         : PatternProblem::ByteNotText);
            r.byte = *bad;
            return r;
        }
        if (result.values.size() == kPatternValues) {
            if (trimBlanks(line).isEmpty()) continue; // trailing empty lines are harmless
            return refused(lineNumber, PatternProblem::TooManyValues);
        }
        for (const QByteArray &raw : line.split(',')) {
            if (result.values.size() == kPatternValues)
                return refused(lineNumber, PatternProblem::TooManyValues);
            const QByteArray text = trimBlanks(raw);
            const Field field = readField(text);
            if (field.problem != PatternProblem::None)
                return refusedField(lineNumber, field.problem, text);
            result.values.push_back(field.value);
        }
    }
    result.ok = true;
    return result;
}

ReadResult readPatternFile(const QString &filePath)
{
    const OpenedFile file(encodeFileName(filePath));
    if (file.isOtherThanRegularFile()) return refused(0, PatternProblem::NotRegularFile);
    if (file.fd() < 0 || !file.known()) return unreadable(qt_error_string(file.error()));
    // One byte more than allowed tells a too large file from one just at the limit.
    QByteArray bytes(kMaxPatternFileBytes + 1, Qt::Uninitialized);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t n = ::read(file.fd(), bytes.data() + size, size_t(bytes.size() - size));
        if (n == 0) break;
        if (n > 0) {
            size += n;
        } else if (errno != EINTR) {
            const int err = errno;
            if (err == EAGAIN || err == EWOULDBLOCK) return refused(0, PatternProblem::NotRegularFile);
            return unreadable(qt_error_string(err));
        }
    }
    if (size > kMaxPatternFileBytes) return refused(0, PatternProblem::TooLarge);
    bytes.truncate(size);
    return parsePattern(bytes);
}

Pattern patternFromValues(const std::vector<std::int16_t> &values)
{
    Pattern pattern{};
    std::copy_n(values.begin(), std::min(values.size(), pattern.size()), pattern.begin());
    return pattern;
}
