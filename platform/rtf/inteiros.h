#pragma once
// Conversions of computed sizes to int. A double outside int's range converted to int is
// undefined behaviour, so the value is held to the bounds while still a double.

#include <cmath>

namespace vb::rtf {

// x truncated towards zero and held to [mínimo, máximo]; not a number gives mínimo.
inline int inteiroLimitado(double x, int mínimo, int máximo) {
    if (!(x >= mínimo))
        return mínimo;
    if (!(x <= máximo))
        return máximo;
    return int(x);
}

// x rounded to the nearest (halves away from zero) and held to [mínimo, máximo].
inline int arredondadoLimitado(double x, int mínimo, int máximo) {
    return inteiroLimitado(std::round(x), mínimo, máximo);
}

} // namespace vb::rtf
