#include "DataExport.h"

#include "DeviceFile.h"
#include "DiskFolder.h"
#include "DisplayFile.h"
#include "ImageFile.h"
#include "IoBoardFile.h"
#include "Messages.h"
#include "NetworkFile.h"
#include "SetCommand.h"
#include "ZoneFile.h"
#include "store/LinkageTables.h"

#include <functional>
#include <optional>

namespace qb {

namespace {

// Every file of the set is built, and every text checked, before the folder is touched: a set
// that cannot be written whole is not written at all, so the controller never gets part of one.
class Exporter : public SetCommand {
public:
    Exporter(ConfigStore& store, Folder& folder, Prompter& prompter)
        : SetCommand(store, folder, prompter) {}

    void run();

private:
    // A file built and waiting to be written, with what the store takes once it is written.
    struct Pending {
        std::string name;
        BuiltFile file;
        std::function<void(const FileHeader&)> written;
    };

    // A table written as it stands: once written, its header keeps the checksum and the table
    // takes its saved copy.
    template <class Table>
    void add(std::string_view name, BuiltFile file, Versioned<Table>& table) {
        m_pending.push_back(
            {std::string(name), std::move(file), [&table](const FileHeader& written) {
                 table.working.header.setCrc(written.crc());
                 table.takeSavePoint();
             }});
    }
    // A table written with what the export itself sets in it (a fresh header, a trailer): the
    // working copy takes that only once the file is written.
    template <class Table>
    void addAdjusted(std::string_view name, BuiltFile file, Table exported,
                     Versioned<Table>& table) {
        m_pending.push_back({std::string(name), std::move(file),
                             [&table, exported](const FileHeader& written) mutable {
                                 exported.header.setCrc(written.crc());
                                 table.working = std::move(exported);
                                 table.takeSavePoint();
                             }});
    }

    void buildFiles();
    void buildDevices();
    void buildLinkage();
    void buildPanels();
    // Reports every text that would be refused; true when there is any.
    bool refused();
    // Empties the folder; false when it could not be made ready, and nothing was touched.
    bool clearFolder();
    // The header of the file written, or nothing when it could not be written (reported).
    std::optional<FileHeader> write(std::string_view name, std::vector<std::uint8_t> bytes);

    std::vector<Pending> m_pending;
};

constexpr const char* kNothingChanged =
    "Data export stopped: nothing in the Data folder was changed.";

void Exporter::run() {
    buildFiles();
    if (refused() || !clearFolder()) {
        report(kNothingChanged);
        return;
    }
    // Gone with the clearing; had it resisted, the clearing has said so.
    static_cast<void>(m_folder.remove(fileOf(names::kSystemSettings)));
    for (Pending& pending : m_pending) {
        if (const auto written = write(pending.name, std::move(pending.file.bytes))) {
            pending.written(*written);
        }
    }
}

bool Exporter::refused() {
    bool any = false;
    for (const Pending& pending : m_pending) {
        for (const std::string& message : pending.file.messages) {
            report(message);
            any = true;
        }
    }
    return any;
}

bool Exporter::clearFolder() {
    auto cleared = m_folder.clear();
    if (!cleared) {
        report(cleared.error().text);
        return false;
    }
    for (const Error& failure : *cleared) {
        report(failure.text);
    }
    return true;
}

std::optional<FileHeader> Exporter::write(std::string_view name, std::vector<std::uint8_t> bytes) {
    const FileHeader header = FileHeader::fromBytes(bytes);
    if (const Result<void> written = m_folder.write(fileOf(name), std::move(bytes)); !written) {
        report(written.error().text);
        return std::nullopt;
    }
    countFile();
    return header;
}

void Exporter::buildFiles() {
    ConfigStore& s = m_store;
    const FileHeader& headerTemplate = s.headerTemplate();

    add(names::kZone, buildZoneFile(s.zones.working, FileVariant::Export), s.zones);

    NetworkTable network = s.network.working;
    network.header = FileHeader::fromTemplate(headerTemplate, tags::kNetwork);
    BuiltFile networkFile = buildNetworkFile(network, headerTemplate, FileVariant::Export);
    addAdjusted(names::kNetwork, std::move(networkFile), std::move(network), s.network);

    add(names::kDisplay, buildDisplayFile(s.displays.working, FileVariant::Export), s.displays);

    IoBoardRecord ioBoards = s.ioBoards.working;
    if (s.systemCode() != SystemCode::OneLoop) {
        ioBoards.setTrailer(IoBoardRecord::kExportTrailer);
    }
    // The one-loop form is no image of the record, but loading it brings its header back with
    // this checksum; keeping it here too leaves nothing for a load of this export to change.
    BuiltFile ioBoardFile =
        buildIoBoardFile(ioBoards, headerTemplate, s.systemCode(), FileVariant::Export);
    addAdjusted(names::kIoBoard, std::move(ioBoardFile), std::move(ioBoards), s.ioBoards);

    add(names::kMimic, buildImageFile(s.mimic.working, FileVariant::Export), s.mimic);
    buildDevices();
    buildLinkage();

    KeypadTable keypad = s.keypad.working;
    keypad.header = FileHeader::fromTemplate(headerTemplate, tags::kKeypad);
    BuiltFile keypadFile = buildImageFile(keypad, FileVariant::Export);
    addAdjusted(names::kKeypad, std::move(keypadFile), std::move(keypad), s.keypad);
    buildPanels();
}

// The hand control, broadcast, hydrant and gas zone tables are written whenever they hold
// anything beyond their start-up contents: emptying the folder would otherwise take the
// installer's work with it. A fresh configuration still exports the usual set alone.
void Exporter::buildPanels() {
    ConfigStore& s = m_store;
    const FileHeader& headerTemplate = s.headerTemplate();
    // `freshTag`: the table's header is built afresh from the template with this tag.
    const auto exportPanel = [&](std::string_view name, auto& table,
                                 std::string_view freshTag = {}) {
        using Table = std::remove_reference_t<decltype(table.working)>;
        if (table.working.data == Table::defaults(headerTemplate).data) {
            return;
        }
        Table exported = table.working;
        if (!freshTag.empty()) {
            exported.header = FileHeader::fromTemplate(headerTemplate, freshTag);
        }
        BuiltFile file = buildImageFile(exported, FileVariant::Export);
        addAdjusted(name, std::move(file), std::move(exported), table);
    };
    exportPanel(names::kHandControl, s.handControl);
    exportPanel(names::kBroadcast, s.broadcast);
    exportPanel(names::kBroadcastPoints, s.broadcastPoints);
    exportPanel(names::kHydrant, s.hydrant);
    // Every writer of the gas zone file builds its header from the template.
    exportPanel(names::kGasZones, s.gasZones, tags::kGasZones);
}

void Exporter::buildDevices() {
    const SystemCode code = m_store.systemCode();
    for (int j = 1; j <= deviceFileCount(code); ++j) {
        Versioned<BoardDevices>& entry = m_store.devices(j);
        m_pending.push_back({deviceFileName(j),
                             buildDeviceFile(entry.working, j, code, FileVariant::Export),
                             [&entry](const FileHeader& written) {
                                 entry.working.header.setCrc(written.crc());
                                 entry.takeSavePoint();
                             }});
    }
}

void Exporter::buildLinkage() {
    ConfigStore& s = m_store;
    LinkageInputTable& inputs = s.linkageInputs.working;
    // The image carries the count the export computes; the table takes it once written.
    const std::uint16_t stored = inputs.registeredRuleCount();
    const std::uint16_t computed = registeredRuleCount(inputs);
    inputs.setRegisteredRuleCount(computed);
    BuiltFile conditions = buildWholeImageFile(inputs.bytes, FileVariant::Export);
    inputs.setRegisteredRuleCount(stored);
    m_pending.push_back({std::string(names::kLinkageInput), std::move(conditions),
                         [&s, computed](const FileHeader& written) {
                             LinkageInputTable& table = s.linkageInputs.working;
                             table.setRegisteredRuleCount(computed);
                             table.setHeader(written);
                             s.linkageInputs.takeSavePoint();
                         }});
    m_pending.push_back({std::string(names::kLinkageResult),
                         buildWholeImageFile(s.linkageResults.working.bytes, FileVariant::Export),
                         [&s](const FileHeader& written) {
                             s.linkageResults.working.setHeader(written);
                             s.linkageResults.takeSavePoint();
                         }});
}

} // namespace

SetOutcome dataExport(ConfigStore& store, Folder& folder, Prompter& prompter) {
    return SetCommand::runConfirmed<Exporter>(store, folder, prompter, kExportQuestion,
                                              " warning!");
}

SetOutcome dataExport(ConfigStore& store, Prompter& prompter, PreviousSet previous) {
    DiskFolder folder(store.dataFolder());
    std::string question = kExportQuestion;
    if (previous == PreviousSet::KeepBeside) {
        const std::filesystem::path kept = previousFolder(store.dataFolder());
        folder.keepPreviousIn(kept);
        question += "\nWhat the Data folder holds now goes to " + kept.string();
    }
    const SetOutcome outcome =
        SetCommand::runConfirmed<Exporter>(store, folder, prompter, question, " warning!");
    prompter.note(outcome.cancelled ? "Data export cancelled: nothing changed"
                                    : messages::exportedNote(outcome.files, outcome.problems,
                                                             store.dataFolder()));
    return outcome;
}

std::filesystem::path previousFolder(const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder =
        dataFolder.has_filename() ? dataFolder : dataFolder.parent_path();
    return folder.parent_path() / (folder.filename().string() + ".previous");
}

} // namespace qb
