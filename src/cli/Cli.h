#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qb {

// quillbarrow-cli: creates, finalizes, inspects and dumps configuration file sets, and exchanges
// their device records with the device workbook, without the window, on the same core.
// `arguments` excludes the program name. What the window would show in message boxes goes to
// `err` with the same texts. Returns the exit status: 0 when every file was found, accepted and
// written; 1 when one was missing, refused or not written, or the workbook exchange failed; 2
// for a wrong command line.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace qb
