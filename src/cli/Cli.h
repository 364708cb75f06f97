#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qb {

// quillbarrow-cli: creates, finalizes, inspects and dumps configuration file sets, and exchanges
// their device records with the device workbook, without the window, on the same core.
// `arguments` excludes the program name. What the window would show in message boxes goes to
// `err` with the same texts. The host and system code left out are taken from the set's files.
// Returns the exit status: 0 when every file was found, accepted and written; 1 when one was
// missing, refused or not written, the workbook exchange failed, or the folder holds no set
// whose host and system code can be told; 2 for a wrong command line.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace qb
