// norvadel-cli inx: rewrite an INX file in the store's canonical form, or show its tree.

#include "cli/CliCommon.h"

#include "store/InxDocument.h"
#include "store/TManager.h"
#include "util/Crypt.h"
#include "util/Exceptions.h"
#include "util/TextUtils.h"

#include <QFile>
#include <QFileInfo>

namespace {
// A missing file is an empty document to the store, but a mistake on the command line.
void RequireReadable(const QString& aFileName)
{
    const QFileInfo info(aFileName);
    if (!info.exists())
        throw CliError(QStringLiteral("arquivo não encontrado: %1").arg(aFileName));
    if (info.isDir())
        throw CliError(QStringLiteral("não foi possível ler %1: é uma pasta").arg(aFileName));
    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly))
        throw CliError(QStringLiteral("não foi possível ler %1: %2").arg(aFileName, file.errorString()));
}

int Resave(const QStringList& aArgs)
{
    if (aArgs.size() != 2)
        throw CliError(QStringLiteral("uso: inx resave IN OUT"));
    const QString& in = aArgs[0];
    const QString& out = aArgs[1];
    RequireReadable(in);
    TManager store(in, true);
    store.setiSaveOnFree(false);
    if (store.Status().HasStatus(stFileLoadFail))
        throw CliError(QStringLiteral("não foi possível ler %1: %2").arg(in, store.ErrorString()));
    if (store.GetSections().isEmpty())
        throw CliError(QStringLiteral("%1 não tem seções; nada foi gravado").arg(in));
    store.setFileName(out);
    store.Save(out);
    if (!store.Status().HasStatus(stFileSaved))
        throw CliError(QStringLiteral("não foi possível gravar %1: %2").arg(out, store.ErrorString()));
    return kExitOk;
}

// Cipher text is pairs of hexadecimal digits: a start value and at least one character.
bool LooksEnciphered(const QString& aLine)
{
    if (aLine.size() < 4 || aLine.size() % 2 != 0)
        return false;
    for (const QChar ch : aLine) {
        const char16_t c = ch.unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

class TDumper
{
public:
    TDumper(bool aDecipher, const QString& aAddKey) : FDecipher(aDecipher), FAddKey(aAddKey) {}

    void Container(const TInxContainer& aContainer, const QString& aIndent)
    {
        if (aContainer.HasComment)
            Block(aIndent, QStringLiteral("Comentário"), aContainer.Comment, false);
        for (const TInxKey& key : aContainer.Keys) {
            if (InxTypeLetter(key.Type).isEmpty())
                Line(aIndent + QStringLiteral("Chave \"%1\" (sem tipo)").arg(key.Name));
            else
                Line(aIndent + QStringLiteral("Chave \"%1\" = %2").arg(key.Name, InxValueLine(key)));
        }
        for (const TInxBlock& mult : aContainer.Mults)
            Block(aIndent, QStringLiteral("Mult"), mult, FDecipher);
    }

    void Line(const QString& aText)
    {
        FOut += aText;
        FOut += u'\n';
    }

    const QString& Text() const { return FOut; }

private:
    void Block(const QString& aIndent, const QString& aKind, const TInxBlock& aBlock, bool aDecipher)
    {
        const qsizetype count = aBlock.Lines.size();
        Line(aIndent + QStringLiteral("%1 \"%2\" (%3 %4)")
                           .arg(aKind, aBlock.Name)
                           .arg(count)
                           .arg(count == 1 ? QStringLiteral("linha") : QStringLiteral("linhas")));
        const QString inner = aIndent + QStringLiteral("  ");
        for (const QString& text : aBlock.Lines) {
            if (!aDecipher) {
                Line(inner + (text.isEmpty() ? QStringLiteral("|") : QStringLiteral("| ") + text));
                continue;
            }
            QString plain;
            bool deciphered = LooksEnciphered(text);
            if (deciphered) {
                try {
                    plain = Crypt(QStringLiteral("D"), text, FAddKey);
                } catch (const EConvertError&) {
                    deciphered = false;
                }
            }
            Line(inner + (deciphered ? QStringLiteral("> ") + plain : QStringLiteral("! ") + text));
        }
    }

    bool FDecipher;
    QString FAddKey;
    QString FOut;
};

int Dump(const QStringList& aArgs)
{
    QString fileName;
    QString keyName;
    bool decipher = false;
    for (qsizetype i = 0; i < aArgs.size(); ++i) {
        if (aArgs[i] == u"--key") {
            if (i + 1 >= aArgs.size())
                throw CliError(QStringLiteral("--key precisa de um nome"));
            keyName = aArgs[++i];
            decipher = true;
        } else if (fileName.isEmpty()) {
            fileName = aArgs[i];
        } else {
            throw CliError(QStringLiteral("uso: inx dump FILE [--key NOME]"));
        }
    }
    if (fileName.isEmpty())
        throw CliError(QStringLiteral("uso: inx dump FILE [--key NOME]"));
    RequireReadable(fileName);

    TManager store(fileName, true);
    store.setiSaveOnFree(false); // showing a file never rewrites it
    if (store.Status().HasStatus(stFileLoadFail))
        throw CliError(QStringLiteral("não foi possível ler %1: %2").arg(fileName, store.ErrorString()));

    TDumper dumper(decipher, FirstWord(keyName));
    if (decipher)
        dumper.Line(QStringLiteral("# linhas de mult: \"> \" decifrada, \"! \" não decifra (mostrada como está)"));
    for (const auto& section : store.Document()->Sections()) {
        if (section->Removed)
            continue;
        dumper.Line(QStringLiteral("Seção \"%1\"").arg(section->Name));
        dumper.Container(*section, QStringLiteral("  "));
        for (const auto& header : section->Headers) {
            if (header->Removed)
                continue;
            dumper.Line(QStringLiteral("  Header \"%1\"").arg(header->Name));
            dumper.Container(*header, QStringLiteral("    "));
        }
    }
    PrintOut(dumper.Text());
    return kExitOk;
}
} // namespace

int RunInx(const QStringList& aArgs)
{
    if (aArgs.isEmpty())
        throw CliError(QStringLiteral("inx: falta o subcomando (resave ou dump)"));
    const QString& command = aArgs.first();
    if (command == u"resave")
        return Resave(aArgs.mid(1));
    if (command == u"dump")
        return Dump(aArgs.mid(1));
    throw CliError(QStringLiteral("inx: subcomando desconhecido: %1").arg(command));
}
