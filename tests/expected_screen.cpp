#include "tests/expected_screen.h"

#include "console/cp437.h"

namespace blockslide::testing {

std::string repeated(std::string_view glyph, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += glyph;
    return text;
}

namespace {

std::string describe(std::string_view glyph, int foreground, int background) {
    return "'" + std::string(glyph) + "' " + std::to_string(foreground) + " on " +
           std::to_string(background);
}

// A run of face glyphs at an offset from the block's top-left corner.
struct FacePiece {
    int row_offset;
    int column_offset;
    std::string text;
    bool is_digit = false;
};

std::vector<FacePiece> face_pieces(const ProgramFacts& program, bool zombie) {
    const std::string digit(program.face_digit);
    if (!zombie) {
        return {{2, 7, "╓≈≈≈≈≈╖"}, {3, 6, "┌╝ ö ö ╚┐"},
                {4, 6, "└╕"},      {4, 8, "  " + digit + "  ", true},
                {4, 13, "╒┘"},     {5, 7, "│ ╘═╛ │"},
                {6, 7, "└─┬─┬─┘"}, {7, 6, "/▀▀▀░▀▀▀\\"}};
    }
    const std::string_view mouth = program.zombie_mouth;
    return {
        {2, 8, "╓───╖"},
        {3, 7, "┌┘φ φ└┐"},
        {4, 7, "└┐"},
        {4, 9, " " + digit + " ", true},
        {4, 12, "┌┘"},
        {5, 8, "│" + std::string(mouth.substr(0, 1)) + "Ω" + std::string(mouth.substr(1)) + "│"},
        {6, 8, "└┬─┬┘"},
        {7, 6, "/≈≈≈≈≈≈≈\\"}};
}

}  // namespace

void ExpectedScreen::put(int row, int column, std::string_view utf8, int foreground,
                         int background) {
    for (std::size_t i = 0; i < utf8.size(); ++column) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : 3;
        at(row, column) = Cell{std::string(utf8.substr(i, length)), foreground, background, true};
        i += length;
    }
}

void ExpectedScreen::put_status(const StatusText& text) {
    put(kStatusRow, text.column, text.text, text.attribute & 0x0F, text.attribute >> 4);
}

std::string ExpectedScreen::differences(const ScreenModel& screen, Region region) const {
    constexpr int kReported = 12;
    std::string report;
    int count = 0;
    for (int row = region.top; row <= region.bottom; ++row) {
        for (int column = region.left; column <= region.right; ++column) {
            const Cell& want = at(row, column);
            const std::string glyph = cp437_glyph_utf8(screen.cell(row, column).character);
            const int foreground = attribute_foreground(screen.cell_attribute(row, column));
            const int background = attribute_background(screen.cell_attribute(row, column));
            if (glyph == want.glyph && foreground == want.foreground &&
                (!want.background_matters || background == want.background)) {
                continue;
            }
            if (++count <= kReported) {
                report += "(" + std::to_string(row) + "," + std::to_string(column) + "): got " +
                          describe(glyph, foreground, background) + ", want " +
                          describe(want.glyph, want.foreground, want.background) + "\n";
            }
        }
    }
    if (count > kReported) report += std::to_string(count - kReported) + " more\n";
    return report;
}

void ExpectedScreen::paint_frame(const ProgramFacts& program, int game_number, int bar_color) {
    const std::string edge = repeated("─", kBoxRight - kBoxLeft - 1);
    put(kBoxTop, kBoxLeft, "┌" + edge + "┐", kBlack, kDarkGray);
    for (int row = kBoardTop; row <= kBoardBottom; ++row) {
        put(row, kBoxLeft, "│", kBlack, kDarkGray);
        put(row, kBoxLeft + 1, "█", kDarkGray, kDarkGray);
        put(row, kBoxRight - 1, "█", kDarkGray, kDarkGray);
        put(row, kBoxRight, "│", kBlack, kDarkGray);
    }
    put(kBoxBottom, kBoxLeft, "└" + edge + "┘", kBlack, kDarkGray);
    int row = kCommandBarRow;
    for (std::string_view word : program.command_words) {
        put(row, kCommandBarColumn, word.substr(0, 1), kYellow, kBlack);
        put(row++, kCommandBarColumn + 1, word.substr(1), kLightGray, kBlack);
    }
    if (!program.puzzle_number_caption.empty()) {
        put(kPuzzleNumberRow, kPuzzleNumberColumn,
            std::string(program.puzzle_number_caption) + std::to_string(game_number), kLightCyan,
            kBlack);
    }
    put_status(kFirstPrompt);
    const int first_row = program.puzzle(game_number).target_bar_first_row;
    for (int bar_row = first_row; bar_row < first_row + kTargetBarRows; ++bar_row) {
        at(bar_row, kTargetBarColumn) = Cell{"█", bar_color, kBlack, false};
    }
}

void ExpectedScreen::paint_block(const ProgramFacts& program, int number, const BlockPlace& place,
                                 FaceLook face, int ink, int body) {
    ink = ink != 0 ? ink : kBlockInk;
    body = body != 0 ? body : place.body_color;
    const int inner = place.width - 2;
    const int top = place.top_row;
    const int left = place.left_column;
    put(top, left, "┌" + repeated("─", inner) + "┐", ink, body);
    for (int row = top + 1; row < top + place.height - 1; ++row) {
        put(row, left, "│" + std::string(inner, ' ') + "│", ink, body);
    }
    put(top + place.height - 1, left, "└" + repeated("─", inner) + "┘", ink, body);
    if (number != program.face_block) {
        put(top + (place.height - 1) / 2, left + (place.width - 1) / 2,
            program.block_keys.substr(number - 1, 1), kBlockInk, body);
        return;
    }
    const int face_ink = face.played ? kPlayedFaceInk : kFreshFaceInk;
    const int digit_ink = face.played ? kPlayedDigitInk : kFreshDigitInk;
    for (const FacePiece& piece : face_pieces(program, face.zombie)) {
        put(top + piece.row_offset, left + piece.column_offset, piece.text,
            piece.is_digit ? digit_ink : face_ink, body);
    }
}

std::ostream& operator<<(std::ostream& out, const Flash& flash) {
    return out << "{shown at " << flash.shown_at_ms << " ms, restored at " << flash.restored_at_ms
               << " ms}";
}

std::string status_line_differences(const ScreenModel& screen, const StatusText* text) {
    ExpectedScreen expected;
    if (text != kBlankStatus) expected.put_status(*text);
    return expected.differences(screen, {kStatusRow, kStatusBlankColumn, kStatusRow,
                                         kStatusBlankColumn + kStatusBlankWidth - 1});
}

std::vector<Flash> flash_series(std::int64_t first_ms, int count, std::int64_t period_ms) {
    std::vector<Flash> series;
    for (int i = 0; i < count; ++i) {
        series.push_back({first_ms + i * period_ms, first_ms + i * period_ms + kFlashMs});
    }
    return series;
}

}  // namespace blockslide::testing
