#include "TypedValueChecks.h"

#include "base/Prompter.h"
#include "files/Messages.h"
#include "files/TextCodec.h"

namespace qb {

bool fitsTextField(std::u16string_view text, std::size_t limitBytes, const std::string& field,
                   Prompter& prompter) {
    // Measured as the codec will encode it, so a text taken here is never refused or cut later.
    const std::size_t bytes = utf8Size(text);
    if (bytes <= limitBytes) {
        return true;
    }
    prompter.inform(messages::textTooLongForField(field, limitBytes, bytes), kProgramName);
    return false;
}

bool numberInRange(long value, long low, long high, const std::string& what, Prompter& prompter) {
    if (value >= low && value <= high) {
        return true;
    }
    prompter.inform(messages::valueOutOfRange(what, low, high, value), kProgramName);
    return false;
}

} // namespace qb
