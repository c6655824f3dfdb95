#pragma once

// A reader of the plain XML that spreadsheet parts are made of, many times faster than
// QXmlStreamReader on large sheets, with the part of QXmlStreamReader's interface that reading
// a sheet needs (attributes, element text; element names without their prefix, compared as
// bytes). It takes
// elements, attributes, text, the five named entities and character references, comments and
// processing instructions. It gives up, hasError() true, on anything else (a DOCTYPE, CDATA,
// another entity, bytes that are no UTF-8, a NUL, a malformed or unbalanced tag): the caller then
// reads the part again with QXmlStreamReader, which takes all of XML and says what is wrong.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <string_view>
#include <vector>

class TQuickXml
{
public:
    explicit TQuickXml(const QByteArray& aBytes);

    // The attributes of the current start element; value() by qualified name, as
    // QXmlStreamAttributes::value, empty when absent.
    class TAttributes
    {
    public:
        explicit TAttributes(const TQuickXml& aXml) : FXml(aXml) {}
        QString value(QStringView aName) const { return FXml.Attribute(aName); }

    private:
        const TQuickXml& FXml;
    };

    void readNext();
    bool atEnd() const { return FAtEnd; }
    bool hasError() const { return FError; }
    bool isStartElement() const { return FToken == tkStart; }
    bool isEndElement() const { return FToken == tkEnd; }
    // The element's name without its namespace prefix.
    bool NameIs(std::string_view aName) const { return FName == aName; }
    QByteArray NameBytes() const { return QByteArray(FName.data(), qsizetype(FName.size())); }
    TAttributes attributes() const { return TAttributes(*this); }
    // The text of the current element and of the elements inside it, ending on its end.
    QString readElementText(QXmlStreamReader::ReadElementTextBehaviour);
    void skipCurrentElement();

private:
    enum TToken
    {
        tkNone,
        tkStart,
        tkEnd,
        tkText,
    };
    void Fail();
    QString Attribute(QStringView aName) const;
    // aRaw with its references replaced; gives up on an unknown one.
    static bool Decode(std::string_view aRaw, QString& aText);

    const char* FAt;
    const char* FEnd;
    TToken FToken = tkNone;
    std::string_view FName;              // of the current element, without its prefix
    std::vector<std::string_view> FOpen; // qualified names of the open elements
    std::string_view FAttributes;        // the current start tag's attributes, raw
    std::string_view FText;              // the current text, raw
    bool FPendingEnd = false;            // the current start tag closes itself
    bool FAtEnd = false;
    bool FError = false;
};
