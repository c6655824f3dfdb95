#pragma once

// Tokens, number lists, zero-filled numbers and path helpers shared by the whole program.
// Bets and draws are numbers joined by ";"; texts and positions here are 1-based where
// the callers count tokens.

#include <QString>

// 0 for an empty text, else 1 + the number of aDelim characters in aText.
int CountTokens(const QString& aText, QChar aDelim);

// The aIndex-th token (1-based). The whole text when aDelim does not occur; "None" past the
// last token and for an empty token followed by a delimiter; "" for an empty last token.
QString GetToken(const QString& aText, int aIndex, QChar aDelim);

// Integer conversion as the program's files use it: optional sign, decimal digits, or
// hexadecimal after a leading "$"; 32 bits. False when the text is anything else.
bool TryStrToInt(const QString& aText, int& aValue);

// True, with its value, when aText is 1 to aMaxDigits decimal digits and nothing else. The
// quick reading of the short numbers of bets and draws, before TryStrToInt for the rest;
// aMaxDigits is at most 9, so that no text, however long, can overflow the value.
inline bool TryDigitsToInt(QStringView aText, int aMaxDigits, int& aValue)
{
    if (aText.isEmpty() || aText.size() > aMaxDigits)
        return false;
    int value = 0;
    for (const QChar ch : aText) {
        if (ch < u'0' || ch > u'9')
            return false;
        value = value * 10 + (ch.unicode() - u'0');
    }
    aValue = value;
    return true;
}

// True when every token converts to an integer in [aMin, aMax] and no token text repeats;
// an empty text is valid. Never throws.
bool ValidNumberList(const QString& aText, QChar aDelim, int aMin, int aMax);

// Sorts the tokens as text (case-insensitive; 10 before 2), drops repeats and appends them
// to aResult joined by ";".
void SortTokenList(const QString& aText, QChar aDelim, QString& aResult);

// 1 up to 9 (zero and negatives included), 2 for 10..99, and so on.
int DigitCount(int aValue);

// aValue with at least aDigits digits, zero-filled; a negative value keeps its "-" in front.
QString PadNumber(int aValue, int aDigits);

// PadNumber(aValue, DigitCount(aReference)): PadLike(7, 60) is "07".
QString PadLike(int aValue, int aReference);

// With aAdd, aText + aChar unless it already ends with aChar; without, aText less a final
// aChar. An empty text stays empty.
QString TrailingChar(const QString& aText, QChar aChar, bool aAdd);

// True when the texts are equal ignoring the case of the ASCII letters A-Z only; accented letters
// compare as they are ("ã" and "Ã" differ). Store, settings and version names match so.
bool SameTextAscii(QStringView aLeft, QStringView aRight);

// The text up to and including its first blank; the whole text when it holds none.
QString FirstWord(const QString& aText);

// Creates every missing folder of the absolute path aPath, whose levels are separated by
// aDelim. False at the first level that cannot be created.
bool ForceDirs(const QString& aPath, QChar aDelim);
