#pragma once

namespace cli {

// Reads Terms from the terminal with line editing and an in-memory history (the arrow keys bring back
// earlier Terms) and prints each answer on the line after its Term, until end of input (Ctrl+D).
// Returns the exit status.
int runTerminal(bool basicOnly);

} // namespace cli
