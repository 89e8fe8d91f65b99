#include "apps/command_line.h"

#include <cstdio>

namespace blockslide {

CommandLine read_command_line(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const Action asked = argument == "--help"      ? Action::kHelp
                             : argument == "--version" ? Action::kVersion
                                                       : Action::kPlay;
        if (argument == "--silent") {
            line.silent = true;
        } else if (argument == "--no-mouse") {
            line.mouse = false;
        } else if (asked != Action::kPlay && line.action == Action::kPlay) {
            line.action = asked;
        } else {  // unknown, or a second question
            line.action = Action::kBadArgument;
            line.bad_argument = argument;
            break;
        }
    }
    return line;
}

std::string usage_text(const ProgramText& program) {
    const std::string name(program.name);
    std::string text = "Usage: " + name + " [--silent] [--no-mouse]\n";
    text += "       " + name + " --help | --version\n\n";
    text += program.about;
    text += "\n\n";
    text += program.keys;
    text +=
        "\n\n"
        "Options:\n"
        "  --silent     play no sound, not even the terminal bell\n"
        "  --no-mouse   leave the mouse to the terminal (its own text selection)\n"
        "  --help       show this text and exit\n"
        "  --version    show the name and version and exit\n\n";
    text += "The game needs a terminal of at least 80 x 25. Manual: man 6 " + name + "\n";
    return text;
}

std::string shown_safely(std::string_view argument) {
    std::string shown;
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            shown += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        }
    }
    return shown;
}

}  // namespace blockslide
