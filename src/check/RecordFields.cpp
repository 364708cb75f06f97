#include "RecordFields.h"

namespace qb {

namespace {

void describe(const RecordFields& view, const std::string& subject, ChangeLines& lines) {
    ChangeLine line(subject);
    line.add(difftext::registered(view.registration));
    for (const auto& [name, value] : view.fields) {
        line.add(name.empty() ? value : name + ' ' + value);
    }
    if (view.hasOutputs) {
        std::string outputs = view.outputs.empty() ? "no outputs" : "outputs";
        for (const std::string& output : view.outputs) {
            outputs += ' ' + output;
        }
        line.add(outputs);
    }
    line.writeTo(lines);
}

} // namespace

void diffRecord(const std::string& subject, const std::optional<RecordFields>& before,
                const std::optional<RecordFields>& after, ChangeLines& lines) {
    if (!before || !after) {
        if (after) {
            describe(*after, subject + " added", lines);
        } else if (before) {
            describe(*before, subject + " removed", lines);
        }
        return;
    }
    ChangeLine line(subject);
    line.registration(before->registration, after->registration);
    for (std::size_t i = 0; i < after->fields.size() && i < before->fields.size(); ++i) {
        line.field(after->fields[i].first, before->fields[i].second, after->fields[i].second);
    }
    line.listChanges("output", before->outputs, after->outputs);
    line.writeTo(lines);
}

} // namespace qb
