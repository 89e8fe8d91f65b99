#include "tests/shadow_board.h"

#include <array>
#include <bit>
#include <cctype>

#include "console/keys.h"

namespace blockslide::testing {

namespace {

constexpr std::string_view kDirectionLetters = "URDL";  // as the codes 1, 2, 4, 8
constexpr std::int64_t kAutoPlayStopMs = 100;

BlockPlace shifted(BlockPlace place, int direction) {
    if (direction == kUp) place.top_row -= kCellHeight;
    if (direction == kDown) place.top_row += kCellHeight;
    if (direction == kLeft) place.left_column -= kCellWidth;
    if (direction == kRight) place.left_column += kCellWidth;
    return place;
}

bool apart(const BlockPlace& a, const BlockPlace& b) {
    return a.left_column + a.width <= b.left_column || b.left_column + b.width <= a.left_column ||
           a.top_row + a.height <= b.top_row || b.top_row + b.height <= a.top_row;
}

std::string named_key(std::string_view name) {
    if (name == "<Esc>") return kEscapeKey;
    if (name == "<Enter>") return kEnterKey;
    if (name == "<Space>") return " ";
    if (name == "<Up>") return kUpKey;
    if (name == "<Down>") return kDownKey;
    if (name == "<Left>") return kLeftKey;
    if (name == "<Right>") return kRightKey;
    ADD_FAILURE() << "no key " << name;
    return "";
}

}  // namespace

std::vector<std::string_view> split_moves(std::string_view listing) {
    std::vector<std::string_view> moves;
    while (!listing.empty()) {
        const std::size_t end = listing.find(' ');
        if (end != 0) moves.push_back(listing.substr(0, end));
        listing = end == std::string_view::npos ? std::string_view{} : listing.substr(end + 1);
    }
    return moves;
}

std::string repeated_with_blanks(std::string_view word, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += (i == 0 ? "" : " ") + std::string(word);
    return text;
}

int ShadowBoard::block_number(char key) const {
    const std::size_t position = program_->block_keys.find(key);
    return position == std::string_view::npos ? 0 : static_cast<int>(position) + 1;
}

int ShadowBoard::legal_directions(int number) const {
    int directions = 0;
    for (int direction : {kUp, kRight, kDown, kLeft}) {
        const BlockPlace place = shifted(block(number), direction);
        bool fits = place.top_row >= kBoardTop && place.left_column >= kBoardLeft &&
                    place.top_row + place.height - 1 <= kBoardBottom &&
                    place.left_column + place.width - 1 <= kBoardRight;
        for (int other = 1; other <= program_->block_count(); ++other) {
            fits = fits && (other == number || apart(place, block(other)));
        }
        if (fits) directions += direction;
    }
    return directions;
}

bool ShadowBoard::goal_reached(const PuzzleFacts& puzzle) const {
    const BlockPlace& face = block(program_->face_block);
    return face.top_row == puzzle.goal_top_row && face.left_column == puzzle.goal_left_column;
}

std::vector<std::string> ShadowBoard::play(std::string_view move) {
    const int number = move.size() == 2 ? block_number(move[0]) : 0;
    const std::size_t letter = move.size() == 2 ? kDirectionLetters.find(move[1]) : 0;
    if (number == 0 || letter == std::string_view::npos) {
        ADD_FAILURE() << "no move: \"" << move << "\"";
        return {};
    }
    const int direction = 1 << letter;
    const int legal = legal_directions(number);
    EXPECT_NE(legal & direction, 0) << "move " << move << " is not legal here";
    std::vector<std::string> keys{std::string(1, move[0])};
    if (std::popcount(static_cast<unsigned>(legal)) == 2) {
        keys.push_back(named_key(std::array{"<Up>", "<Right>", "<Down>", "<Left>"}[letter]));
    }
    move_block(number, direction);
    // The program keeps the newest 1000 moves.
    if (history_length() == kHistoryCapacity) history_.erase(history_.begin());
    history_.push_back({number, direction});
    return keys;
}

void ShadowBoard::back() {
    const Move last = history_.back();
    move_block(last.number, last.direction == kUp || last.direction == kDown ? 5 - last.direction
                                                                             : 10 - last.direction);
    history_.pop_back();
}

void ShadowBoard::toggle_face() {
    face_ = {!face_.zombie, !history_.empty()};
}

void ShadowBoard::lay_out_start() {
    blocks_ = program_->blocks;
    face_.played = !history_.empty();
    move_count_ = 0;
}

void ShadowBoard::start_over() {
    history_.clear();
    lay_out_start();
}

// A moved block is drawn before its move is recorded or taken back.
void ShadowBoard::move_block(int number, int direction) {
    blocks_[number - 1] = shifted(block(number), direction);
    if (number == program_->face_block) face_.played = !history_.empty();
    ++move_count_;
}

ExpectedScreen ShadowBoard::expected_board() const {
    ExpectedScreen screen;
    for (int number = 1; number <= program_->block_count(); ++number) {
        screen.paint_block(*program_, number, block(number), face_);
    }
    return screen;
}

ExpectedScreen ShadowBoard::expected_block(int number, int ink, int body) const {
    ExpectedScreen screen;
    screen.paint_block(*program_, number, block(number), face_, ink, body);
    return screen;
}

ShadowedGame::ShadowedGame(const ProgramFacts& program, std::string_view steps)
    : ScriptedGame(program.puzzle_set()), board(program), program_(program) {
    play(steps);
}

void ShadowedGame::play(std::string_view steps) {
    for (std::string_view step : split_moves(steps)) {
        if (step.front() == '=') {
            board.play(step.substr(1));
        } else if (step.front() == '<') {
            type_key(named_key(step));
        } else if (step.size() == 2 && board.block_number(step[0]) != 0 &&
                   kDirectionLetters.find(step[1]) != std::string_view::npos) {
            for (const std::string& key : board.play(step)) type_key(key);
        } else if (step.size() == 1 && std::string_view("FBRGHA").find(
                                           std::toupper(static_cast<unsigned char>(step[0]))) !=
                                           std::string_view::npos) {
            play_command(step[0]);
        } else {
            type(step);
        }
    }
}

void ShadowedGame::play_command(char letter) {
    type(std::string(1, letter));
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'F':
            board.toggle_face();
            break;
        case 'B':
            if (board.history_length() > 0) board.back();
            break;
        case 'R':
            board.clear_history();
            board.start_over();
            break;
        case 'G':
            EXPECT_EQ(program_.puzzles.size(), 2u) << "G is no command here";
            game_number = 3 - game_number;
            board.start_over();
            break;
        case 'H':
            board.start_over();
            break;
        case 'A':
            console().type_at(kAutoPlayStopMs, "x");  // in the first pause: seen after move 1
            board.lay_out_start();
            board.play(split_moves(program_.puzzle(game_number).solution).front());
            board.clear_history();
            board.start_over();
            break;
    }
}

ExpectedScreen ShadowedGame::start_screen(int bar_color) const {
    ExpectedScreen expected = board.expected_board();
    expected.paint_frame(program_, game_number, bar_color);
    return expected;
}

::testing::AssertionResult ShadowedGame::matches(std::string_view sounds) const {
    std::string report = board.expected_board().differences(screen(), kBoardInterior);
    const std::string counter = move_counter(screen());
    if (counter != counter_after(board.move_count())) {
        report += "the counter shows \"" + counter + "\", not \"" +
                  counter_after(board.move_count()) + "\"\n";
    }
    if (sound_log() != sounds) {
        report += "the sounds were \"" + sound_log() + "\", not \"" + std::string(sounds) + "\"\n";
    }
    if (report.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << report;
}

std::vector<Flash> ShadowedGame::flashes_of(int number, int ink, int body) const {
    const BlockPlace& place = board.block(number);
    const Region region{place.top_row, place.left_column, place.top_row + place.height - 1,
                        place.left_column + place.width - 1};
    const ExpectedScreen flash_look = board.expected_block(number, ink, body);
    const ExpectedScreen normal_look = board.expected_board();
    const auto& frames = console().frames();
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
