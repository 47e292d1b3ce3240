#include "logic/filenamecodec.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the well-formed UTF-8 sequence (RFC 3629: no overlong forms,
// no surrogates, nothing above U+10FFFF) starting at `at`, or 0.
qsizetype sequenceLength(const QByteArray &bytes, qsizetype at)
{
    const auto lead = static_cast<uchar>(bytes[at]);
    if (lead < 0x80) return 1;
    qsizetype length = 0;
    uchar low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    for (qsizetype k = 1; k < length; ++k) {
        const auto next = static_cast<uchar>(bytes[at + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return 0;
    }
    return length;
}

} // namespace

QString decodeFileName(const QByteArray &bytes)
{
    QString name;
    qsizetype from = 0; // start of the well-formed run not yet decoded
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (const qsizetype length = sequenceLength(bytes, at)) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + from, at - from);
        name += QChar(kEscapeBase + static_cast<uchar>(bytes[at]));
        from = ++at;
    }
    return name + QString::fromUtf8(bytes.constData() + from, at - from);
}

QByteArray encodeFileName(const QString &name)
{
    QByteArray bytes;
    qsizetype from = 0; // start of the text not yet encoded
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t c = name[at].unicode();
        // The low half of a surrogate pair is a character, not a byte.
        if (c < kEscapeBase + 0x80 || c > kEscapeBase + 0xFF ||
            (at > 0 && name[at - 1].isHighSurrogate()))
            continue;
        bytes += QStringView(name).mid(from, at - from).toUtf8();
        bytes += static_cast<char>(c - kEscapeBase);
        from = at + 1;
    }
    return bytes + QStringView(name).mid(from).toUtf8();
}
