#include "SharedStrings.h"

#include "BiffRecord.h"

#include <algorithm>

namespace qb {

namespace {

constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr std::size_t kStringHeader = 3; // character count and option byte
constexpr std::size_t kMaxBuckets = 128;

bool fitsOneByte(const std::u16string& text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; });
}

// Lays the strings out in record bodies, remembering where each string's header starts.
class RecordSplitter {
public:
    RecordSplitter() { m_bodies.emplace_back(); }

    void header(std::uint32_t references, std::uint32_t unique) {
        ByteSink& body = m_bodies.back();
        body.u32(references);
        body.u32(unique);
    }

    // Returns the record index and the offset in its body where the string starts.
    std::pair<std::size_t, std::size_t> string(const std::u16string& text) {
        if (room() < kStringHeader + 1) {
            m_bodies.emplace_back();
        }
        const std::pair<std::size_t, std::size_t> start{m_bodies.size() - 1,
                                                        m_bodies.back().size()};
        const bool narrow = fitsOneByte(text);
        const std::size_t charSize = narrow ? 1 : 2;
        m_bodies.back().u16(static_cast<std::uint16_t>(text.size()));
        m_bodies.back().u8(narrow ? 0x00 : 0x01);
        std::size_t done = 0;
        while (done < text.size()) {
            if (room() < charSize) {
                m_bodies.emplace_back();
                m_bodies.back().u8(narrow ? 0x00 : 0x01);
            }
            const std::size_t count = std::min(text.size() - done, room() / charSize);
            for (std::size_t i = 0; i < count; ++i) {
                if (narrow) {
                    m_bodies.back().u8(static_cast<std::uint8_t>(text[done + i]));
                } else {
                    m_bodies.back().u16(text[done + i]);
                }
            }
            done += count;
        }
        return start;
    }

    const std::vector<ByteSink>& bodies() const { return m_bodies; }

private:
    std::size_t room() const { return biff::kMaxBody - m_bodies.back().size(); }

    std::vector<ByteSink> m_bodies;
};

} // namespace

std::uint32_t SharedStrings::add(const std::u16string& text) {
    ++m_references;
    auto [it, added] = m_index.try_emplace(text, static_cast<std::uint32_t>(m_strings.size()));
    if (added) {
        m_strings.push_back(text);
    }
    return it->second;
}

void SharedStrings::write(ByteSink& stream) const {
    // EXTSST points at every n-th string so that a reader can seek into the table.
    const std::size_t perBucket =
        std::max<std::size_t>(8, (m_strings.size() + kMaxBuckets - 1) / kMaxBuckets);

    RecordSplitter splitter;
    splitter.header(m_references, static_cast<std::uint32_t>(m_strings.size()));
    std::vector<std::pair<std::size_t, std::size_t>> bucketStarts;
    for (std::size_t i = 0; i < m_strings.size(); ++i) {
        const auto start = splitter.string(m_strings[i]);
        if (i % perBucket == 0) {
            bucketStarts.push_back(start);
        }
    }

    std::vector<std::size_t> recordOffsets;
    for (std::size_t r = 0; r < splitter.bodies().size(); ++r) {
        recordOffsets.push_back(stream.size());
        stream.record(r == 0 ? kSst : biff::kContinue, splitter.bodies()[r].bytes());
    }

    ByteSink ext;
    ext.u16(static_cast<std::uint16_t>(perBucket));
    for (const auto& [record, offset] : bucketStarts) {
        const std::size_t fromRecordStart = 4 + offset;
        ext.u32(static_cast<std::uint32_t>(recordOffsets[record] + fromRecordStart));
        ext.u16(static_cast<std::uint16_t>(fromRecordStart));
        ext.u16(0);
    }
    stream.record(kExtSst, ext.bytes());
}

} // namespace qb
