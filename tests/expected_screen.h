// A screen as a test expects it, cell by cell (glyph, foreground,
// background), compared with the program's screen over a region; the
// differences come back as readable lines. Also finds the flashes of a
// region in a game's recorded frames.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "console/screen_model.h"
#include "console/scripted_backend.h"
#include "tests/game_facts.h"

namespace blockslide::testing {

struct Region {
    int top;
    int left;
    int bottom;
    int right;
    bool contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
};

inline constexpr Region kWholeScreen{1, 1, kScreenRows, kScreenColumns};
inline constexpr Region kBoardInterior{kBoardTop, kBoardLeft, kBoardBottom, kBoardRight};

Region region_of(const BlockPlace& block);

struct ExpectedCell {
    std::string glyph = " ";  // UTF-8
    int foreground = kBlack;
    int background = kBlack;
    bool background_matters = true;
};

class ExpectedScreen {
public:
    // Every cell starts as a black blank.
    ExpectedScreen() = default;

    // One cell per glyph of the UTF-8 text, from (row, column).
    void put(int row, int column, std::string_view utf8, int foreground, int background);
    // A cell drawn on whatever background was there.
    void put_on_any_background(int row, int column, std::string_view glyph, int foreground);
    // The status-line text at its place, in its colours.
    void put_status(const StatusText& text);

    // "" when the region of the screen matches, otherwise the differences.
    std::string differences(const ScreenModel& screen, Region region) const;

private:
    ExpectedCell& at(int row, int column) {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }
    const ExpectedCell& at(int row, int column) const {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }
    std::array<ExpectedCell, kScreenRows * kScreenColumns> cells_{};
};

// One flash seen in the recorded frames: when the region showed the flash
// look, and when the next frame showed it in its normal look again (-1 when
// the next frame did not).
struct Flash {
    std::int64_t shown_at_ms;
    std::int64_t restored_at_ms;
    friend bool operator==(const Flash&, const Flash&) = default;
};
std::ostream& operator<<(std::ostream& out, const Flash& flash);

std::vector<Flash> flashes(const std::vector<ScriptedBackend::Frame>& frames,
                           const ExpectedScreen& flash_look, const ExpectedScreen& normal_look,
                           Region region);

}  // namespace blockslide::testing
