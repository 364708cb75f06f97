#include "DeviceSearch.h"

#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

#include <utf8proc.h>

#include <algorithm>
#include <span>

namespace qb {

namespace {

// Case folding alone would leave "ü" typed as u + U+0308 apart from a stored U+00FC; composing
// both sides makes them one. Marks are kept: an accent is part of what the installer typed.
constexpr auto kFoldOptions =
    static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE | UTF8PROC_CASEFOLD);

// Folds texts one after another into buffers it keeps, so that a search over the whole store
// allocates only when a text is longer than any before it.
class CaseFolder {
public:
    CaseFolder() {
        m_utf8.reserve(128);
        m_run.resize(128);
        m_folded.reserve(128);
    }

    // The text case-folded and composed; valid until the next call. A lone surrogate reads as
    // U+FFFD, so that damaged names still fold.
    std::span<const utf8proc_int32_t> fold(std::u16string_view text) {
        m_folded.clear();
        // ASCII before ASCII (or the end) is lowered here: nothing composes with it or reorders
        // around it. Only the runs between go through utf8proc, an ASCII letter before a
        // combining mark with them.
        const auto plain = [&text](std::size_t i) {
            return text[i] < 0x80 && (i + 1 == text.size() || text[i + 1] < 0x80);
        };
        for (std::size_t i = 0; i < text.size();) {
            if (plain(i)) {
                const char16_t c = text[i++];
                m_folded.push_back(c >= u'A' && c <= u'Z' ? c + 0x20 : c);
                continue;
            }
            std::size_t end = i + 1;
            while (end < text.size() && !plain(end)) {
                ++end;
            }
            foldRun(text.substr(i, end - i));
            i = end;
        }
        return m_folded;
    }

private:
    // Appends the run folded and composed; a run utf8proc refuses (it cannot, for valid UTF-8)
    // adds nothing.
    void foldRun(std::u16string_view run) {
        toUtf8(run);
        const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(m_utf8.data());
        const auto size = static_cast<utf8proc_ssize_t>(m_utf8.size());
        utf8proc_ssize_t length = 0;
        for (;;) {
            const auto capacity = static_cast<utf8proc_ssize_t>(m_run.size());
            length = utf8proc_decompose(bytes, size, m_run.data(), capacity, kFoldOptions);
            if (length < 0) {
                return;
            }
            if (length <= capacity) {
                break;
            }
            m_run.resize(static_cast<std::size_t>(length));
        }
        length = utf8proc_normalize_utf32(m_run.data(), length, kFoldOptions);
        if (length > 0) {
            m_folded.insert(m_folded.end(), m_run.begin(), m_run.begin() + length);
        }
    }

    void toUtf8(std::u16string_view text) {
        m_utf8.clear();
        for (std::size_t i = 0; i < text.size(); ++i) {
            char32_t c = text[i];
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                ++i;
            } else if (c >= 0xD800 && c <= 0xDFFF) {
                c = 0xFFFD;
            }
            append(c);
        }
    }

    void append(char32_t c) {
        const auto put = [this](char32_t byte) { m_utf8.push_back(static_cast<char>(byte)); };
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | (c >> 6));
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }

    std::string m_utf8;
    std::vector<utf8proc_int32_t> m_run;    // utf8proc's output for one run
    std::vector<utf8proc_int32_t> m_folded; // the whole text
};

// Whether `text` holds the folded needle, folding it on the way.
class Matcher {
public:
    explicit Matcher(std::u16string_view needle) {
        const auto folded = m_folder.fold(needle);
        m_needle.assign(folded.begin(), folded.end());
    }

    bool empty() const { return m_needle.empty(); }

    bool matches(std::u16string_view text) {
        if (text.empty()) {
            return false;
        }
        const auto folded = m_folder.fold(text);
        return std::search(folded.begin(), folded.end(), m_needle.begin(), m_needle.end()) !=
               folded.end();
    }

private:
    CaseFolder m_folder;
    std::vector<utf8proc_int32_t> m_needle;
};

SearchHit nameHit(SearchHitKind kind, int number, std::u16string_view name) {
    SearchHit hit;
    hit.kind = kind;
    hit.number = number;
    hit.text = name;
    return hit;
}

} // namespace

std::vector<SearchHit> findInStore(const ConfigStore& store, std::u16string_view text) {
    std::vector<SearchHit> hits;
    Matcher matcher(text);
    if (matcher.empty()) {
        return hits;
    }
    const ZoneTable& zones = store.zones.working;
    for (int z = 1; z <= zoneCount(store.systemCode()); ++z) {
        const std::u16string_view name = zones.zone(z).name.view();
        if (matcher.matches(name)) {
            hits.push_back(nameHit(SearchHitKind::Zone, z, name));
        }
    }
    const DisplayTable& displays = store.displays.working;
    for (int d = 1; d <= DisplayTable::kDisplays; ++d) {
        const std::u16string_view name = displays.display(d).name.view();
        if (matcher.matches(name)) {
            hits.push_back(nameHit(SearchHitKind::Display, d, name));
        }
    }
    for (int board = 1; board <= deviceFileCount(store.systemCode()); ++board) {
        const BoardDevices& devices = store.devices(board).working;
        for (int index = 0; index < BoardDevices::kRecords; ++index) {
            const DeviceRecord& device = devices.records[static_cast<std::size_t>(index)];
            const std::u16string_view position = device.position.view();
            if (!matcher.matches(position)) {
                continue;
            }
            hits.push_back({.kind = SearchHitKind::Device,
                            .board = board,
                            .loop = BoardDevices::loopOf(index),
                            .address = BoardDevices::addressOf(index),
                            .zone = device.zone + 1,
                            .type = deviceTypeName(device.equipType, store.deviceTypes),
                            .text = std::u16string(position)});
        }
    }
    return hits;
}

} // namespace qb
