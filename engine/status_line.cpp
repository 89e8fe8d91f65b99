#include "engine/status_line.h"

#include "console/colors.h"
#include "console/console.h"
#include "engine/text_runs.h"

namespace blockslide {

void blank_status_line() {
    show_status(blanks(kStatusBlankWidth), kStatusBlankColumn, color::kBlack, color::kBlack);
}

void show_status(std::string_view text, int column, int foreground, int background) {
    console_set_color(foreground, background);
    console_locate(kStatusRow, column);
    console_print(text);
}

void show_centred_status(std::string_view text, int foreground, int background) {
    show_status(text, centred_column(text), foreground, background);
}

}  // namespace blockslide
