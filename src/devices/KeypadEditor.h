#pragma once

namespace qb {

class ConfigStore;
class Prompter;

// "Manual Control Panel Setting": the zone control panel keypad points, one per page.
class KeypadEditor {
public:
    KeypadEditor(ConfigStore& store, Prompter& prompter) : m_store(store), m_prompter(prompter) {}

    void open() {}
    // True when the dialog ends with OK (the main window then writes KPAD.BIN).
    bool pressOk() { return false; }
    // "Exit" and the close box: the saved copy comes back.
    void pressExit() {}

private:
    ConfigStore& m_store;
    Prompter& m_prompter;
};

} // namespace qb
