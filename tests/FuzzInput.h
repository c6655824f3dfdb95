#pragma once

// Seeded mutations of real input files, for the tests that feed hostile files to the readers:
// random bytes, tabs and ";" put in or taken out, numbers far beyond any field's range, cut
// lines, a file cut short, mixed line ends and bytes that are no UTF-8. Every case draws from a
// generator of its own, made from the run's seed and the case number, so that one case can be
// replayed alone (NORVADEL_FUZZ_SEED, NORVADEL_FUZZ_CASE).

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QStringEncoder>

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iterator>

// The seed of a run: NORVADEL_FUZZ_SEED when set, else aDefault.
inline quint32 FuzzSeed(quint32 aDefault)
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("NORVADEL_FUZZ_SEED").toUInt(&ok);
    return ok ? seed : aDefault;
}

// False for every case but NORVADEL_FUZZ_CASE when it is set.
inline bool FuzzCaseWanted(int aCase)
{
    bool ok = false;
    const int only = qEnvironmentVariable("NORVADEL_FUZZ_CASE").toInt(&ok);
    return !ok || only == aCase;
}

// The generator of case aCase; aStream keeps the runs of different readers apart.
inline QRandomGenerator FuzzGenerator(quint32 aSeed, quint32 aStream, int aCase)
{
    const quint32 seeds[] = {aSeed, aStream, quint32(aCase)};
    return QRandomGenerator(seeds);
}

// The case under way is told when the process dies of a signal (a crash, or a sanitizer's
// report, which aborts with abort_on_error=1); a failed check names it itself. The line is made
// when the case starts, so that telling it takes no more than a write. (POSIX: the tests run on
// Linux.)
namespace FuzzDetail {
inline char gCaseLine[256] = "";
inline struct sigaction gPrevious[NSIG];

inline void OnFatalSignal(int aSignal)
{
    [[maybe_unused]] const auto written = ::write(2, gCaseLine, std::strlen(gCaseLine));
    // Then whatever handled the signal before: the test library's report, or the default.
    sigaction(aSignal, &gPrevious[aSignal], nullptr);
    raise(aSignal);
}
} // namespace FuzzDetail

inline void FuzzCaseStart(const char* aReader, quint32 aSeed, int aCase)
{
    static const bool installed = [] {
        struct sigaction action = {};
        action.sa_handler = FuzzDetail::OnFatalSignal;
        sigemptyset(&action.sa_mask);
        for (const int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
            sigaction(signal, &action, &FuzzDetail::gPrevious[signal]);
        return true;
    }();
    Q_UNUSED(installed);
    std::snprintf(FuzzDetail::gCaseLine, sizeof FuzzDetail::gCaseLine,
                  "FUZZ CASE: %s, seed %u, case %d (NORVADEL_FUZZ_SEED=%u NORVADEL_FUZZ_CASE=%d replays it)\n", aReader,
                  aSeed, aCase, aSeed, aCase);
}

// Texts that read as numbers, or nearly: beyond every range and every integer, signed,
// hexadecimal, zero-filled, digits of other scripts (Arabic-Indic three, full-width five).
// clang-format off
inline constexpr const char* kFuzzNumbers[] = {
    "99999999999999999999", "4710", "-1", "0", "61", "0x3C", "$3C", "$FFFFFFFF", "-$1", "2147483647", "2147483648",
    "-2147483648", "4294967296", "+7", "0000000000000000000000007", "123456789012345678901234567890", " 7 ",
    "\xd9\xa3", "\xef\xbc\x95", "1e3", "3,5", "None", ""};
// clang-format on

// Byte runs that are no UTF-8: a lone lead byte, a stray continuation byte, an overlong form, a
// surrogate, a code beyond U+10FFFF, bytes that never occur.
inline constexpr const char* kFuzzBadUtf8[] = {"\xc3", "\x80", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                                               "\xff", "\xfe"};

// aBytes with one to four random mutations.
inline QByteArray FuzzMutate(const QByteArray& aBytes, QRandomGenerator& aRandom)
{
    QByteArray bytes = aBytes;
    const auto position = [&] { return qsizetype(aRandom.bounded(qint64(bytes.size()) + 1)); };
    const auto pick = [&](const auto& aTexts) { return QByteArray(aTexts[aRandom.bounded(int(std::size(aTexts)))]); };
    // The place of aChar nearest after a random position (wrapping around); -1 when there is none.
    const auto find = [&](char aChar) {
        const qsizetype from = position();
        const qsizetype at = bytes.indexOf(aChar, from);
        return at >= 0 ? at : bytes.indexOf(aChar);
    };
    const int rounds = aRandom.bounded(1, 5);
    for (int r = 0; r < rounds; ++r) {
        switch (aRandom.bounded(15)) {
        case 0: // a random byte in place of another
            if (!bytes.isEmpty())
                bytes[qsizetype(aRandom.bounded(qint64(bytes.size())))] = char(aRandom.bounded(256));
            break;
        case 1: // a random byte more, NUL and control bytes included
            bytes.insert(position(), char(aRandom.bounded(256)));
            break;
        case 2:
            bytes.insert(position(), aRandom.bounded(2) ? '\t' : ';');
            break;
        case 3: { // a tab or ";" less
            const qsizetype at = find(aRandom.bounded(2) ? '\t' : ';');
            if (at >= 0)
                bytes.remove(at, 1);
            break;
        }
        case 4: { // a number replaced by an odd one
            qsizetype at = position();
            while (at < bytes.size() && (bytes[at] < '0' || bytes[at] > '9'))
                ++at;
            qsizetype end = at;
            while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9')
                ++end;
            bytes.replace(at, end - at, pick(kFuzzNumbers));
            break;
        }
        case 5:
            bytes.insert(position(), pick(kFuzzNumbers));
            break;
        case 6: { // a line cut: the rest of a line from a random place
            const qsizetype at = position();
            const qsizetype end = bytes.indexOf('\n', at);
            bytes.remove(at, (end < 0 ? bytes.size() : end) - at);
            break;
        }
        case 7: // the file cut short
            bytes.truncate(position());
            break;
        case 8: { // other line ends
            const char* const ends[] = {"\r\n", "\r", "\n\n", "\r\r\n"};
            const QByteArray end = ends[aRandom.bounded(4)];
            if (aRandom.bounded(2)) {
                bytes.replace("\n", end);
            } else {
                const qsizetype at = find('\n');
                if (at >= 0)
                    bytes.replace(at, 1, end);
            }
            break;
        }
        case 9:
            bytes.insert(position(), pick(kFuzzBadUtf8));
            break;
        case 10: { // a line dropped or repeated
            QList<QByteArray> lines = bytes.split('\n');
            const int at = aRandom.bounded(int(lines.size()));
            const QByteArray line = lines[at];
            if (aRandom.bounded(2))
                lines.removeAt(at);
            else
                lines.insert(at, line);
            bytes = lines.join('\n');
            break;
        }
        case 11: { // a field repeated: the text from one tab or ";" to the next
            const char separator = aRandom.bounded(2) ? '\t' : ';';
            const qsizetype at = find(separator);
            if (at < 0)
                break;
            qsizetype end = bytes.indexOf(separator, at + 1);
            const qsizetype lineEnd = bytes.indexOf('\n', at + 1);
            if (end < 0 || (lineEnd >= 0 && lineEnd < end))
                end = lineEnd < 0 ? bytes.size() : lineEnd;
            bytes.insert(at, bytes.mid(at, end - at));
            break;
        }
        case 12: // a byte-order mark, which may not fit the bytes after it
            bytes.prepend(aRandom.bounded(2) ? QByteArray("\xef\xbb\xbf") : QByteArray("\xff\xfe"));
            break;
        case 13: { // the whole text as UTF-16 with its mark, as some editors save it
            QStringEncoder encoder(aRandom.bounded(2) ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                                   QStringConverter::Flag::WriteBom);
            bytes = encoder(QString::fromUtf8(bytes));
            break;
        }
        default: // a very long line
            bytes.insert(position(), QByteArray(aRandom.bounded(1000, 5000), aRandom.bounded(2) ? '7' : 'x'));
            break;
        }
    }
    return bytes;
}
