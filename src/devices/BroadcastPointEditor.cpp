#include "BroadcastPointEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/LittleEndian.h"
#include "store/ModuleList.h"

#include <algorithm>

namespace qb {

namespace {

using Table = BroadcastPointTable;
using Slot = Table::Slot;

constexpr std::uint8_t kFree = Table::kFree;
constexpr int kBModule = 77;

// A page begun and holding nothing yet: not registered, no controller, point or module.
constexpr Slot kBegun{0, kFree, kFree, kFree, kFree, kFree, kFree, kFree};

// An "IO-Board" entry: the board byte it is stored as, and the device file it names. The
// virtual boards are stored one below their device file, so "V1" shares 40 with board 40.
struct BoardChoice {
    int code;
    int file;
};

BoardChoice boardChoice(const std::u16string& entry) {
    if (!entry.empty() && entry[0] == u'V') {
        const int v = static_cast<int>(leadingInteger(entry.substr(1)));
        return {IoBoardRecord::kBoards - 1 + v, IoBoardRecord::kBoards + v};
    }
    const int board = static_cast<int>(leadingInteger(entry));
    return {board, board};
}

bool hasController(const Slot& s) {
    return s[Table::kController] != kFree;
}
bool hasPoint(const Slot& s) {
    return s[Table::kPoint] != kFree;
}
bool hasModule(const Slot& s) {
    return s[Table::kBoard] != kFree;
}

// The "Result List" line of a page, from what it stores: a "V1" module reads as board 40, the
// way the controller reads it too.
std::u16string resultLine(const Slot& s) {
    return u"001  " + numberText(s[Table::kBoard], 2) + u"-" + numberText(s[Table::kLoop]) + u"-" +
           numberText(le::readU16(s, Table::kAddress), 3) + u" B-module";
}

// Same controller, point and B-module; "Reg" aside.
bool sameSettings(const Slot& a, const Slot& b) {
    for (std::size_t field : {Table::kController, Table::kPoint, Table::kBoard, Table::kLoop,
                              Table::kAddress, Table::kAddress + 1}) {
        if (a[field] != b[field]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool isBModule(const DeviceRecord& device) {
    return device.registration == 1 && device.equipType == kBModule;
}

namespace {

const ModuleKind kBModules{isBModule, u"broadcast modules",
                           u"set device type BCST-M on the Detector/Module page"};

} // namespace

BroadcastPointEditor::BroadcastPointEditor(ConfigStore& store, Prompter& prompter)
    : PagedEditor(prompter, {.fullMessage = kTableFull,
                             .plainLabel = true,
                             .toCountsFromZero = true,
                             .dropEmptyWhenMoving = true,
                             .maxPages = Table::kRecords}),
      m_store(store) {}

void BroadcastPointEditor::open() {
    const BroadcastTable& controllerTable = m_store.broadcast.working;
    std::vector<std::u16string> registered;
    for (int n = 1; n <= BroadcastTable::kControllers; ++n) {
        if (controllerTable.registration(n) == 1) {
            registered.push_back(numberText(n));
        }
    }
    controllers = offeredList(std::move(registered), emptyreason::kNoControllers);
    boards = {fittedBoardTexts(m_store.ioBoards.working), -1};
    boards.items.insert(boards.items.end(), {u"V1", u"V2"});
    loops = {{u"01", u"02"}, -1};
    clearModules();
    m_pages.clear();
    const Table& table = m_store.broadcastPoints.working;
    for (int index = 0; index < Table::kRecords; ++index) {
        if (table.used(index)) {
            m_pages.push_back(table.slot(index));
        }
    }
    m_composing = m_carried = false;
    openPages();
}

BroadcastPointEditor::PageState BroadcastPointEditor::pageState() const {
    if (page() == 0) {
        return PageState::Complete;
    }
    const Slot& s = shown();
    if (hasController(s) && hasPoint(s) && hasModule(s)) {
        return PageState::Complete;
    }
    // What "Add" offered on a new page is no content of the installer's.
    const bool nothingChosen = m_carried || (!hasController(s) && !hasPoint(s));
    return composing() && !hasModule(s) && nothingChosen ? PageState::Empty : PageState::Incomplete;
}

std::string BroadcastPointEditor::missingParts() const {
    const bool shownPage = page() >= 1;
    std::string line;
    noteMissing(line, shownPage && !hasController(shown()), "No broadcast controller is chosen.");
    noteMissing(line, shownPage && !hasPoint(shown()), "No B-Point is chosen.");
    noteMissing(line, shownPage && !hasModule(shown()), "No B-module is chosen.");
    return line;
}

bool BroadcastPointEditor::duplicated(const Slot& slot, int index) const {
    for (int other = 0; other < pageCount(); ++other) {
        if (other != index && sameSettings(slot, m_pages[static_cast<std::size_t>(other)])) {
            return true;
        }
    }
    return false;
}

void BroadcastPointEditor::storePage() {
    // The page's fields went into it as they were chosen: a begun page, once complete, now
    // counts as stored.
    if (composing() && pageState() == PageState::Complete) {
        m_composing = m_carried = false;
    }
}

bool BroadcastPointEditor::admitPage() {
    if (!composing() || !duplicated(shown(), page() - 1)) {
        return true;
    }
    prompter().inform(kSameSettings, kProgramName);
    clearShown();
    return false;
}

void BroadcastPointEditor::clearShown() {
    shown() = kBegun;
    m_carried = false;
}

bool BroadcastPointEditor::pressOk() {
    // A new page that repeats a stored one adds nothing: it is dropped, and the dialog ends.
    if (page() >= 1 && composing() && pageState() == PageState::Complete &&
        duplicated(shown(), page() - 1)) {
        clearShown();
    }
    if (!PagedEditor::pressOk()) {
        return false;
    }
    Table& table = m_store.broadcastPoints.working;
    table.data.fill(kFree);
    for (std::size_t index = 0; index < m_pages.size(); ++index) {
        table.setSlot(static_cast<int>(index), m_pages[index]);
    }
    return true;
}

void BroadcastPointEditor::showPage() {
    const Slot& s = shown();
    m_reg = s[Table::kRegistered] == 1;
    controllers.selected = -1;
    if (hasController(s)) {
        controllers.selectText(numberText(s[Table::kController] + 1));
    }
    fillPoints();
    results = {};
    if (hasModule(s)) {
        results.items.push_back(resultLine(s));
    }
    updateOutputButtons();
}

void BroadcastPointEditor::showNoPage() {
    m_reg = false;
    controllers.selected = -1;
    points = {{}, -1, std::u16string(kNoPageShown)};
    results = {};
    updateOutputButtons();
}

// The B-Point list of the shown page's controller, its point selected; a point the list cannot
// offer (a controller no longer registered, a damaged slot) shows none and is kept.
void BroadcastPointEditor::fillPoints() {
    points = {{}, -1, u"no broadcast controller chosen: choose one to list its points"};
    if (page() == 0 || !hasController(shown()) ||
        shown()[Table::kController] >= BroadcastTable::kControllers) {
        return;
    }
    const int controller = shown()[Table::kController] + 1;
    const int count = m_store.broadcast.working.points(controller);
    std::vector<std::u16string> offered;
    for (int n = 1; n <= count; ++n) {
        offered.push_back(numberText(n));
    }
    points = offeredList(std::move(offered),
                         u"no points on broadcast controller " + numberText(controller) +
                             u": set its points with Tools, Broadcast Controller Setup");
    if (hasPoint(shown())) {
        points.select(shown()[Table::kPoint]);
    }
}

void BroadcastPointEditor::updateOutputButtons() {
    const bool held = page() >= 1 && hasModule(shown());
    addOutputEnabled = page() >= 1 && !held;
    removeOutputEnabled = held;
    explainResults();
}

std::optional<int> BroadcastPointEditor::appendPage() {
    if (!canAppend()) {
        return std::nullopt;
    }
    m_addedFrom = page();
    m_pages.push_back(kBegun);
    m_composing = true;
    m_carried = false;
    return pageCount();
}

void BroadcastPointEditor::pageAdded() {
    if (m_addedFrom < 1 || m_addedFrom >= pageCount()) {
        return;
    }
    // Points are mostly entered one after another on one controller: offer the next one.
    const Slot& before = m_pages[static_cast<std::size_t>(m_addedFrom - 1)];
    const int controller = before[Table::kController] + 1;
    if (!hasController(before) || std::find(controllers.items.begin(), controllers.items.end(),
                                            numberText(controller)) == controllers.items.end()) {
        return;
    }
    Slot& s = shown();
    s[Table::kController] = before[Table::kController];
    const int next = before[Table::kPoint] + 1;
    if (hasPoint(before) && next < m_store.broadcast.working.points(controller)) {
        s[Table::kPoint] = static_cast<std::uint8_t>(next);
    }
    m_carried = true;
    showPage();
}

int BroadcastPointEditor::deletePage(int page) {
    if (page == pageCount()) {
        m_composing = m_carried = false;
    }
    m_pages.erase(m_pages.begin() + (page - 1));
    return m_pages.empty() ? 0 : std::max(1, page - 1);
}

void BroadcastPointEditor::setReg(bool on) {
    if (page() >= 1) {
        shown()[Table::kRegistered] = on ? 1 : 0;
        m_reg = on;
    }
}

void BroadcastPointEditor::changeShown(const Slot& changed) {
    // A stored page cannot be turned into another page's twin; a new one is checked by "Add".
    if (!composing() && hasModule(changed) && duplicated(changed, page() - 1)) {
        prompter().inform(kSameSettings, kProgramName);
    } else {
        shown() = changed;
        if (composing()) {
            m_carried = false;
        }
    }
    showPage();
}

void BroadcastPointEditor::chooseController(int index) {
    if (page() == 0 || index < 0 || index >= static_cast<int>(controllers.items.size())) {
        return;
    }
    const int controller = static_cast<int>(leadingInteger(controllers.items[index]));
    Slot changed = shown();
    changed[Table::kController] = static_cast<std::uint8_t>(controller - 1);
    // A point the new controller does not have is no choice any more.
    if (hasPoint(changed) &&
        changed[Table::kPoint] >= m_store.broadcast.working.points(controller)) {
        changed[Table::kPoint] = kFree;
    }
    changeShown(changed);
}

void BroadcastPointEditor::choosePoint(int index) {
    if (page() == 0 || index < 0 || index >= static_cast<int>(points.items.size())) {
        return;
    }
    Slot changed = shown();
    changed[Table::kPoint] = static_cast<std::uint8_t>(index);
    changeShown(changed);
}

void BroadcastPointEditor::chooseBoard(int index) {
    boards.select(index);
    loops.selected = -1;
    clearModules();
}

void BroadcastPointEditor::chooseLoop(int index) {
    clearModules();
    if (!boards.chosen()) {
        loops.selected = -1;
        prompter().inform(kNoBoard, kProgramName);
        return;
    }
    loops.select(index);
    clearModules();
    if (!loops.chosen()) {
        return;
    }
    const int file = boardChoice(boards.text()).file;
    if (file >= 1 && file <= kDeviceFileCount) {
        modules = moduleList(m_store.devices(file).working, file, loops.selected + 1,
                             m_store.deviceTypes, kBModules);
    }
}

void BroadcastPointEditor::pressAddOutput() {
    if (page() == 0 || hasModule(shown())) {
        return; // one B-module per page
    }
    if (!modules.chosen() || !boards.chosen() || !loops.chosen()) {
        prompter().inform(kNoModule, kProgramName);
        return;
    }
    if (!hasController(shown()) || !hasPoint(shown())) {
        prompter().inform(kNoControllerPoint, kProgramName);
        return;
    }
    Slot changed = shown();
    changed[Table::kBoard] = static_cast<std::uint8_t>(boardChoice(boards.text()).code);
    changed[Table::kLoop] = static_cast<std::uint8_t>(loops.selected + 1);
    changed[Table::kSpare] = 0;
    le::writeU16(changed, Table::kAddress,
                 static_cast<std::uint16_t>(leadingInteger(modules.text().substr(0, 3))));
    if (duplicated(changed, page() - 1)) {
        prompter().inform(kModuleAdded, kProgramName);
        return;
    }
    shown() = changed;
    m_carried = false;
    showPage();
}

void BroadcastPointEditor::pressRemoveOutput() {
    if (page() == 0 || !hasModule(shown())) {
        return;
    }
    Slot& s = shown();
    std::fill(s.begin() + Table::kBoard, s.end(), kFree);
    showPage();
}

} // namespace qb
