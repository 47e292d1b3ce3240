#pragma once
// The pattern file: what the editor's Test writes and File > Open reads back.
//
// Format as written: 64 lines, one for each path entry in order; a line holds
// the entry's dot number in decimal (no sign, blanks or leading zeros), "0" for
// an entry cleared to 0, and nothing for an empty entry. Every line, the last
// included, ends in CR LF. So a file is 128 bytes (all empty) to 256 bytes.
#include "logic/atomicfile.h"
#include "logic/gridstate.h"
#include "logic/pattern.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int kPatternValues = 64;                 // the most values a file may hold
inline constexpr int kMaxDotNumber = 63;                  // values are dot numbers 0..63
inline constexpr qint64 kMaxPatternFileBytes = 64 * 1024; // larger files are refused unread

// The 64 lines of `path` in the format above. Entries are written as they
// stand; a path only ever holds 0..63.
QByteArray formatPattern(const DotPath &path);

// Writes formatPattern(path) to `filePath`, replacing a file of that name, all
// or nothing (see logic/atomicfile.h). A symbolic link of that name is
// replaced, never written through: the file it leads to stays as it was.
WriteResult writePatternFile(const QString &filePath, const DotPath &path);

// Whether the answer to the Test prompt names a file directly in the folder
// Test writes to: false for the empty name, "." and "..", and names holding
// "/", "\\" or a NUL character (which would name another folder or be cut
// short).
bool isPlainFileName(const QString &name);

// Why Test must not write a file (see testTargetProblem).
enum class TestTargetProblem {
    SymbolicLink,   // live or dangling: it would lead out of the folder
    NotRegularFile, // a folder, FIFO, device or socket
    ProgramItself,  // the running program
    NotPatternFile, // a non-empty file that does not read as a pattern file
};

// Why Test must not write `filePath`, or nothing when it may: a new name, an
// empty file and a pattern file (pressing Test twice rewrites it) are fine;
// a symbolic link, anything but a regular file, the running program itself and
// any other non-empty file that does not read as a pattern file are refused.
std::optional<TestTargetProblem> testTargetProblem(const QString &filePath);

// Where Test writes: folder + "/" + name, the name exactly as typed (no
// extension added, nothing trimmed).
QString patternFilePath(const QString &folder, const QString &name);

// Reading rules. Values are fields separated by commas or line ends (LF or
// CR LF); a field is a whole decimal number 0..63 (leading zeros allowed),
// optionally with spaces or tabs around it, and an empty field (e.g. an empty
// line) reads as 0. The line end after the last line does not start another
// field, and a last line may lack its line end. Empty lines after the 64th
// value are ignored.
//
// Refused, with nothing read: an empty file (it holds no pattern), a field that
// is not a whole number 0..63 (signs, decimals, exponents, hex, other text),
// more than 64 values, NUL or any other byte that is not a digit, blank, comma
// or line end (a CR counts only right before a LF or as the last byte; a
// byte-order mark is refused too), a file larger than kMaxPatternFileBytes,
// anything that is not a regular file (a folder, a FIFO, a device: reading
// those could block for ever; it is opened without waiting and refused by what
// the open found, so a FIFO swapped in after any earlier look is refused too),
// a file whose read would wait (refused as not a regular file), and a file
// that cannot be read. `filePath` may carry bytes that are not
// UTF-8 as logic/filenamecodec.h has them.
//
// A refusal is a value, for the widgets to put into words: the problem, the
// line it is on, and its data.
enum class PatternProblem {
    None,           // read: the file is a pattern file
    Empty,          // the file holds no byte at all
    NulByte,        // the line holds a NUL byte
    ByteNotText,    // the line holds `byte`, a control byte or one above 0x7e
    SignedValue,    // `field` has a sign
    NotWholeNumber, // `field` is not a whole decimal number
    NotDotNumber,   // `field` is a whole number above 63
    TooManyValues,  // the file holds more than 64 values
    TooLarge,       // the file is larger than kMaxPatternFileBytes
    NotRegularFile, // a folder, FIFO, device or socket
    Unreadable,     // the file cannot be opened or read: `systemReason`
};

struct ReadResult {
    bool ok = false;                  // exactly when problem is None
    std::vector<std::int16_t> values; // 1..64 values, each 0..63, when ok
    PatternProblem problem = PatternProblem::None;
    int errorLine = 0; // 1-based line of the first fault; 0 for the file as a whole
    // The faulty field, blanks trimmed: its first 20 bytes, then "..." if cut.
    QString field;
    int byte = 0;         // ByteNotText: the byte, 0x01..0xff
    QString systemReason; // Unreadable: the system's reason ("Permission denied")
};

ReadResult parsePattern(const QByteArray &bytes);
ReadResult readPatternFile(const QString &filePath);

// The stored pattern a file's values make: exactly those values, the rest 0
// (nothing of an earlier pattern survives). Values beyond the 64th are ignored.
Pattern patternFromValues(const std::vector<std::int16_t> &values);
