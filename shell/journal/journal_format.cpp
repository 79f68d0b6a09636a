#include "shell/journal/journal_format.h"

#include <array>
#include <optional>

namespace vantrel {
namespace {

constexpr std::string_view kMagic = "VANTRELJ";
constexpr std::size_t kHeaderBytes = kMagic.size() + 8;
constexpr std::size_t kRecordHeadBytes = 8;
// Kind, the two arguments and whether a text follows.
constexpr std::size_t kFixedPayloadBytes = 10;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

void PutWord(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFFu);
    }
}

std::uint32_t WordAt(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    }
    return value;
}

std::string WordBytes(std::uint32_t value) {
    std::string out;
    PutWord(out, value);
    return out;
}

// The checksum of a record: the chain so far, then the record's length and payload.
std::uint32_t RecordCrc(std::uint32_t chain, std::string_view lengthAndPayload) {
    return Crc32(lengthAndPayload, Crc32(WordBytes(chain)));
}

std::optional<JournalRecord> ReadPayload(std::string_view payload) {
    if (payload.size() < kFixedPayloadBytes) {
        return std::nullopt;
    }
    JournalRecord record{static_cast<JournalKind>(static_cast<unsigned char>(payload[0])),
                         WordAt(payload, 1), WordAt(payload, 5), std::nullopt};
    const auto hasText = static_cast<unsigned char>(payload[9]);
    const std::string_view text = payload.substr(kFixedPayloadBytes);
    if (hasText > 1 || (hasText == 0 && !text.empty())) {
        return std::nullopt;
    }
    if (hasText == 1) {
        record.text = std::string(text);
    }
    return IsValidRecord(record) ? std::optional(std::move(record)) : std::nullopt;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc) {
    crc = ~crc;
    for (const char byte : bytes) {
        crc = kCrcTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFFu] ^ (crc >> 8);
    }
    return ~crc;
}

std::string JournalEncoder::Header() {
    std::string out(kMagic);
    PutWord(out, kJournalVersion);
    m_chain = Crc32(out);
    PutWord(out, m_chain);
    return out;
}

std::string JournalEncoder::Encode(const JournalRecord& record) {
    std::string payload;
    payload += static_cast<char>(record.kind);
    PutWord(payload, record.first);
    PutWord(payload, record.second);
    payload += static_cast<char>(record.text ? 1 : 0);
    if (record.text) {
        payload += *record.text;
    }
    std::string lengthAndPayload = WordBytes(static_cast<std::uint32_t>(payload.size())) + payload;
    m_chain = RecordCrc(m_chain, lengthAndPayload);
    return lengthAndPayload.insert(4, WordBytes(m_chain));
}

DecodedJournal DecodeJournal(std::string_view bytes) {
    DecodedJournal journal;
    if (bytes.size() < kHeaderBytes || !bytes.starts_with(kMagic)) {
        return journal;
    }
    const std::uint32_t version = WordAt(bytes, kMagic.size());
    const std::uint32_t headerCrc = WordAt(bytes, kMagic.size() + 4);
    if (headerCrc != Crc32(bytes.substr(0, kMagic.size() + 4))) {
        return journal;
    }
    if (version != kJournalVersion) {
        journal.status = version > kJournalVersion ? DecodedJournal::Status::NewerVersion
                                                   : DecodedJournal::Status::NoHeader;
        return journal;
    }
    journal.status = DecodedJournal::Status::Read;
    journal.validBytes = kHeaderBytes;
    journal.chain = headerCrc;
    std::size_t at = kHeaderBytes;
    while (bytes.size() - at >= kRecordHeadBytes) {
        const std::uint32_t length = WordAt(bytes, at);
        if (length > bytes.size() - at - kRecordHeadBytes) {
            break;
        }
        std::string lengthAndPayload(bytes.substr(at, 4));
        lengthAndPayload += bytes.substr(at + kRecordHeadBytes, length);
        const std::uint32_t crc = RecordCrc(journal.chain, lengthAndPayload);
        const auto record = crc == WordAt(bytes, at + 4)
                                ? ReadPayload(bytes.substr(at + kRecordHeadBytes, length))
                                : std::nullopt;
        if (!record) {
            break;
        }
        journal.records.push_back(*record);
        journal.chain = crc;
        at += kRecordHeadBytes + length;
        journal.validBytes = at;
    }
    return journal;
}

}  // namespace vantrel
