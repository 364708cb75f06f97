#pragma once

#include <string>

namespace qb {

// Today in the installer's time zone as a calendar shows it, "2026-12-09" (which also sorts
// dated files by date); "" when the system cannot tell.
std::string localDate();

} // namespace qb
