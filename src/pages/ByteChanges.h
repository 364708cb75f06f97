#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

namespace qb {

// The stretches of a table that a page's actions can change, each viewed as raw bytes.
using ByteParts = std::vector<std::span<std::uint8_t>>;

// The bytes of a table field. Only for fields whose every byte is a value (no padding), so that
// two equal fields are equal byte for byte and writing bytes back restores the field exactly.
template <class Field> std::span<std::uint8_t> bytesOf(Field& field) {
    static_assert(std::is_trivially_copyable_v<Field>);
    static_assert(std::has_unique_object_representations_v<Field>);
    return {reinterpret_cast<std::uint8_t*>(&field), sizeof field};
}

// A fingerprint of what the parts hold, to tell whether anything else has changed them.
std::size_t fingerprint(const ByteParts& parts);
// The parts' bytes one after the other.
std::vector<std::uint8_t> copyOf(const ByteParts& parts);
// Puts back into the parts what `copyOf` took of them; a copy of another size changes nothing.
void writeBack(const ByteParts& parts, std::span<const std::uint8_t> copy);

// What differs between two states of the same parts: the changed runs of bytes, each with its
// contents before and after, packed into one buffer. A column batch over a board changes one
// byte per record, so a run costs a few bytes beyond the bytes it holds.
class ByteChanges {
public:
    // `before` is `copyOf` the parts as they were; `after` the parts as they are now.
    static ByteChanges between(std::span<const std::uint8_t> before, const ByteParts& after);

    bool empty() const { return m_packed.empty(); }
    std::size_t packedSize() const { return m_packed.size(); }
    // Writes the runs' contents before (undo) or after (redo) into `parts`. Runs that do not
    // fit the parts (which the caller's fingerprint check rules out) are skipped.
    void restore(const ByteParts& parts, bool before) const;

private:
    void append(std::size_t part, std::size_t offset, std::span<const std::uint8_t> before,
                std::span<const std::uint8_t> after);

    std::vector<std::uint8_t> m_packed;
};

} // namespace qb
