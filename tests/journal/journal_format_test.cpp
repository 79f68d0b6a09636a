#include "shell/journal/journal_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

std::vector<JournalRecord> EveryKind() {
    return {JournalRecord::RoundOption(2),
            JournalRecord::Button(CommandIndex::Digit7),
            JournalRecord::PushAmount(0xFFFF3CB0u, 0xFFFFFFFFu),
            JournalRecord::Operate(0x12345678u),
            JournalRecord::Paste(std::string("1,250.75")),
            JournalRecord::Paste(std::string()),
            JournalRecord::Paste(std::nullopt),
            JournalRecord::Button(CommandIndex::Undo),
            JournalRecord::Paste(std::string("\0\xff\n", 3))};
}

struct Written {
    std::string bytes;
    std::vector<std::size_t> ends;  // where each record ends
};

Written Write(const std::vector<JournalRecord>& records) {
    JournalEncoder encoder;
    Written written{encoder.Header(), {}};
    for (const JournalRecord& record : records) {
        written.bytes += encoder.Encode(record);
        written.ends.push_back(written.bytes.size());
    }
    return written;
}

std::vector<JournalRecord> FirstRecords(std::size_t count) {
    const auto all = EveryKind();
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count)};
}

// How many whole records lie within the first `size` bytes.
std::size_t WholeRecordsWithin(const Written& written, std::size_t size) {
    std::size_t count = 0;
    while (count < written.ends.size() && written.ends[count] <= size) {
        ++count;
    }
    return count;
}

// The record that byte `at` belongs to, or the count of records for a byte of the header.
std::size_t RecordHolding(const Written& written, std::size_t at) {
    return WholeRecordsWithin(written, at);
}

TEST(JournalFormat, EveryKindOfRecordReadsBackAsWritten) {
    const Written written = Write(EveryKind());
    const DecodedJournal decoded = DecodeJournal(written.bytes);
    EXPECT_EQ(decoded.status, DecodedJournal::Status::Read);
    EXPECT_EQ(decoded.records, EveryKind());
    EXPECT_EQ(decoded.validBytes, written.bytes.size());
}

TEST(JournalFormat, CutAtEveryByteReadsTheWholeRecordsBeforeTheCut) {
    const Written written = Write(EveryKind());
    const std::size_t headerBytes = Write({}).bytes.size();
    for (std::size_t size = 0; size <= written.bytes.size(); ++size) {
        const DecodedJournal decoded =
            DecodeJournal(std::string_view(written.bytes).substr(0, size));
        const std::size_t whole = WholeRecordsWithin(written, size);
        ASSERT_EQ(decoded.records, FirstRecords(whole)) << "cut at " << size;
        EXPECT_EQ(decoded.status, size < headerBytes ? DecodedJournal::Status::NoHeader
                                                     : DecodedJournal::Status::Read);
        EXPECT_EQ(decoded.validBytes,
                  whole == 0 ? (size < headerBytes ? 0 : headerBytes) : written.ends[whole - 1]);
    }
}

TEST(JournalFormat, AnyChangedByteEndsTheJournalBeforeItsRecord) {
    const Written written = Write(EveryKind());
    for (std::size_t at = 0; at < written.bytes.size(); ++at) {
        for (const unsigned char flip : {0x01u, 0x80u, 0xFFu}) {
            std::string damaged = written.bytes;
            damaged[at] = static_cast<char>(static_cast<unsigned char>(damaged[at]) ^ flip);
            const DecodedJournal decoded = DecodeJournal(damaged);
            ASSERT_EQ(decoded.records, FirstRecords(RecordHolding(written, at)))
                << "byte " << at << " flipped with " << int{flip};
        }
    }
}

TEST(JournalFormat, RecordsInAnotherOrderOrRepeatedEndTheJournalThere) {
    const Written written = Write(EveryKind());
    const std::string first =
        written.bytes.substr(written.ends[0], written.ends[1] - written.ends[0]);
    const std::string prefix = written.bytes.substr(0, written.ends[1]);
    EXPECT_EQ(DecodeJournal(prefix + first).records, FirstRecords(2));
    const std::string header = Write({}).bytes;
    const std::string second =
        written.bytes.substr(written.ends[1], written.ends[2] - written.ends[1]);
    EXPECT_TRUE(DecodeJournal(header + second).records.empty());
}

TEST(JournalFormat, ALaterVersionOrGarbageRestoresNothing) {
    std::string later = Write(EveryKind()).bytes;
    later[8] = 2;
    // The header's own checksum must hold for the version to be believed at all.
    JournalEncoder encoder;
    std::string laterHeader = encoder.Header();
    laterHeader[8] = 2;
    const std::uint32_t crc = Crc32(std::string_view(laterHeader).substr(0, 12));
    for (int k = 0; k < 4; ++k) {
        laterHeader[12 + static_cast<std::size_t>(k)] = static_cast<char>((crc >> (8 * k)) & 0xFF);
    }
    const DecodedJournal newer = DecodeJournal(laterHeader + later.substr(16));
    EXPECT_EQ(newer.status, DecodedJournal::Status::NewerVersion);
    EXPECT_TRUE(newer.records.empty());
    EXPECT_EQ(DecodeJournal(later).status, DecodedJournal::Status::NoHeader);
    EXPECT_EQ(DecodeJournal("not a journal at all, but long enough").status,
              DecodedJournal::Status::NoHeader);
    EXPECT_EQ(DecodeJournal("").status, DecodedJournal::Status::NoHeader);
}

TEST(JournalFormat, RecordsTheCalculatorNeverWritesEndTheJournal) {
    const std::vector<JournalRecord> impossible = {
        {JournalKind::Button, ValueOf(CommandIndex::Copy), 0, std::nullopt},
        {JournalKind::Button, ValueOf(CommandIndex::PrintTape), 0, std::nullopt},
        {JournalKind::Button, ValueOf(CommandIndex::ShowHideTape), 0, std::nullopt},
        {JournalKind::Button, ValueOf(CommandIndex::Paste), 0, std::nullopt},
        {JournalKind::Button, 31, 0, std::nullopt},
        {JournalKind::RoundOption, 7, 0, std::nullopt},
        {JournalKind::Operate, 1, 0, std::string("x")},
        {static_cast<JournalKind>(9), 0, 0, std::nullopt},
    };
    for (const JournalRecord& record : impossible) {
        JournalEncoder encoder;
        std::string bytes = encoder.Header();
        bytes += encoder.Encode(JournalRecord::RoundOption(1));
        bytes += encoder.Encode(record);
        EXPECT_EQ(DecodeJournal(bytes).records, std::vector{JournalRecord::RoundOption(1)});
    }
}

TEST(JournalFormat, CrcIsTheStandardOne) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
}

}  // namespace
}  // namespace vantrel
