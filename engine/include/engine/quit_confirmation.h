// The quit question on the status line.
#pragma once

namespace blockslide {

// Ends the program unless the answer is N; on N blanks the question.
void confirm_quit();

}  // namespace blockslide
