#pragma once

#include <iosfwd>
#include <string_view>

// The commands that work without a window or a display, named by the first argument:
//   convert DATA [--format csv|s1p]        a measurement as read, as CSV of Z or Touchstone 1.1
//   kk DATA... [--json]                    the Kramers-Kronig verdict of each measurement
//   sweep DRAWING --from F1 --to F2 --points N [--format csv|s1p]
//                                          a drawing's response, as the window exports it
//   fit DRAWING DATA... [--free NAME,...] [--weight modulus|unit|proportional] [--json]
//       [--save OUT]                       the drawing's values fitted to each measurement
// Each writes its result to `out`. The exit status is 0, 1 when a file is refused (the reason
// goes to `err`, naming the file and, where there is one, the line) or the output cannot be
// written or a fit did not converge, and 2 for a wrong command line.
bool isSubcommand(std::string_view word);
int runSubcommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
