#include "LocalDate.h"

#include <ctime>

namespace qb {

std::string localDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (localtime_r(&now, &local) == nullptr ||
        std::strftime(text, sizeof text, "%Y-%m-%d", &local) == 0) {
        return {};
    }
    return text;
}

} // namespace qb
