#include "DataExport.h"

#include "DeviceFile.h"
#include "DiskFolder.h"
#include "DisplayFile.h"
#include "ImageFile.h"
#include "IoBoardFile.h"
#include "NetworkFile.h"
#include "SetCommand.h"
#include "ZoneFile.h"
#include "store/LinkageTables.h"

#include <optional>

namespace qb {

namespace {

class Exporter : public SetCommand {
public:
    Exporter(ConfigStore& store, Folder& folder, Prompter& prompter)
        : SetCommand(store, folder, prompter) {}

    void run();

private:
    // Reports every too-long text of the file; writes it when there is none and `allowed`.
    // The header of the file written, or nothing when it was not written.
    std::optional<FileHeader> write(std::string_view name, BuiltFile file, bool allowed = true);

    // Writes a table's file and, once written, keeps the checksum in the table's header and
    // takes its saved copy.
    template <class Table, class SetCrc>
    void writeTable(std::string_view name, BuiltFile file, Versioned<Table>& table, SetCrc setCrc) {
        if (const auto written = write(name, std::move(file))) {
            setCrc(table.working, written->crc());
            table.takeSavePoint();
        }
    }

    void exportDevices();
    void exportLinkage();
    void exportPanels();
};

auto headerCrc() {
    return [](auto& table, std::uint32_t crc) { table.header.setCrc(crc); };
}

std::optional<FileHeader> Exporter::write(std::string_view name, BuiltFile file, bool allowed) {
    for (const std::string& message : file.messages) {
        report(message);
    }
    if (!file.writable() || !allowed) {
        return std::nullopt;
    }
    const FileHeader header = FileHeader::fromBytes(file.bytes);
    if (const Result<void> written = m_folder.write(fileOf(name), std::move(file.bytes));
        !written) {
        report(written.error().text);
        return std::nullopt;
    }
    return header;
}

void Exporter::run() {
    for (const Error& failure : m_folder.clear()) {
        report(failure.text);
    }
    ConfigStore& s = m_store;
    const FileHeader& headerTemplate = s.headerTemplate();

    writeTable(names::kZone, buildZoneFile(s.zones.working, FileVariant::Export), s.zones,
               headerCrc());

    s.network.working.header = FileHeader::fromTemplate(headerTemplate, tags::kNetwork);
    writeTable(names::kNetwork,
               buildNetworkFile(s.network.working, headerTemplate, FileVariant::Export), s.network,
               headerCrc());
    // Gone with the clearing; had it resisted, the clearing has said so.
    static_cast<void>(m_folder.remove(fileOf(names::kSystemSettings)));

    writeTable(names::kDisplay, buildDisplayFile(s.displays.working, FileVariant::Export),
               s.displays, headerCrc());

    const bool oneLoop = s.systemCode() == SystemCode::OneLoop;
    if (!oneLoop) {
        s.ioBoards.working.setTrailer(IoBoardRecord::kExportTrailer);
    }
    // The one-loop form is no image of the record, but loading it brings its header back with
    // this checksum; keeping it here too leaves nothing for a load of this export to change.
    writeTable(
        names::kIoBoard,
        buildIoBoardFile(s.ioBoards.working, headerTemplate, s.systemCode(), FileVariant::Export),
        s.ioBoards, headerCrc());

    writeTable(names::kMimic, buildImageFile(s.mimic.working, FileVariant::Export), s.mimic,
               headerCrc());
    exportDevices();
    exportLinkage();

    s.keypad.working.header = FileHeader::fromTemplate(headerTemplate, tags::kKeypad);
    writeTable(names::kKeypad, buildImageFile(s.keypad.working, FileVariant::Export), s.keypad,
               headerCrc());
    exportPanels();
}

// The hand control, broadcast, hydrant and gas zone tables are written whenever they hold
// anything beyond their start-up contents: emptying the folder would otherwise take the
// installer's work with it. A fresh configuration still exports the usual set alone.
void Exporter::exportPanels() {
    ConfigStore& s = m_store;
    const FileHeader& headerTemplate = s.headerTemplate();
    // `freshTag`: the table's header is built afresh from the template with this tag.
    const auto exportPanel = [&](std::string_view name, auto& table,
                                 std::string_view freshTag = {}) {
        using Table = std::remove_reference_t<decltype(table.working)>;
        if (table.working.data == Table::defaults(headerTemplate).data) {
            return;
        }
        if (!freshTag.empty()) {
            table.working.header = FileHeader::fromTemplate(headerTemplate, freshTag);
        }
        writeTable(name, buildImageFile(table.working, FileVariant::Export), table, headerCrc());
    };
    exportPanel(names::kHandControl, s.handControl);
    exportPanel(names::kBroadcast, s.broadcast);
    exportPanel(names::kBroadcastPoints, s.broadcastPoints);
    exportPanel(names::kHydrant, s.hydrant);
    // Every writer of the gas zone file builds its header from the template.
    exportPanel(names::kGasZones, s.gasZones, tags::kGasZones);
}

void Exporter::exportDevices() {
    const SystemCode code = m_store.systemCode();
    const int last = deviceFileCount(code);
    // One mark for the whole export: after the first too-long position no further device file
    // is written, though every later position is still checked.
    bool valid = true;
    for (int j = 1; j <= last; ++j) {
        Versioned<BoardDevices>& entry = m_store.devices(j);
        BuiltFile file = buildDeviceFile(entry.working, j, code, FileVariant::Export);
        valid = valid && file.writable();
        if (const auto written = write(deviceFileName(j), std::move(file), valid)) {
            entry.working.header.setCrc(written->crc());
            entry.takeSavePoint();
        }
    }
}

void Exporter::exportLinkage() {
    ConfigStore& s = m_store;
    LinkageInputTable& inputs = s.linkageInputs.working;
    inputs.setRegisteredRuleCount(registeredRuleCount(inputs));
    if (const auto written =
            write(names::kLinkageInput, buildWholeImageFile(inputs.bytes, FileVariant::Export))) {
        inputs.setHeader(*written);
        s.linkageInputs.takeSavePoint();
    }
    LinkageResultTable& results = s.linkageResults.working;
    if (const auto written =
            write(names::kLinkageResult, buildWholeImageFile(results.bytes, FileVariant::Export))) {
        results.setHeader(*written);
        s.linkageResults.takeSavePoint();
    }
}

} // namespace

SetOutcome dataExport(ConfigStore& store, Folder& folder, Prompter& prompter) {
    return SetCommand::runConfirmed<Exporter>(store, folder, prompter, kExportQuestion,
                                              " warning!");
}

SetOutcome dataExport(ConfigStore& store, Prompter& prompter) {
    DiskFolder folder(store.dataFolder());
    return dataExport(store, folder, prompter);
}

} // namespace qb
