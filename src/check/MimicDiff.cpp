#include "PanelDiff.h"

#include "check/PanelViews.h"
#include "devices/MimicLedRecords.h"
#include "store/ConfigStore.h"

namespace qb {

using namespace difftext;

void diffMimic(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines) {
    const MimicTable& was = before.mimic.working;
    const MimicTable& is = after.mimic.working;
    for (int m = 1; m <= MimicTable::kModules; ++m) {
        ChangeLine module("mimic module ", number(m));
        module.registration(was.registration(m), is.registration(m));
        module.writeTo(lines);
    }
    ChangeLine mode("mimic");
    mode.field("mode", onOff(was.mode()), onOff(is.mode()));
    mode.writeTo(lines);

    const auto ledsBefore = mimicrecords::load(before.linkageInputs.working);
    const auto ledsAfter = mimicrecords::load(after.linkageInputs.working);
    for (int m = 0; m < mimicrecords::kModules; ++m) {
        for (int led = 0; led < mimicrecords::kLeds; ++led) {
            const MimicLed& from = ledsBefore[m][led];
            const MimicLed& to = ledsAfter[m][led];
            if (!(from == to)) {
                diffRecord("mimic module " + number(m + 1) + " LED " + number(led + 1),
                           mimicLedView(from), mimicLedView(to), lines);
            }
        }
    }
}

} // namespace qb
