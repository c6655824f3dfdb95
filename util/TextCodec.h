#pragma once

// Text encodings of the program's files. INX files are Windows-1252 byte for byte; log,
// bet, export, results and link files are written as UTF-8 and read as UTF-8 when the
// bytes are valid UTF-8, else as Windows-1252.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Characters Windows-1252 cannot hold become "?".
QByteArray EncodeWin1252(QStringView aText);
QString DecodeWin1252(QByteArrayView aBytes);

// A UTF-8 or UTF-16 byte-order mark decides; without one the bytes are Windows-1252. What
// the encoding cannot read (a malformed sequence, an unpaired surrogate, a last odd byte of
// UTF-16) becomes U+FFFD, so that the text is always valid Unicode.
QString DecodeAnsiWithBom(const QByteArray& aBytes);

// A byte-order mark decides; without one, UTF-8 when valid, else Windows-1252.
QString DecodeText(const QByteArray& aBytes);

// Splits at CR LF, lone CR and lone LF. A final line break ends the last line and adds
// no empty line after it.
QStringList SplitLines(const QString& aText);
