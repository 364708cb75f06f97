#include "LoadData.h"

#include "DeviceFile.h"
#include "DiskFolder.h"
#include "DisplayFile.h"
#include "ImageFile.h"
#include "IoBoardFile.h"
#include "Messages.h"
#include "NetworkFile.h"
#include "SetCommand.h"
#include "ZoneFile.h"

#include <initializer_list>
#include <optional>

namespace qb {

namespace {

constexpr int kCheckedZones = 20;

// One file of the set as the loader sees it. An unreadable one is reported the moment it is
// found, and its table stays as it is.
enum class Found { Missing, Unreadable, Wrong, Accepted };

class Loader : public SetCommand {
public:
    Loader(ConfigStore& store, Folder& folder, Prompter& prompter)
        : SetCommand(store, folder, prompter) {}

    // The file's header. A file that is there but cannot be read is reported here, whatever the
    // file: it must never pass for a missing one.
    Result<FileHeader> peek(std::string_view name) {
        auto header = m_folder.peekHeader(fileOf(name));
        if (!header && header.error().cause != Cause::Missing) {
            reportUnreadable(name, header.error());
        }
        return header;
    }

    Found find(std::string_view name, std::initializer_list<std::string_view> tags) {
        const auto header = peek(name);
        if (!header) {
            return header.error().cause == Cause::Missing ? Found::Missing : Found::Unreadable;
        }
        for (std::string_view tag : tags) {
            if (header->hasTag(tag)) {
                return Found::Accepted;
            }
        }
        return Found::Wrong;
    }

    // Reports a missing or wrong file with its own messages; true when it is to be read.
    bool accept(std::string_view name, std::initializer_list<std::string_view> tags,
                const char* missing, const char* wrong) {
        switch (find(name, tags)) {
        case Found::Missing:
            report(missing);
            return false;
        case Found::Unreadable:
            return false;
        case Found::Wrong:
            report(wrong);
            return false;
        case Found::Accepted:
            return true;
        }
        return false;
    }

    // The file's first `expected` bytes, its layout's size. A file of another length is still
    // read as far as it goes, and said to be so: a cut or foreign copy must never pass for a
    // whole one. Nothing when the read fails (the file changed since its header was read): the
    // table then stays as it was, save point included, as for a file unreadable from the start.
    std::optional<std::vector<std::uint8_t>> read(std::string_view name, std::size_t expected) {
        auto start = m_folder.readStart(fileOf(name), expected);
        if (!start) {
            reportUnreadable(name, start.error());
            return std::nullopt;
        }
        if (start->size != expected) {
            report(messages::unexpectedFileSize(fileOf(name), start->size, expected));
        }
        countFile();
        return std::move(start->bytes);
    }

    void reportUnreadable(std::string_view name, const Error& error) {
        report(messages::unreadableFile(fileOf(name), error.reason()));
    }

    void run();

private:
    void loadZones();
    void loadNetwork();
    void loadDisplays();
    void loadIoBoards();
    void loadMimic();
    void loadDevices();
    void loadLinkage();
    void loadKeypads();
    void loadPanels();
    template <class Table>
    void loadPanel(std::string_view name, std::string_view tag, const char* wrong,
                   Versioned<Table>& table);
};

void Loader::run() {
    loadZones();
    loadNetwork();
    // Never read, so a stale one must not linger; one that resists deletion is still never read,
    // and the load goes on without a word.
    static_cast<void>(m_folder.remove(fileOf(names::kSystemSettings)));
    loadDisplays();
    loadIoBoards();
    loadMimic();
    loadDevices();
    loadLinkage();
    if (m_store.systemCode() != SystemCode::OneLoop) {
        loadKeypads();
    }
    loadPanels();
}

void Loader::loadZones() {
    if (!accept(names::kZone, {tags::kZone, tags::kIoBoard}, "File of Setting Zone does not exist",
                "File of Setting Zone is wrong")) {
        return;
    }
    const auto bytes = read(names::kZone, zone_file::kSize);
    if (!bytes) {
        return;
    }
    ZoneTable& zones = m_store.zones.working;
    readZoneFile(*bytes, zones);
    for (int z = 1; z <= kCheckedZones; ++z) {
        if (zones.zone(z).registration > 1) {
            m_prompter.inform("The registration information of the Zone is wrong. Please go to "
                              "the setting interface to check and correct!\nThe reason for this "
                              "problem may be that the imported data is from a mismatched version",
                              kProgramName);
            break;
        }
    }
    m_store.zones.takeSavePoint();
}

void Loader::loadNetwork() {
    if (find(names::kNetwork, {tags::kNetwork}) != Found::Accepted) {
        return; // a missing or foreign network file is skipped without a word
    }
    if (const auto bytes = read(names::kNetwork, network_file::kSize)) {
        readNetworkFile(*bytes, m_store.network.working);
        m_store.network.takeSavePoint();
    }
}

void Loader::loadDisplays() {
    if (!accept(names::kDisplay, {tags::kDisplay, tags::kIoBoard},
                "File of Setting Display does not exist", "File of Setting Display is wrong")) {
        return;
    }
    if (const auto bytes = read(names::kDisplay, display_file::kSize)) {
        readDisplayFile(*bytes, m_store.displays.working);
        m_store.displays.takeSavePoint();
    }
}

void Loader::loadIoBoards() {
    if (!accept(names::kIoBoard, {tags::kIoBoard}, "File of Setting IO-Board does not exist",
                "File of Setting IO-Board is wrong")) {
        return;
    }
    const SystemCode code = m_store.systemCode();
    if (const auto bytes = read(names::kIoBoard, io_board_file::fileSize(code))) {
        readIoBoardFile(*bytes, m_store.ioBoards.working, code);
        m_store.ioBoards.takeSavePoint();
    }
}

void Loader::loadMimic() {
    const auto header = peek(names::kMimic);
    if (!header) {
        if (header.error().cause == Cause::Missing) {
            report("File of Setting Mimic does not exist");
        }
        return;
    }
    if (!header->hasTag(tags::kMimic) && !header->hasSignature()) {
        report("File of Setting Mimic is wrong");
        return;
    }
    if (const auto bytes = read(names::kMimic, MimicTable::kFileSize)) {
        readImageFile(*bytes, m_store.mimic.working);
        m_store.mimic.takeSavePoint();
    }
}

void Loader::loadDevices() {
    const bool oneLoop = m_store.systemCode() == SystemCode::OneLoop;
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        const std::string name = deviceFileName(j);
        const Found found = find(name, {tags::kDevices, tags::kIoBoard});
        if (found != Found::Accepted && oneLoop) {
            return; // the one-loop controller's files end at the first gap
        }
        if (found == Found::Unreadable) {
            continue;
        }
        if (found == Found::Missing) {
            if (j < kVirtualBoard1) {
                report(messages::format("File's No.%ld of Detector/Module does not exist",
                                        static_cast<long>(j)));
            }
            continue;
        }
        if (found == Found::Wrong) {
            if (j < kVirtualBoard1) {
                report(messages::format("File's No.%ld of Detector/Module is wrong",
                                        static_cast<long>(j)));
            }
            continue;
        }
        const SystemCode code = m_store.systemCode();
        if (const auto bytes = read(name, device_file::fileSize(code))) {
            readDeviceFile(*bytes, m_store.devices(j).working, code, m_store.cutPositions(j));
            m_store.devices(j).takeSavePoint();
        }
    }
}

void Loader::loadLinkage() {
    if (accept(names::kLinkageInput, {tags::kLinkageInput, tags::kIoBoard},
               "File of Linkage does not exist", "File of Linkage is wrong")) {
        if (const auto bytes = read(names::kLinkageInput, LinkageInputTable::kSize)) {
            LinkageInputTable& inputs = m_store.linkageInputs.working;
            readWholeImageFile(*bytes, inputs.bytes);
            if (inputs.registeredRuleCount() == 0xFFFF) {
                inputs.setRegisteredRuleCount(0);
            }
            m_store.linkageInputs.takeSavePoint();
        }
    }
    if (accept(names::kLinkageResult, {tags::kLinkageResult, tags::kIoBoard},
               "File of the linkage results does not exist",
               "File of the linkage results is wrong")) {
        if (const auto bytes = read(names::kLinkageResult, LinkageResultTable::kSize)) {
            readWholeImageFile(*bytes, m_store.linkageResults.working.bytes);
            m_store.linkageResults.takeSavePoint();
        }
    }
}

void Loader::loadKeypads() {
    if (!accept(names::kKeypad, {tags::kKeypad}, "File of Manual Control Panel does not exist",
                "File of  Manual Control Panel is wrong")) {
        return;
    }
    if (const auto bytes = read(names::kKeypad, KeypadTable::kFileSize)) {
        readImageFile(*bytes, m_store.keypad.working);
        m_store.keypad.takeSavePoint();
    }
}

// Data export writes these tables only when they hold something, so an absent file means
// start-up contents: another host's panels must not stay behind in this host's set.
void Loader::loadPanels() {
    loadPanel(names::kHandControl, tags::kHandControl, "File of Hand Control Point is wrong",
              m_store.handControl);
    loadPanel(names::kBroadcast, tags::kBroadcast, "File of Broadcast Controller is wrong",
              m_store.broadcast);
    loadPanel(names::kBroadcastPoints, tags::kBroadcastPoints, "File of Broadcast Point is wrong",
              m_store.broadcastPoints);
    loadPanel(names::kHydrant, tags::kHydrant, "File of Four-wire Hydrant is wrong",
              m_store.hydrant);
    loadPanel(names::kGasZones, tags::kGasZones, "File of Gas Zone is wrong", m_store.gasZones);
}

template <class Table>
void Loader::loadPanel(std::string_view name, std::string_view tag, const char* wrong,
                       Versioned<Table>& table) {
    switch (find(name, {tag})) {
    case Found::Missing:
        table.working = Table::defaults(m_store.headerTemplate());
        break;
    case Found::Unreadable:
        return;
    case Found::Wrong:
        report(wrong);
        return;
    case Found::Accepted:
        if (const auto bytes = read(name, Table::kFileSize)) {
            readImageFile(*bytes, table.working);
            break;
        }
        return;
    }
    table.takeSavePoint();
}

} // namespace

SetOutcome loadData(ConfigStore& store, Folder& folder, Prompter& prompter) {
    return SetCommand::runConfirmed<Loader>(store, folder, prompter, kLoadQuestion, "warning!");
}

SetOutcome loadData(ConfigStore& store, Prompter& prompter) {
    DiskFolder folder(store.dataFolder());
    const SetOutcome outcome = loadData(store, folder, prompter);
    prompter.note(outcome.cancelled
                      ? "Load Data cancelled: nothing changed"
                      : messages::loadedNote(outcome.files, outcome.problems, store.dataFolder()));
    return outcome;
}

} // namespace qb
