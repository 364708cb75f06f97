// Writes a fuzzing corpus from the sets that `quillbarrow-cli new` makes: one entry per file
// of each system code's fresh set, and one per code holding its zone, network and linkage files.
#include "FileSetInput.h"
#include "cli/Cli.h"

#include <fstream>
#include <iostream>
#include <sstream>

using namespace qb;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeEntry(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_make_corpus SCRATCH_DIR CORPUS_DIR\n";
        return 2;
    }
    const fs::path scratch = argv[1];
    const fs::path corpus = argv[2];
    fs::create_directories(corpus);
    const auto names = fuzzing::setFileNames();
    for (int c = 0; c <= 2; ++c) {
        const fs::path set = scratch / ("set" + std::to_string(c));
        std::ostringstream out;
        std::ostringstream err;
        runCli({"new", set.string(), "--system-code", std::to_string(c), "--force"}, out, err);
        std::vector<std::uint8_t> combined{static_cast<std::uint8_t>(c), 0};
        for (std::size_t n = 0; n < names.size(); ++n) {
            const fs::path file = set / fileName(0, names[n]);
            if (!fs::exists(file)) {
                continue;
            }
            const auto bytes = readAll(file);
            const auto entry = fuzzing::encodeFile(static_cast<SystemCode>(c),
                                                   static_cast<std::uint8_t>(n), bytes);
            writeEntry(corpus / ("c" + std::to_string(c) + "-" + names[n]), entry);
            if (n <= 1 || names[n] == "LDCO" || names[n] == "LDRE") {
                combined.insert(combined.end(), entry.begin() + 2, entry.end());
            }
        }
        writeEntry(corpus / ("c" + std::to_string(c) + "-combined"), combined);
    }
    return 0;
}
