#pragma once

#include "store/LinkageTables.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qb {

class ConfigStore;

// Rules and their outputs live in the two record pools of the linkage tables. Each kind keeps
// its rules as a singly linked list starting at the kind's head; each rule keeps its outputs as
// a singly linked list starting at its first output field. A rule's "page" is its 1-based place
// in its kind list, as the linkage editors show it.
//
// Every chain may come from a file and is not trusted: a walk ends at the end marker, at a free
// record, at an index outside the pool, or at the first record it has already visited. So a
// damaged chain reads as the intact part before the damage, and every edit below works on that
// part only, which also mends the chain (a cycle or dangling link is replaced by a proper end).
//
// Functions given a kind outside 1..7 or a record index outside the pool change nothing and
// report nothing found.

std::optional<int> lowestFreeCondition(const LinkageInputTable& input);
std::optional<int> lowestFreeOutput(const LinkageResultTable& result);

// 0xFF over the whole record.
void freeCondition(LinkageInputTable& input, int record);
void freeOutput(LinkageResultTable& result, int record);

// Puts an empty rule at the end of the kind list and returns its record index; it is then the
// last page. Nothing changes when no condition record or no output record is free, as a rule
// without room for an output cannot be completed.
std::optional<int> appendRule(LinkageInputTable& input, const LinkageResultTable& result,
                              LinkageKind kind);

// Deletes the rule on page 1..countRules(kind) together with its outputs and returns the page to
// show afterwards: the page now holding the rule that followed, the new last page when the last
// one went, 0 when the kind is empty. A page that does not exist changes nothing; the return
// value is then the page clamped to the existing ones.
int deleteRule(LinkageInputTable& input, LinkageResultTable& result, LinkageKind kind, int page);

// The output records of a rule, in order.
std::vector<int> outputChain(const LinkageInputTable& input, const LinkageResultTable& result,
                             int record, LinkageKind kind);

// Frees every output of the rule and leaves the rule without outputs.
void freeOutputs(LinkageInputTable& input, LinkageResultTable& result, int record,
                 LinkageKind kind);

// Adds an output at the end of a rule in use. False when no output record is free or the rule
// record is free.
bool appendOutput(LinkageInputTable& input, LinkageResultTable& result, int record,
                  LinkageKind kind, std::uint8_t hostIndex, std::uint8_t loopIndex,
                  std::uint16_t address);

// Removes the output at 0-based `position` of the rule's output chain; any other position
// changes nothing.
void removeOutput(LinkageInputTable& input, LinkageResultTable& result, int record,
                  LinkageKind kind, int position);

// One line of a rule's output list: "sss bb-l-aaa" and the device type name of the addressed
// device, e.g. "001 03-1-005SmkFan" or "012 V1-2-120...". `sequence` is 1-based.
std::u16string outputDisplayText(int sequence, std::uint8_t loopIndex, std::uint16_t address,
                                 const ConfigStore& store);

} // namespace qb
