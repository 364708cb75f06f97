#include "PanelDiff.h"

#include "check/RecordFields.h"
#include "devices/MimicLedNames.h"
#include "devices/MimicLedRecords.h"
#include "files/TextCodec.h"
#include "store/ConfigStore.h"

namespace qb {

namespace {

using namespace difftext;

// What the LED shows, in the column its cause fills.
std::string ledTarget(const MimicLed& led) {
    if (!led.hasNumber()) {
        return "none";
    }
    switch (led.cause) {
    case MimicLed::Device:
        return "address " + number(led.number, 3);
    case MimicLed::Zone:
        return "zone " + number(led.number, 2);
    case MimicLed::NcInput:
    case MimicLed::NoInput:
        return "input " + toUtf8(mimicnames::input(led.number));
    default:
        return "number " + number(led.number);
    }
}

RecordFields ledView(const MimicLed& led) {
    RecordFields view;
    view.registration = led.reg;
    view.add("cause", toUtf8(mimicnames::cause(led.cause)));
    view.add("indication", toUtf8(mimicnames::indication(led.indication)));
    view.add("host", led.hasHost() ? number(led.host + 1, 3) : "none");
    view.add("loop", led.hasLoop() ? number(led.loop + 1, 2) : "none");
    view.add("", ledTarget(led));
    return view;
}

} // namespace

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
                           ledView(from), ledView(to), lines);
            }
        }
    }
}

} // namespace qb
