#pragma once

// The program's version items as a table of 40 cells: cells 0..19 are names ("FileVersion = "),
// cell i + 20 holds the value of cell i. Cell 0 is "VersionInfoSize = " with the size of the
// version data in cell 20, or "Versão não encontrada" when there is none.
//
// The items are compiled into the program (generated from the project version), so the only file
// that has them is the running executable; any other file name yields "Versão não encontrada".

#include <QString>

#include <array>
#include <span>

using TVersionInfo = std::array<QString, 40>;

struct TVersionItem
{
    QString Name;
    QString Value;
};

extern TVersionInfo VersionInfo;

void ClearVersionInfo(TVersionInfo& aInfo);

// Fills aInfo from the version items of the executable aFileName (the running program's file).
void ReadVersionInfo(const QString& aFileName, TVersionInfo& aInfo);

// Fills aInfo from aItems as the version data of a program file. The looked-up names are, in this
// order, CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright, LegalTradeMarks,
// OriginalFileName, ProductName, ProductVersion and "Coments" (so an item "Comments" is not taken).
// No items means no version data.
void ReadVersionInfo(std::span<const TVersionItem> aItems, TVersionInfo& aInfo);

// The compiled-in items of this program.
std::span<const TVersionItem> ProgramVersionItems();

// The value of the first name cell equal to aName + " = " (ASCII case ignored), or "None".
QString GetVersionValue(const QString& aName, const TVersionInfo& aInfo);
