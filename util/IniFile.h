#pragma once

// The program's settings files (Crash.ini, BasicConfig.ini, ConfigEspec.ini, Alertas.ini, ...) in
// the Windows INI form:
//
//   [Crash]
//   First=0
//   Crashed=1
//
// Section and key names match with the case of the ASCII letters ignored; the first section or key
// of a name wins. Values are raw text (no quotes, no escapes), trimmed of blanks on read and kept
// on one line. Comment lines (";"), blank lines and lines before the first section are kept, and
// so is the order of the file: a changed key keeps its line, a new key goes after the last line of
// its section, a new section at the end. Booleans are written "1"/"0" and read true for any
// non-zero integer (also "True"/"False"); real numbers are written with a decimal comma.
//
// Files are read as UTF-8 when valid, else Windows-1252, and written as UTF-8 with CR LF, through
// a temporary file and a rename.

#include <QString>
#include <QStringList>

class TIniFile
{
public:
    // With aWriteThrough (the default), every call works on the file as it is on disk: reads see
    // the current file and each change is saved at once, like the Windows INI calls. Without it,
    // the file is read once here and changes stay in memory until UpdateFile.
    explicit TIniFile(const QString& aFileName, bool aWriteThrough = true);

    const QString& FileName() const { return FFileName; }

    // aDefault when the key is missing; an empty value is returned as it is.
    QString ReadString(const QString& aSection, const QString& aKey, const QString& aDefault) const;
    // aDefault when the key is missing or its value is not an integer (decimal, "$" or "0x" hex).
    int ReadInteger(const QString& aSection, const QString& aKey, int aDefault) const;
    bool ReadBool(const QString& aSection, const QString& aKey, bool aDefault) const;
    // Accepts a decimal comma or a decimal point.
    double ReadFloat(const QString& aSection, const QString& aKey, double aDefault) const;

    // Changes throw EInOutError when a write-through save fails (the file keeps its old content).
    void WriteString(const QString& aSection, const QString& aKey, const QString& aValue);
    void WriteInteger(const QString& aSection, const QString& aKey, int aValue);
    void WriteBool(const QString& aSection, const QString& aKey, bool aValue);
    void WriteFloat(const QString& aSection, const QString& aKey, double aValue);

    bool SectionExists(const QString& aSection) const;
    bool ValueExists(const QString& aSection, const QString& aKey) const;
    // Names as they stand in the file, in file order.
    QStringList Sections() const;
    QStringList SectionKeys(const QString& aSection) const;

    // Removes the section's header and every line up to the next section.
    void EraseSection(const QString& aSection);
    void DeleteKey(const QString& aSection, const QString& aKey);

    // Writes the lines held in memory to the file. Throws EInOutError on failure.
    void UpdateFile();

private:
    // Refresh re-reads the file in write-through mode; Load always does. A file that exists but
    // cannot be read reads as empty, unless aForChange, when it throws rather than be overwritten.
    void Refresh(bool aForChange) const;
    void Load(bool aForChange) const;
    void Changed();
    qsizetype FindSection(const QString& aSection) const;
    qsizetype SectionEnd(qsizetype aHeader) const;
    qsizetype FindKey(qsizetype aHeader, const QString& aKey) const;

    QString FFileName;
    bool FWriteThrough;
    mutable QStringList FLines;
};

// True for a section line "[name]" (blanks around allowed; a missing "]" ends the name at the end
// of the line), giving the name.
bool IniSectionName(QStringView aLine, QStringView& aName);
