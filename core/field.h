// The single-line fields of the main window, by their layout names.
#pragma once

namespace vaneko {

enum class Field { Nombre1, Result, Calc, mem, X1, Y1, Z1 };

}  // namespace vaneko
