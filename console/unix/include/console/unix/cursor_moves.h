// Moving the terminal's cursor in as few bytes as the terminal allows: an
// absolute move, or relative steps, a carriage return, a column or row of
// its own, whichever is shortest from where the cursor is.
#pragma once

#include <optional>
#include <string>

#include "console/unix/terminal_codes.h"

namespace blockslide {

// A place on the terminal, counted from 0.
struct TerminalPosition {
    int row = 0;
    int column = 0;
    friend bool operator==(const TerminalPosition&, const TerminalPosition&) = default;
};

class CursorMoves {
public:
    explicit CursorMoves(const TerminalCodes& codes) : codes_(codes) {}
    // From `from` (nothing: not known) to `to`.
    std::string between(std::optional<TerminalPosition> from, TerminalPosition to) const;

private:
    std::optional<std::string> vertical(int from_row, int to_row) const;
    std::optional<std::string> horizontal(int from_column, int to_column) const;

    const TerminalCodes& codes_;
};

}  // namespace blockslide
