#include "CliOptions.h"
#include "JsonWriter.h"
#include "StreamPrompter.h"
#include "check/DeviceSearch.h"
#include "files/LoadData.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

namespace qb {

namespace {

std::string kindName(SearchHitKind kind) {
    switch (kind) {
    case SearchHitKind::Zone:
        return "zone";
    case SearchHitKind::Display:
        return "display";
    default:
        return "device";
    }
}

// "zone 3: Kitchen", "display 2: Lobby", "board 03 loop 1 address 7 SmokeDet zone 9: Kitchen".
std::string textLine(const SearchHit& hit) {
    if (hit.kind != SearchHitKind::Device) {
        return kindName(hit.kind) + ' ' + std::to_string(hit.number) + ": " + toUtf8(hit.text);
    }
    return "board " + toUtf8(boardText(hit.board)) + " loop " + std::to_string(hit.loop) +
           " address " + std::to_string(hit.address) + ' ' + toUtf8(hit.type) + " zone " +
           std::to_string(hit.zone) + ": " + toUtf8(hit.text);
}

JsonObject jsonObject(const SearchHit& hit) {
    JsonObject object{{"kind", kindName(hit.kind)}};
    if (hit.kind != SearchHitKind::Device) {
        object.emplace_back("number", hit.number);
        object.emplace_back("name", toUtf8(hit.text));
        return object;
    }
    object.emplace_back("board", toUtf8(boardText(hit.board)));
    object.emplace_back("loop", hit.loop);
    object.emplace_back("address", hit.address);
    object.emplace_back("type", toUtf8(hit.type));
    object.emplace_back("zone", hit.zone);
    object.emplace_back("position", toUtf8(hit.text));
    return object;
}

} // namespace

// Like grep: whether anything was found is the answer, so a set that loaded with problems
// still answers 0 or 1; its messages go to `err` as every command's do.
int runFind(const CliOptions& options, std::ostream& out, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    loadData(*store, prompter);
    const std::vector<SearchHit> hits = findInStore(*store, fromUtf8(options.searchText));
    if (options.json) {
        JsonArray array;
        for (const SearchHit& hit : hits) {
            array.emplace_back(jsonObject(hit));
        }
        writeJson(array, out);
        out << '\n';
    } else {
        for (const SearchHit& hit : hits) {
            out << textLine(hit) << '\n';
        }
    }
    return hits.empty() ? 1 : 0;
}

} // namespace qb
