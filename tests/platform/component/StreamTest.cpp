#include "platform/component/MemoryStorage.h"
#include "platform/component/MemoryStream.h"
#include "platform/component/StreamIo.h"

#include <gtest/gtest.h>

using namespace quorvex::platform::component;

namespace {

std::vector<uint8_t> bytesOf(std::initializer_list<int> values)
{
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

TEST(StreamIoTest, WritesLittleEndianAndReadsItBack)
{
    Ref<MemoryStream> stream = MemoryStream::create();
    StreamWriter writer(*stream);
    ASSERT_EQ(writer.writeUInt32(0x11223344u), kOk);
    ASSERT_EQ(writer.writeInt16(-2), kOk);
    ASSERT_EQ(writer.writeDouble(1.0), kOk);
    ASSERT_EQ(writer.writeGuid(Guid::literal("{40BD39F1-6F1E-11D1-B2DF-444553540000}")), kOk);
    ASSERT_EQ(writer.writeCountedString(u"ab"), kOk);
    EXPECT_EQ(std::vector<uint8_t>(stream->bytes().begin(), stream->bytes().begin() + 14),
              bytesOf({ 0x44, 0x33, 0x22, 0x11, 0xFE, 0xFF, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F }));
    EXPECT_EQ(std::vector<uint8_t>(stream->bytes().begin() + 14, stream->bytes().begin() + 22),
              bytesOf({ 0xF1, 0x39, 0xBD, 0x40, 0x1E, 0x6F, 0xD1, 0x11 }))
        << "the first three identifier fields are little-endian";

    stream->seek(0, SeekOrigin::Begin, nullptr);
    StreamReader reader(*stream);
    uint32_t u = 0;
    int16_t s = 0;
    double d = 0;
    Guid g;
    std::u16string text;
    EXPECT_EQ(reader.readUInt32(u), kOk);
    EXPECT_EQ(reader.readInt16(s), kOk);
    EXPECT_EQ(reader.readDouble(d), kOk);
    EXPECT_EQ(reader.readGuid(g), kOk);
    EXPECT_EQ(reader.readCountedString(text), kOk);
    EXPECT_EQ(u, 0x11223344u);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(d, 1.0);
    EXPECT_EQ(g.toString(), "{40BD39F1-6F1E-11D1-B2DF-444553540000}");
    EXPECT_EQ(text, u"ab");
    EXPECT_EQ(reader.remaining(), 0u);
}

TEST(StreamIoTest, ShortReadFailsAndLeavesTheValueAlone)
{
    Ref<MemoryStream> stream = MemoryStream::create(bytesOf({ 1, 2, 3 }));
    StreamReader reader(*stream);
    uint32_t value = 77;
    EXPECT_EQ(reader.readUInt32(value), kReadFault);
    EXPECT_EQ(value, 77u);
}

struct BadString {
    const char* label;
    std::vector<uint8_t> bytes;
    HResult status;
};

class CountedStringRefusal : public testing::TestWithParam<BadString> { };

TEST_P(CountedStringRefusal, IsRefusedWithoutReadingPastTheEnd)
{
    Ref<MemoryStream> stream = MemoryStream::create(GetParam().bytes);
    StreamReader reader(*stream);
    std::u16string text = u"kept";
    EXPECT_EQ(reader.readCountedString(text, 1024), GetParam().status) << GetParam().label;
    EXPECT_EQ(text, u"kept");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountedStringRefusal,
    testing::Values(BadString { "count beyond the data", bytesOf({ 6, 0, 0, 0, 'a', 0 }), kReadFault },
                    BadString { "absurd count", bytesOf({ 0xFF, 0xFF, 0xFF, 0xFF, 0, 0 }), kInvalidData },
                    BadString { "odd count", bytesOf({ 3, 0, 0, 0, 'a', 0, 0 }), kInvalidData },
                    BadString { "no room for the terminator", bytesOf({ 0, 0, 0, 0 }), kInvalidData },
                    BadString { "terminator missing", bytesOf({ 2, 0, 0, 0, 'a', 0 }), kInvalidData },
                    BadString { "count itself truncated", bytesOf({ 2, 0 }), kReadFault }));

TEST(MemoryStreamTest, SeekPastTheEndThenWriteFillsWithZeros)
{
    Ref<MemoryStream> stream = MemoryStream::create();
    uint64_t position = 0;
    ASSERT_EQ(stream->seek(3, SeekOrigin::End, &position), kOk);
    EXPECT_EQ(position, 3u);
    uint8_t byte = 9;
    ASSERT_EQ(stream->write(&byte, 1, nullptr), kOk);
    EXPECT_EQ(stream->bytes(), bytesOf({ 0, 0, 0, 9 }));
    EXPECT_EQ(stream->seek(-5, SeekOrigin::Current, nullptr), kInvalidArg);

    stream->seek(2, SeekOrigin::Begin, nullptr);
    uint8_t buffer[4] = {};
    uint32_t got = 0;
    EXPECT_EQ(stream->read(buffer, 4, &got), kFalse) << "a short read says so";
    EXPECT_EQ(got, 2u);
}

TEST(MemoryStorageTest, StreamsAreFoundWithoutRegardToCaseAndRecreatedEmpty)
{
    Ref<MemoryStorage> storage = MemoryStorage::create();
    Ref<IStream> created;
    ASSERT_EQ(storage->createStream("Contents", created.put()), kOk);
    uint8_t data[] = { 1, 2 };
    created->write(data, 2, nullptr);

    Ref<IStream> opened;
    ASSERT_EQ(storage->openStream("CONTENTS", opened.put()), kOk);
    uint64_t size = 0;
    opened->size(&size);
    EXPECT_EQ(size, 2u);

    Ref<IStream> recreated;
    ASSERT_EQ(storage->createStream("contents", recreated.put()), kOk);
    ASSERT_EQ(storage->openStream("Contents", opened.put()), kOk);
    opened->size(&size);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(storage->openStream("Other", opened.put()), kFileNotFound);
}

} // namespace
