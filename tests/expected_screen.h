// A screen as a test expects it, cell by cell, painted from the game's
// tables (frame, blocks, faces, target bar) and compared with the program's
// screen over a region.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "console/screen_model.h"
#include "tests/game_facts.h"

namespace blockslide::testing {

struct Region {
    int top;
    int left;
    int bottom;
    int right;
};

inline constexpr Region kWholeScreen{1, 1, kScreenRows, kScreenColumns};
inline constexpr Region kBoardInterior{kBoardTop, kBoardLeft, kBoardBottom, kBoardRight};
inline constexpr Region kTargetBar{kBoardTop, kTargetBarColumn, kBoardBottom, kTargetBarColumn};

std::string repeated(std::string_view glyph, int times);

// How the face block's face looks: Zombie or Nice Man, and whether a move was
// recorded when the block was last drawn (which picks the face colours).
struct FaceLook {
    bool zombie = false;
    bool played = false;
};

class ExpectedScreen {
public:
    // One cell per glyph of the UTF-8 text, from (row, column).
    void put(int row, int column, std::string_view utf8, int foreground, int background);
    void put_status(const StatusText& text);
    // "" when the region of the screen matches, otherwise the differences.
    std::string differences(const ScreenModel& screen, Region region = kWholeScreen) const;

    // The gray box, command bar, puzzle number, first prompt and target bar.
    void paint_frame(const ProgramFacts& program, int game_number, int bar_color);
    // `ink` and `body` of 0 select the block's own colours.
    void paint_block(const ProgramFacts& program, int number, const BlockPlace& place,
                     FaceLook face, int ink = 0, int body = 0);

private:
    struct Cell {
        std::string glyph = " ";
        int foreground = kBlack;
        int background = kBlack;
        bool background_matters = true;  // not for the target bar, drawn on any background
    };
    Cell& at(int row, int column) { return cells_[(row - 1) * kScreenColumns + column - 1]; }
    const Cell& at(int row, int column) const {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }
    std::array<Cell, kScreenRows * kScreenColumns> cells_{};
};

// One flash in the recorded frames: when the region showed the flash look,
// and when the next frame showed the normal look again (-1 if it did not).
struct Flash {
    std::int64_t shown_at_ms;
    std::int64_t restored_at_ms;
    friend bool operator==(const Flash&, const Flash&) = default;
};
std::ostream& operator<<(std::ostream& out, const Flash& flash);

// "" when columns 13 to 62 of the status line show `text` alone, or nothing
// but black blanks for kBlankStatus.
inline constexpr const StatusText* kBlankStatus = nullptr;
std::string status_line_differences(const ScreenModel& screen, const StatusText* text);

// `count` flashes of 200 ms, the first at `first_ms`, one every `period_ms`.
std::vector<Flash> flash_series(std::int64_t first_ms, int count, std::int64_t period_ms);

}  // namespace blockslide::testing
