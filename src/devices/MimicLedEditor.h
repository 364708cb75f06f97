#pragma once

namespace qb {

class ConfigStore;
class Prompter;

// The LED dialog "MDM Setup": what each LED of each mimic module shows.
class MimicLedEditor {
public:
    MimicLedEditor(ConfigStore& store, Prompter& prompter) : m_store(store), m_prompter(prompter) {}

    void open() {}
    // True when the dialog ends with "Save" (the main window then writes both linkage files).
    bool pressSave() { return false; }
    // "Cancel" and the close box.
    void pressCancel() {}

private:
    ConfigStore& m_store;
    Prompter& m_prompter;
};

} // namespace qb
