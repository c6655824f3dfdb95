#pragma once

// Reversible scrambling of short texts into upper-case hexadecimal. It keeps stored
// secrets and bet lines from being readable at a glance; it is not cryptography.
//
// aAction "C" enciphers, "D" deciphers (either case); any other action, and an empty
// text, give an empty result. The key is a fixed key followed by aAddKey (callers pass
// FirstWord of the user's name, or an empty text). Every character with a code from
// 1 to 254 comes back exactly. Deciphering text that is not cipher text (a group that
// is not hexadecimal, only a start value) throws EConvertError.

#include <QString>

#include <functional>

QString Crypt(const QString& aAction, const QString& aText, const QString& aAddKey);

// The source of the start value of each enciphering (0 to 255). Tests fix it to assert
// known cipher texts; an empty function restores the random source.
void SetCryptStartSource(std::function<int()> aSource);
