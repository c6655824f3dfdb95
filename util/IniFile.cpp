#include "util/IniFile.h"

#include "util/Exceptions.h"
#include "util/SafeFile.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QFile>
#include <QLocale>

namespace {

// A key line "key=value" that is neither a header nor a comment, with a non-empty key.
bool KeyLine(const QString& aLine, QStringView& aKey, QStringView& aValue)
{
    const QStringView line(aLine);
    const QStringView trimmed = line.trimmed();
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'['))
        return false;
    const qsizetype equal = line.indexOf(u'=');
    if (equal < 0)
        return false;
    aKey = line.left(equal).trimmed();
    aValue = line.mid(equal + 1).trimmed();
    return !aKey.isEmpty();
}

QString OneLine(QString aValue)
{
    aValue.replace(u'\r', u' ');
    aValue.replace(u'\n', u' ');
    return aValue;
}

const QLocale& BrazilianLocale()
{
    static const QLocale locale = [] {
        QLocale l(QLocale::Portuguese, QLocale::Brazil);
        l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return l;
    }();
    return locale;
}
} // namespace

TIniFile::TIniFile(const QString& aFileName, bool aWriteThrough) : FFileName(aFileName), FWriteThrough(aWriteThrough)
{
    Load(false);
}

void TIniFile::Refresh(bool aForChange) const
{
    if (FWriteThrough)
        Load(aForChange);
}

void TIniFile::Load(bool aForChange) const
{
    FLines.clear();
    QFile file(FFileName);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        if (aForChange)
            throw EInOutError(
                QStringLiteral("Não foi possível ler o arquivo %1: %2").arg(FFileName, file.errorString()));
        return;
    }
    FLines = SplitLines(DecodeText(file.readAll()));
}

void TIniFile::Changed()
{
    if (FWriteThrough)
        UpdateFile();
}

qsizetype TIniFile::FindSection(const QString& aSection) const
{
    QStringView name;
    for (qsizetype i = 0; i < FLines.size(); ++i) {
        if (IniSectionName(FLines[i], name) && SameTextAscii(name, aSection))
            return i;
    }
    return -1;
}

qsizetype TIniFile::SectionEnd(qsizetype aHeader) const
{
    QStringView name;
    qsizetype i = aHeader + 1;
    while (i < FLines.size() && !IniSectionName(FLines[i], name))
        ++i;
    return i;
}

qsizetype TIniFile::FindKey(qsizetype aHeader, const QString& aKey) const
{
    if (aHeader < 0)
        return -1;
    const qsizetype end = SectionEnd(aHeader);
    QStringView key, value;
    for (qsizetype i = aHeader + 1; i < end; ++i) {
        if (KeyLine(FLines[i], key, value) && SameTextAscii(key, aKey))
            return i;
    }
    return -1;
}

QString TIniFile::ReadString(const QString& aSection, const QString& aKey, const QString& aDefault) const
{
    Refresh(false);
    const qsizetype line = FindKey(FindSection(aSection), aKey);
    if (line < 0)
        return aDefault;
    QStringView key, value;
    KeyLine(FLines[line], key, value);
    return value.toString();
}

int TIniFile::ReadInteger(const QString& aSection, const QString& aKey, int aDefault) const
{
    QString text = ReadString(aSection, aKey, QString());
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        text = u'$' + text.mid(2);
    int value = 0;
    return TryStrToInt(text, value) ? value : aDefault;
}

bool TIniFile::ReadBool(const QString& aSection, const QString& aKey, bool aDefault) const
{
    const QString text = ReadString(aSection, aKey, QString());
    if (SameTextAscii(text, u"True"))
        return true;
    if (SameTextAscii(text, u"False"))
        return false;
    return ReadInteger(aSection, aKey, aDefault ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(const QString& aSection, const QString& aKey, double aDefault) const
{
    const QString text = ReadString(aSection, aKey, QString());
    bool ok = false;
    double value = BrazilianLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok ? value : aDefault;
}

void TIniFile::WriteString(const QString& aSection, const QString& aKey, const QString& aValue)
{
    Refresh(true);
    const QString value = OneLine(aValue);
    const qsizetype header = FindSection(aSection);
    if (header < 0) {
        if (!FLines.isEmpty() && !FLines.last().trimmed().isEmpty())
            FLines.append(QString());
        FLines.append(u'[' + aSection + u']');
        FLines.append(aKey + u'=' + value);
    } else if (const qsizetype line = FindKey(header, aKey); line >= 0) {
        QStringView key, old;
        KeyLine(FLines[line], key, old);
        FLines[line] = key.toString() + u'=' + value;
    } else {
        // After the section's last non-blank line, so that a blank line before the next section stays there.
        qsizetype at = SectionEnd(header);
        while (at > header + 1 && FLines[at - 1].trimmed().isEmpty())
            --at;
        FLines.insert(at, aKey + u'=' + value);
    }
    Changed();
}

void TIniFile::WriteInteger(const QString& aSection, const QString& aKey, int aValue)
{
    WriteString(aSection, aKey, QString::number(aValue));
}

void TIniFile::WriteBool(const QString& aSection, const QString& aKey, bool aValue)
{
    WriteString(aSection, aKey, aValue ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteFloat(const QString& aSection, const QString& aKey, double aValue)
{
    WriteString(aSection, aKey, BrazilianLocale().toString(aValue, 'g', 15));
}

bool TIniFile::SectionExists(const QString& aSection) const
{
    Refresh(false);
    return FindSection(aSection) >= 0;
}

bool TIniFile::ValueExists(const QString& aSection, const QString& aKey) const
{
    Refresh(false);
    return FindKey(FindSection(aSection), aKey) >= 0;
}

QStringList TIniFile::Sections() const
{
    Refresh(false);
    QStringList sections;
    QStringView name;
    for (const QString& line : FLines) {
        if (IniSectionName(line, name))
            sections.append(name.toString());
    }
    return sections;
}

QStringList TIniFile::SectionKeys(const QString& aSection) const
{
    Refresh(false);
    QStringList keys;
    const qsizetype header = FindSection(aSection);
    if (header < 0)
        return keys;
    const qsizetype end = SectionEnd(header);
    QStringView key, value;
    for (qsizetype i = header + 1; i < end; ++i) {
        if (KeyLine(FLines[i], key, value))
            keys.append(key.toString());
    }
    return keys;
}

void TIniFile::EraseSection(const QString& aSection)
{
    Refresh(true);
    const qsizetype header = FindSection(aSection);
    if (header < 0)
        return;
    FLines.remove(header, SectionEnd(header) - header);
    Changed();
}

void TIniFile::DeleteKey(const QString& aSection, const QString& aKey)
{
    Refresh(true);
    const qsizetype line = FindKey(FindSection(aSection), aKey);
    if (line < 0)
        return;
    FLines.removeAt(line);
    Changed();
}

void TIniFile::UpdateFile()
{
    QString text;
    for (const QString& line : FLines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    QString error;
    if (!WriteFileAtomic(FFileName, text.toUtf8(), &error))
        throw EInOutError(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(FFileName, error));
}

bool IniSectionName(QStringView aLine, QStringView& aName)
{
    const QStringView line = aLine.trimmed();
    if (!line.startsWith(u'['))
        return false;
    QStringView name = line.mid(1);
    const qsizetype close = name.indexOf(u']');
    if (close >= 0)
        name = name.left(close);
    aName = name.trimmed();
    return true;
}
