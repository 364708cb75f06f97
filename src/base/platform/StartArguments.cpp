#include "StartArguments.h"

namespace qb {

Result<StartArguments> StartArguments::parse(const std::vector<std::string>& arguments) {
    static constexpr std::string_view kBaseDirEquals = "--base-dir=";
    StartArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            parsed.help = true;
        } else if (argument == "--version") {
            parsed.version = true;
        } else if (argument == "--base-dir") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                return Error{Cause::InvalidInput, {}, "--base-dir needs a folder"};
            }
            parsed.baseDir = arguments[++i];
        } else if (argument.starts_with(kBaseDirEquals)) {
            if (argument.size() == kBaseDirEquals.size()) {
                return Error{Cause::InvalidInput, {}, "--base-dir needs a folder"};
            }
            parsed.baseDir = argument.substr(kBaseDirEquals.size());
        }
    }
    return parsed;
}

} // namespace qb
