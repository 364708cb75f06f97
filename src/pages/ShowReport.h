#pragma once

namespace qb {

class ConfigStore;
class DialogRunner;

// "Print Configuration Report": the report of the store in memory and the files of the Data
// folder, dated today, shown by `dialogs` with a PDF beside the Data folder offered for saving.
void showConfigurationReport(const ConfigStore& store, DialogRunner& dialogs);

} // namespace qb
