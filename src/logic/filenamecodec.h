#pragma once
// File names are bytes to the system, and need not be UTF-8 ("caf\xe9.txt",
// written under a Latin-1 locale). Qt decodes them as UTF-8 and turns every
// byte that is not into U+FFFD, so such a name can be shown but no longer
// opened. These two keep every byte: a byte 0x80..0xFF outside a well-formed
// UTF-8 sequence becomes the lone surrogate U+DC80..U+DCFF in the text, and
// back. A name that is UTF-8 gives the same text as QFile::decodeName.
#include <QByteArray>
#include <QString>

QString decodeFileName(const QByteArray &bytes);

// The bytes of `name`: UTF-8, with each lone U+DC80..U+DCFF back as its byte.
// encodeFileName(decodeFileName(b)) == b for every b.
QByteArray encodeFileName(const QString &name);
