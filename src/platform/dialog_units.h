#pragma once
// Dialog units to pixels, the Windows convention: one horizontal unit is a quarter of the
// dialog font's average character width, one vertical unit an eighth of its height.

#include "platform/dialog_template.h"

namespace platform {

struct BaseUnits {
    int x;  // average character width, pixels
    int y;  // character height, pixels
};

// The average width from the width of the 52 letters "A".."Z" "a".."z" set in the font,
// rounded as Windows rounds it.
inline int averageCharWidth(int widthOfAllLetters) {
    return (widthOfAllLetters / 26 + 1) / 2;
}

// a * b / c rounded to the nearest integer, halves away from zero.
inline int mulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    const long long q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
    return static_cast<int>(q);
}

inline DialogRect toPixels(const DialogRect& r, BaseUnits base) {
    return {mulDiv(r.x, base.x, 4), mulDiv(r.y, base.y, 8), mulDiv(r.width, base.x, 4),
            mulDiv(r.height, base.y, 8)};
}

}  // namespace platform
