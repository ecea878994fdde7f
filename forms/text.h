#pragma once

#include <QString>

#include <cstddef>
#include <string_view>

// The two string functions the handlers use. Both compare UTF-16 code units one
// for one: no case folding, no locale rules, no trimming, no normalisation.
// Surrogate halves and control characters are plain code units here.
namespace forms {

// True when both texts hold exactly the same code units.
bool strEqual(std::u16string_view a, std::u16string_view b);

// The 1-based position of the first occurrence of `sought` in `searched`, or 0
// when it does not occur. An empty `sought` is found at position 1.
std::size_t inStr(std::u16string_view searched, std::u16string_view sought);

// What comes before the first line break (CR, LF or CR LF) of a text: all of
// it when it has none. A one-line text box takes this much of a text that
// arrives whole.
QStringView firstLine(QStringView text);

// A Qt text seen as its UTF-16 code units, without a copy.
inline std::u16string_view utf16(QStringView s)
{
    return { s.utf16(), static_cast<std::size_t>(s.size()) };
}

// The same two functions on the texts that controls hold.
inline bool strEqual(const QString& a, QStringView b)
{
    return strEqual(utf16(a), utf16(b));
}

inline std::size_t inStr(const QString& searched, const QString& sought)
{
    return inStr(utf16(searched), utf16(sought));
}

} // namespace forms
