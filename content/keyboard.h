#pragma once

#include <cstddef>
#include <stdexcept>
#include <string_view>

// Where every key stands on the keyboard picture. The pictures tool draws the
// keys from here and the shortcut pages outline keys from here, so an outline
// follows its key wherever the drawing moves it. Plain constants only: the
// tool includes this without linking the program.
namespace content::keyboard {

inline constexpr int pictureWidth = 347;
inline constexpr int pictureHeight = 121;

// A key as an inclusive pixel rectangle of the picture: first to last column,
// first to last row, counted from 0 at the top left.
struct KeyRect {
    int firstColumn;
    int lastColumn;
    int firstRow;
    int lastRow;
};

// The pixel rows that one row of keys covers.
struct Band {
    int firstRow;
    int lastRow;
};

inline constexpr Band functionBand { 3, 15 };
inline constexpr Band numberBand { 22, 39 };
inline constexpr Band upperBand { 41, 58 };
inline constexpr Band homeBand { 60, 77 };
inline constexpr Band lowerBand { 80, 97 };
inline constexpr Band bottomBand { 99, 116 };

constexpr KeyRect key(int firstColumn, int lastColumn, Band band)
{
    return { firstColumn, lastColumn, band.firstRow, band.lastRow };
}

// Key columns follow a 19-pixel pitch throughout, as on the real keyboard.
inline constexpr int pitch = 19;

// Keys of one width, one pitch apart along a band, counted from 0.
struct KeyRun {
    int firstColumn;
    int width;
    Band band;

    constexpr KeyRect at(int index) const
    {
        const int left = firstColumn + pitch * index;
        return key(left, left + width - 1, band);
    }
};

// A run whose keys are known by the Latin letter or the plain symbol they bear.
struct SymbolRun : KeyRun {
    std::string_view symbols;

    constexpr int size() const { return int(symbols.size()); }

    // A symbol the run lacks throws, which stops the build where the key is a
    // constant.
    constexpr KeyRect of(char symbol) const
    {
        const std::size_t index = symbols.find(symbol);
        return index < symbols.size() ? at(int(index)) : throw std::out_of_range("no such key");
    }
};

// Function row: Esc, then F1 to F12 each at its own number, then the keys
// after them, all alike.
inline constexpr KeyRun functionKeys { 3, 18, functionBand };

// Number row.
inline constexpr KeyRect graveKey = key(3, 19, numberBand);
inline constexpr SymbolRun digitKeys { { 22, 17, numberBand }, "1234567890-=" };
inline constexpr KeyRect backspaceKey = key(250, 285, numberBand);

// Letter rows: Q sits at column 31, A at 37 and Z at 46.
inline constexpr KeyRect tabKey = key(3, 28, upperBand);
inline constexpr SymbolRun upperLetterKeys { { 31, 17, upperBand }, "QWERTYUIOP[]" };
inline constexpr KeyRect backslashKey = key(259, 285, upperBand);

inline constexpr KeyRect capsLockKey = key(3, 34, homeBand);
inline constexpr SymbolRun homeLetterKeys { { 37, 17, homeBand }, "ASDFGHJKL;'" };
inline constexpr KeyRect enterKey = key(246, 285, homeBand);

// The left Shift ends one pixel row above the letters beside it.
inline constexpr KeyRect leftShiftKey { 3, 44, 80, 96 };
inline constexpr SymbolRun lowerLetterKeys { { 46, 17, lowerBand }, "ZXCVBNM,./" };
inline constexpr KeyRect rightShiftKey = key(236, 285, lowerBand);

// Bottom row.
inline constexpr KeyRect leftCtrlKey = key(4, 25, bottomBand);
inline constexpr KeyRect logoKey = key(28, 45, bottomBand);
inline constexpr KeyRect altKey = key(48, 67, bottomBand);
inline constexpr KeyRect spaceKey = key(70, 191, bottomBand);
inline constexpr KeyRect altGrKey = key(194, 213, bottomBand);
inline constexpr KeyRect fnKey = key(216, 233, bottomBand);
inline constexpr KeyRect menuKey = key(236, 253, bottomBand);
inline constexpr KeyRect rightCtrlKey = key(256, 285, bottomBand);

// The three columns right of the main block: sound, editing and arrow keys.
constexpr KeyRun sideKeys(Band band)
{
    return { 289, 17, band };
}

} // namespace content::keyboard
