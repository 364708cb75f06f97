#include "DeviceSheet.h"
#include "DeviceWorkbook.h"
#include "WorkbookReader.h"
#include "base/Prompter.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

#include <algorithm>

namespace qb {

namespace {

using namespace device_sheet;

constexpr std::size_t kPositionRead = 40; // characters taken from the cell before the field cuts

// One row's values, each already in the range the record takes.
struct RowValues {
    std::uint8_t registration = 0;
    std::uint8_t equipType = 2;
    std::uint8_t productType = 2;
    std::uint8_t zone = 0; // zone number minus 1
    std::uint8_t outputMode = 1;
    std::uint8_t workMode = 0;
    std::u16string position;
};

std::uint8_t lowByte(std::int64_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) & 0xFF);
}

// Every code of the device type list and table, and 1..99 as the workbook has always taken.
bool knownEquipment(int code, const DeviceTypeTable& table) {
    return (code >= 1 && code <= 99) || knownDeviceType(code, table);
}

RowValues inRange(const std::array<std::int64_t, kColumnCount>& number, std::u16string position,
                  const DeviceTypeTable& types) {
    RowValues values;
    const std::uint8_t reg = lowByte(number[kReg]);
    values.registration = reg <= 1 ? reg : 0;
    const std::uint8_t equip = lowByte(number[kEquipment]);
    values.equipType = knownEquipment(equip, types) ? equip : 2;
    const std::uint8_t product = lowByte(number[kProductionType]);
    values.productType = product >= 1 && product <= 99 ? product : 2;
    // Zones 1..32 are stored as zone minus 1; 0 is the "no zone" byte 255.
    const std::uint8_t zone = lowByte(number[kZone]);
    values.zone = zone == 0 ? 255 : zone <= 32 ? static_cast<std::uint8_t>(zone - 1) : 0;
    const std::uint8_t output = lowByte(number[kOutputMode]);
    values.outputMode = output <= 1 ? output : 1;
    const std::uint8_t work = lowByte(number[kWorkModes]);
    values.workMode = work <= 2 ? work : 0;
    std::size_t kept = std::min(position.size(), kPositionRead);
    if (kept < position.size() && kept > 0 && position[kept - 1] >= 0xD800 &&
        position[kept - 1] <= 0xDBFF) {
        --kept; // never half a character
    }
    position.resize(kept);
    values.position = std::move(position);
    return values;
}

void applyRow(DeviceRecord& device, const RowValues& values) {
    device.registration = values.registration;
    device.zone = values.zone;
    device.equipType = values.equipType;
    device.productType = values.productType;
    device.outputMode = values.outputMode;
    device.workMode = values.workMode;
    device.position.assign(values.position);
}

class Import {
public:
    Import(ConfigStore& store, const Workbook& workbook, const std::string& fileName,
           Prompter& prompter)
        : m_store(store), m_workbook(workbook), m_fileName(fileName), m_prompter(prompter) {}

    // False once a message ended the import.
    bool readLoop(int board, int loop) {
        const std::string name = device_workbook::sheetName(board, loop);
        const Sheet* sheet = findSheet(m_workbook, name);
        if (!sheet) {
            return fail(m_fileName + ": no sheet " + name);
        }
        const Layout layout = locate(*sheet);
        if (const std::optional<Column> missing = layout.firstMissing()) {
            return fail(m_fileName + ", sheet " + sheet->name + ": no column \"" +
                        std::string(kColumnNames[*missing]) + "\"");
        }
        struct Row {
            std::int64_t address;
            std::uint32_t row;
        };
        std::vector<Row> rows;
        for (std::uint32_t row : dataRows(*sheet, layout.headerRow)) {
            const std::optional<std::int64_t> address =
                numberOf(sheet->find(row, *layout.columns[kAddr]));
            if (!address) {
                return fail(cellPlace(m_fileName, sheet->name, row, kAddr) + kUnreadableCell);
            }
            rows.push_back({*address, row});
        }
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Row& a, const Row& b) { return a.address < b.address; });

        BoardDevices& devices = m_store.devices(board).working;
        for (const Row& row : rows) {
            const auto address = static_cast<std::uint16_t>(row.address & 0xFFFF);
            if (address == 0 || address > kAddressesPerLoop) {
                devices.records = m_store.devices(board).saved.records;
                m_prompter.inform(std::string(device_workbook::kBadAddress) + "\n" +
                                      cellPlace(m_fileName, sheet->name, row.row) + ": Addr " +
                                      std::to_string(row.address),
                                  kProgramName);
                return false;
            }
            std::array<std::int64_t, kColumnCount> number{};
            for (std::size_t c = kReg; c < kPosition; ++c) {
                const std::optional<std::int64_t> value =
                    numberOf(sheet->find(row.row, *layout.columns[c]));
                if (!value) {
                    return fail(cellPlace(m_fileName, sheet->name, row.row, Column(c)) +
                                kUnreadableCell);
                }
                number[c] = *value;
            }
            const std::optional<std::string> position =
                textOf(sheet->find(row.row, *layout.columns[kPosition]));
            if (!position) {
                return fail(cellPlace(m_fileName, sheet->name, row.row, kPosition) +
                            kUnreadableCell);
            }
            const RowValues values = inRange(number, fromUtf8(*position), m_store.deviceTypes);
            for (int slot = 1; slot <= kAddressesPerLoop; ++slot) {
                if (devices.device(loop, slot).address == address) {
                    applyRow(devices.device(loop, slot), values);
                    break;
                }
            }
        }
        return true;
    }

private:
    bool fail(const std::string& cause) {
        m_prompter.inform(std::string(device_workbook::kCannotOpen) + "\n" + cause, kProgramName);
        return false;
    }

    ConfigStore& m_store;
    const Workbook& m_workbook;
    const std::string& m_fileName;
    Prompter& m_prompter;
};

} // namespace

WorkbookOutcome importDevices(ConfigStore& store, const Workbook& workbook,
                              const std::string& fileName, Prompter& prompter,
                              const BoardProgress& progress) {
    Import import(store, workbook, fileName, prompter);
    for (int board = 1; board <= device_workbook::kBoards; ++board) {
        // The board as it was, for an address out of range to bring back.
        store.devices(board).saved.records = store.devices(board).working.records;
        for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
            if (!import.readLoop(board, loop)) {
                return {};
            }
        }
        if (progress) {
            progress(board);
        }
    }
    prompter.inform(device_workbook::kImported, kProgramName);
    return {true};
}

WorkbookOutcome importDevices(ConfigStore& store, const std::filesystem::path& path,
                              Prompter& prompter, const BoardProgress& progress) {
    Result<Workbook> workbook = readWorkbookFile(path);
    if (!workbook) {
        prompter.inform(std::string(device_workbook::kCannotOpen) + "\n" + workbook.error().text,
                        kProgramName);
        return {};
    }
    return importDevices(store, *workbook, path.filename().string(), prompter, progress);
}

} // namespace qb
