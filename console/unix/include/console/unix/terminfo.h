// The few calls made of the terminfo library, kept apart: its header
// defines a macro for every capability name, which clashes with plain words.
#pragma once

namespace blockslide::terminfo {

// Loads the description of terminal type `name` ($TERM when null).
bool set_up(const char* name);
// A string capability, or nullptr when the terminal lacks it.
const char* string(const char* name);
// A number capability, or -1.
int number(const char* name);
bool flag(const char* name);
// A template with its parameters filled in, or nullptr.
const char* filled(const char* code, int first, int second);

}  // namespace blockslide::terminfo
