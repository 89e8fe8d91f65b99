#include "console/unix/cursor_moves.h"

#include <initializer_list>

namespace blockslide {

namespace {

// One step repeated is worth trying only for a few steps.
constexpr int kMostRepeats = 8;

std::string repeated(const std::string& step, int times) {
    if (step.empty() || times > kMostRepeats) return {};
    std::string all;
    for (int i = 0; i < times; ++i) all += step;
    return all;
}

// The shortest of the candidates that exist; nothing when none does.
std::optional<std::string> shortest(std::initializer_list<std::string> candidates) {
    std::optional<std::string> best;
    for (const std::string& candidate : candidates) {
        if (!candidate.empty() && (!best || candidate.size() < best->size())) best = candidate;
    }
    return best;
}

}  // namespace

std::optional<std::string> CursorMoves::vertical(int from_row, int to_row) const {
    const int rows = to_row - from_row;
    if (rows == 0) return std::string{};
    if (rows > 0) {
        return shortest({repeated(codes_.down, rows), format(codes_.down_by, rows),
                         format(codes_.row, to_row)});
    }
    return shortest(
        {repeated(codes_.up, -rows), format(codes_.up_by, -rows), format(codes_.row, to_row)});
}

std::optional<std::string> CursorMoves::horizontal(int from_column, int to_column) const {
    const int columns = to_column - from_column;
    if (columns == 0) return std::string{};
    // From the left edge, after a carriage return.
    std::string from_edge = codes_.carriage_return;
    if (!from_edge.empty() && to_column > 0) {
        const std::optional<std::string> on =
            shortest({repeated(codes_.right, to_column), format(codes_.right_by, to_column)});
        from_edge = on ? from_edge + *on : std::string{};
    }
    if (columns > 0) {
        return shortest({repeated(codes_.right, columns), format(codes_.right_by, columns),
                         format(codes_.column, to_column), from_edge});
    }
    return shortest({repeated(codes_.left, -columns), format(codes_.left_by, -columns),
                     format(codes_.column, to_column), from_edge});
}

std::string CursorMoves::between(std::optional<TerminalPosition> from, TerminalPosition to) const {
    std::string best = format(codes_.move_to, to.row, to.column);
    if (!from) return best;
    if (*from == to) return {};
    const std::optional<std::string> down = vertical(from->row, to.row);
    const std::optional<std::string> across = horizontal(from->column, to.column);
    if (down && across && down->size() + across->size() < best.size()) best = *down + *across;
    return best;
}

}  // namespace blockslide
