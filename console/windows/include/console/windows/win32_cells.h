// The screen model's cells as the console keeps them: the character in
// Unicode, the attribute as it is (the PC's colours are the console's).
#pragma once

#include <windows.h>

#include "console/cp437.h"
#include "console/screen_model.h"

namespace blockslide {

inline CHAR_INFO console_cell(const Cell& cell) {
    CHAR_INFO out{};
    out.Char.UnicodeChar =
        static_cast<wchar_t>(cell.character == 0 ? U' ' : kCp437ToUnicode[cell.character]);
    out.Attributes = cell.attribute;
    return out;
}

}  // namespace blockslide
