#include "tests/expected_screen.h"

#include "console/cp437.h"

namespace blockslide::testing {

namespace {

constexpr int kReportedDifferences = 12;

std::vector<std::string> glyphs_of(std::string_view utf8) {
    std::vector<std::string> glyphs;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : 3;
        glyphs.emplace_back(utf8.substr(i, length));
        i += length;
    }
    return glyphs;
}

std::string describe(std::string_view glyph, int foreground, int background) {
    return "'" + std::string(glyph) + "' " + std::to_string(foreground) + " on " +
           std::to_string(background);
}

}  // namespace

Region region_of(const BlockPlace& block) {
    return {block.top_row, block.left_column, block.top_row + block.height - 1,
            block.left_column + block.width - 1};
}

void ExpectedScreen::put(int row, int column, std::string_view utf8, int foreground,
                         int background) {
    for (const std::string& glyph : glyphs_of(utf8)) {
        at(row, column++) = ExpectedCell{glyph, foreground, background, true};
    }
}

void ExpectedScreen::put_on_any_background(int row, int column, std::string_view glyph,
                                           int foreground) {
    at(row, column) = ExpectedCell{std::string(glyph), foreground, kBlack, false};
}

void ExpectedScreen::put_status(const StatusText& text) {
    put(kStatusRow, text.column, text.text, text.attribute & 0x0F, text.attribute >> 4);
}

std::string ExpectedScreen::differences(const ScreenModel& screen, Region region) const {
    std::string report;
    int count = 0;
    for (int row = region.top; row <= region.bottom; ++row) {
        for (int column = region.left; column <= region.right; ++column) {
            const ExpectedCell& want = at(row, column);
            const Cell& got = screen.cell(row, column);
            const std::string glyph = cp437_glyph_utf8(got.character);
            const int foreground = attribute_foreground(got.attribute);
            const int background = attribute_background(got.attribute);
            if (glyph == want.glyph && foreground == want.foreground &&
                (!want.background_matters || background == want.background)) {
                continue;
            }
            if (++count <= kReportedDifferences) {
                report += "(" + std::to_string(row) + "," + std::to_string(column) + "): got " +
                          describe(glyph, foreground, background) + ", want " +
                          describe(want.glyph, want.foreground, want.background) + "\n";
            }
        }
    }
    if (count > kReportedDifferences) {
        report += std::to_string(count - kReportedDifferences) + " more\n";
    }
    return report;
}

std::ostream& operator<<(std::ostream& out, const Flash& flash) {
    return out << "{shown at " << flash.shown_at_ms << " ms, restored at " << flash.restored_at_ms
               << " ms}";
}

std::vector<Flash> flashes(const std::vector<ScriptedBackend::Frame>& frames,
                           const ExpectedScreen& flash_look, const ExpectedScreen& normal_look,
                           Region region) {
    std::vector<Flash> found;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (!flash_look.differences(frames[i].screen, region).empty()) continue;
        const bool restored =
            i + 1 < frames.size() && normal_look.differences(frames[i + 1].screen, region).empty();
        found.push_back({frames[i].at_ms, restored ? frames[i + 1].at_ms : -1});
    }
    return found;
}

}  // namespace blockslide::testing
