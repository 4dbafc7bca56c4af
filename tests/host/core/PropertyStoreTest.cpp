// SPDX-License-Identifier: GPL-3.0-or-later
// The typed key/value records of the property store, written and read byte for byte, and
// the reader's behaviour on bytes that lie or stop short.

#include "host/core/PropertyStore.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Append16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Append32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void AppendKey(Bytes& b, const char* key) {
    for (const char* p = key; *p; ++p) Append16(b, static_cast<std::uint8_t>(*p));
}
void Poke32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::optional<host::PropertyBag> Parse(const Bytes& bytes, host::StoreError& error) {
    return host::PropertyBag::Parse(std::span(bytes), error);
}

// The writer's records; a refusal fails the test.
Bytes Finished(const host::PropertyWriter& writer) {
    host::StoreError error;
    auto bytes = writer.Finish(error);
    EXPECT_TRUE(bytes) << error.Describe();
    return bytes.value_or(Bytes{});
}

// Every kind of value, as a control's save step would write them.
Bytes SampleRecords() {
    host::PropertyWriter w;
    w.WriteInt32("_extentx", 2355);
    w.WriteInt32("BTYPE", 3);
    w.WriteString("TX", u"E&xit");
    w.WriteBool("ENAB", true);
    host::StoredFont font;
    font.name = "Tahoma";
    font.size = 82500;
    font.italic = true;
    w.WriteFont("FONT", font);
    w.WriteInt16("MPTR", 1);
    host::StoredPicture picture;
    picture.image = {1, 2, 3, 4, 5};
    w.WritePicture("PICN", picture);
    w.WritePicture("MICON", host::StoredPicture{});
    return Finished(w);
}

TEST(PropertyRecordLayout, BtypeRecordMatchesTheBytesWorkedOutByHand) {
    host::PropertyWriter w;
    w.WriteInt32("BTYPE", 3);
    w.WriteBool("ENAB", true);
    const Bytes bytes = Finished(w);

    Bytes expected;
    // "btype": type 3, 5 characters, hash, 28 bytes, the key, the value, two bytes of padding.
    Append16(expected, 3);
    Append16(expected, 5);
    Append32(expected, 0xEE905D07u); // FNV-1a of the lower-cased key's UTF-16 bytes
    Append32(expected, 28);
    AppendKey(expected, "btype");
    Append32(expected, 3);
    Append16(expected, 0);
    // "enab", the last record: its length points back 28 bytes to the first record.
    Append16(expected, 11);
    Append16(expected, 4);
    Append32(expected, 0x2820315Du);
    Append32(expected, static_cast<std::uint32_t>(-28));
    AppendKey(expected, "enab");
    Append16(expected, 0xFFFF);
    Append16(expected, 0);
    EXPECT_EQ(bytes, expected);
}

TEST(PropertyRecordLayout, KeysAreStoredInLowerCaseAndHashedWithoutRegardToCase) {
    EXPECT_EQ(host::HashKey(u"BTYPE"), host::HashKey(u"btype"));
    EXPECT_NE(host::HashKey(u"bcol"), host::HashKey(u"bcolo"));
    host::PropertyWriter w;
    w.WriteInt32("_EXTENTX", 1);
    const Bytes bytes = Finished(w);
    EXPECT_EQ(bytes[12], '_');
    EXPECT_EQ(bytes[14], 'e');
    EXPECT_EQ(bytes[16], 'x');
}

TEST(PropertyRecordLayout, StringFontAndPictureValues) {
    host::PropertyWriter w;
    w.WriteString("TX", u"&OK");
    host::StoredFont font;
    font.charset = 2;
    font.weight = 700;
    font.size = 157500;
    font.underline = true;
    font.name = "Webdings";
    w.WriteFont("FONT", font);
    w.WritePicture("MICON", host::StoredPicture{});
    const Bytes bytes = Finished(w);

    // "tx": header 12 + key 4 + count 4 + 3 characters 6 = 26, padded to 28.
    EXPECT_EQ(bytes[8], 28);
    std::uint32_t count = 0;
    std::memcpy(&count, &bytes[16], 4);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(bytes[20], '&');
    EXPECT_EQ(bytes[24], 'K');

    // "font": header, key, class identifier, version 1, charset, flags, weight, size, name.
    const std::size_t font0 = 28;
    const std::size_t value = font0 + 12 + 8;
    EXPECT_EQ(bytes[font0], 9);
    EXPECT_EQ(std::memcmp(&bytes[value], host::kFontClassId.data(), 16), 0);
    EXPECT_EQ(bytes[value + 16], 1);
    EXPECT_EQ(bytes[value + 17], 2);
    EXPECT_EQ(bytes[value + 19], 0x04); // underline
    EXPECT_EQ(bytes[value + 20] | (bytes[value + 21] << 8), 700);
    std::uint32_t size = 0;
    std::memcpy(&size, &bytes[value + 22], 4);
    EXPECT_EQ(size, 157500u);
    EXPECT_EQ(bytes[value + 26], 8);
    EXPECT_EQ(std::memcmp(&bytes[value + 27], "Webdings", 8), 0);
    // 12 + 8 + 16 + 11 + 8 = 55, padded to 56.
    EXPECT_EQ(bytes[font0 + 8], 56);

    // The empty picture: class identifier, "lt\0\0", a zero count.
    const std::size_t picture0 = font0 + 56;
    const std::size_t pictureValue = picture0 + 12 + 10;
    EXPECT_EQ(std::memcmp(&bytes[pictureValue], host::kPictureClassId.data(), 16), 0);
    EXPECT_EQ(std::memcmp(&bytes[pictureValue + 16], "lt\0\0", 4), 0);
    EXPECT_EQ(bytes.size(), pictureValue + 24 + 2);
}

TEST(PropertyRecordRoundTrip, EveryValueTypeReadsBackAsWritten) {
    host::StoreError error;
    const auto bag = Parse(SampleRecords(), error);
    ASSERT_TRUE(bag) << error.Describe();
    ASSERT_EQ(bag->Records().size(), 8u);
    EXPECT_EQ(std::get<std::int32_t>(*bag->Find("_EXTENTX")), 2355);
    EXPECT_EQ(std::get<std::int32_t>(*bag->Find("btype")), 3);
    EXPECT_EQ(std::get<std::u16string>(*bag->Find("Tx")), u"E&xit");
    EXPECT_TRUE(std::get<bool>(*bag->Find("ENAB")));
    const auto& font = std::get<host::StoredFont>(*bag->Find("FONT"));
    EXPECT_EQ(font.name, "Tahoma");
    EXPECT_TRUE(font.italic);
    EXPECT_FALSE(font.underline);
    EXPECT_EQ(font.size, 82500u);
    EXPECT_EQ(std::get<std::int16_t>(*bag->Find("MPTR")), 1);
    EXPECT_EQ(std::get<host::StoredPicture>(*bag->Find("PICN")).image, (Bytes{1, 2, 3, 4, 5}));
    EXPECT_TRUE(std::get<host::StoredPicture>(*bag->Find("MICON")).image.empty());
    EXPECT_EQ(bag->Find("PICH"), nullptr);
}

TEST(PropertyRecordRoundTrip, FontNameTooLongForItsLengthByteIsCutNotCorrupted) {
    host::PropertyWriter w;
    host::StoredFont font;
    font.name = std::string(300, 'F');
    w.WriteFont("FONT", font);
    w.WriteInt32("FX", 1);
    host::StoreError error;
    const auto bag = Parse(Finished(w), error);
    ASSERT_TRUE(bag) << error.Describe();
    EXPECT_EQ(std::get<host::StoredFont>(*bag->Find("FONT")).name, std::string(255, 'F'));
    EXPECT_EQ(std::get<std::int32_t>(*bag->Find("FX")), 1);
}

TEST(PropertyRecordRoundTrip, NoRecordsAtAll) {
    host::StoreError error;
    const auto bag = Parse({}, error);
    ASSERT_TRUE(bag);
    EXPECT_TRUE(bag->Records().empty());
}

TEST(MalformedRecords, EveryTruncationIsRefusedWithoutCrashing) {
    const Bytes full = SampleRecords();
    for (std::size_t length = 1; length < full.size(); ++length) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        host::StoreError error;
        EXPECT_FALSE(Parse(cut, error)) << "accepted a cut at " << length;
        EXPECT_FALSE(error.message.empty());
    }
}

TEST(MalformedRecords, LyingFieldsAreRefusedAndNameTheirKey) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
        const char* key;
    };
    // Offsets into a two-record store: "tx" (string "abc") at 0, then "btype" at 28.
    auto make = [] {
        host::PropertyWriter w;
        w.WriteString("TX", u"abc");
        w.WriteInt32("BTYPE", 3);
        return Finished(w);
    };
    const std::vector<Case> cases = {
        {"string longer than the bytes left", [](Bytes& b) { Poke32(b, 16, 0x7FFFFFFF); }, "tx"},
        {"string count just one too many", [](Bytes& b) { Poke32(b, 16, 7); }, "tx"},
        {"record length too long", [](Bytes& b) { Poke32(b, 8, 32); }, "tx"},
        {"record length too short", [](Bytes& b) { Poke32(b, 8, 12); }, "tx"},
        {"last record not pointing back to the first",
         [](Bytes& b) { Poke32(b, 28 + 8, static_cast<std::uint32_t>(-24)); }, "btype"},
        {"last record length positive", [](Bytes& b) { Poke32(b, 28 + 8, 28); }, "btype"},
        {"unknown value type", [](Bytes& b) { b[28] = 7; }, "btype"},
        {"key longer than the bytes left",
         [](Bytes& b) {
             b[2] = 0xFF;
             b[3] = 0xFF;
         },
         ""},
        {"bytes after the last record",
         [](Bytes& b) {
             b.insert(b.end(), {0, 0, 0, 0});
         },
         "btype"},
    };
    for (const Case& c : cases) {
        Bytes bytes = make();
        c.spoil(bytes);
        host::StoreError error;
        EXPECT_FALSE(Parse(bytes, error)) << c.what;
        EXPECT_EQ(error.key, c.key) << c.what;
        EXPECT_NE(error.Describe().find(c.key), std::string::npos) << c.what;
    }
}

TEST(MalformedRecords, LyingObjectsAreRefused) {
    auto objectStore = [](bool font) {
        host::PropertyWriter w;
        if (font) {
            host::StoredFont f;
            f.name = "Tahoma";
            w.WriteFont("FONT", f);
        } else {
            host::StoredPicture p;
            p.image = {9, 9, 9, 9};
            w.WritePicture("PICN", p);
        }
        return Finished(w);
    };
    const std::size_t fontValue = 12 + 8;
    const std::size_t pictureValue = 12 + 8;
    struct Case {
        const char* what;
        bool font;
        std::function<void(Bytes&)> spoil;
    };
    const std::vector<Case> cases = {
        {"unknown class identifier", true, [&](Bytes& b) { b[fontValue] ^= 0xFF; }},
        {"font of another version", true, [&](Bytes& b) { b[fontValue + 16] = 2; }},
        {"font name longer than the bytes left", true, [&](Bytes& b) { b[fontValue + 26] = 200; }},
        {"picture without its signature", false, [&](Bytes& b) { b[pictureValue + 16] = 'x'; }},
        {"picture count beyond the bytes left", false, [&](Bytes& b) { Poke32(b, pictureValue + 20, 0xFFFFFFF0u); }},
        {"picture count one too many", false, [&](Bytes& b) { Poke32(b, pictureValue + 20, 5); }},
    };
    for (const Case& c : cases) {
        Bytes bytes = objectStore(c.font);
        c.spoil(bytes);
        host::StoreError error;
        EXPECT_FALSE(Parse(bytes, error)) << c.what;
        EXPECT_EQ(error.key, c.font ? "font" : "picn") << c.what;
    }
}

TEST(MalformedRecords, BooleanOtherThanZeroOrMinusOne) {
    host::PropertyWriter w;
    w.WriteBool("ENAB", true);
    Bytes bytes = Finished(w);
    bytes[12 + 8] = 5;
    host::StoreError error;
    EXPECT_FALSE(Parse(bytes, error));
    EXPECT_EQ(error.key, "enab");
}

// A record header and key as a writer would begin it, for values the writer refuses to write.
Bytes RecordStart(host::ValueType type, const char* key) {
    Bytes b;
    Append16(b, static_cast<std::uint16_t>(type));
    Append16(b, static_cast<std::uint16_t>(std::strlen(key)));
    Append32(b, 0);
    Append32(b, 0);
    AppendKey(b, key);
    return b;
}

std::string ReaderError(const Bytes& bytes) {
    host::StoreError error;
    EXPECT_FALSE(Parse(bytes, error));
    return error.Describe();
}

// The writer takes everything up to the reader's limits and refuses one more, with the
// error the reader gives for the same value.
TEST(WriterLimits, StringOfTheLongestLengthRoundTripsAndOneMoreIsRefusedAsTheReaderRefusesIt) {
    host::PropertyWriter w;
    EXPECT_TRUE(w.WriteString("TX", std::u16string(host::kMaxStringChars, u'x')));
    host::StoreError error;
    const auto bag = Parse(Finished(w), error);
    ASSERT_TRUE(bag) << error.Describe();
    EXPECT_EQ(std::get<std::u16string>(*bag->Find("TX")).size(), host::kMaxStringChars);

    host::PropertyWriter over;
    EXPECT_TRUE(over.WriteInt32("BTYPE", 3));
    EXPECT_FALSE(over.WriteString("TX", std::u16string(host::kMaxStringChars + 1, u'x')));
    ASSERT_FALSE(over.Finish(error));
    EXPECT_EQ(error.key, "tx");
    Bytes stored = RecordStart(host::ValueType::String, "tx");
    Append32(stored, static_cast<std::uint32_t>(host::kMaxStringChars + 1));
    EXPECT_EQ(error.Describe(), ReaderError(stored));
}

TEST(WriterLimits, PictureOfTheLargestSizeRoundTripsAndOneMoreIsRefusedAsTheReaderRefusesIt) {
    host::StoredPicture picture;
    picture.image.assign(host::kMaxValueBytes, 0x5A);
    host::PropertyWriter w;
    EXPECT_TRUE(w.WritePicture("PICN", picture));
    host::StoreError error;
    const auto bag = Parse(Finished(w), error);
    ASSERT_TRUE(bag) << error.Describe();
    EXPECT_EQ(std::get<host::StoredPicture>(*bag->Find("PICN")), picture);

    picture.image.push_back(0x5A);
    host::PropertyWriter over;
    EXPECT_FALSE(over.WritePicture("PICN", picture));
    ASSERT_FALSE(over.Finish(error));
    EXPECT_EQ(error.key, "picn");
    Bytes stored = RecordStart(host::ValueType::Object, "picn");
    stored.insert(stored.end(), host::kPictureClassId.begin(), host::kPictureClassId.end());
    stored.insert(stored.end(), {'l', 't', 0, 0});
    Append32(stored, static_cast<std::uint32_t>(host::kMaxValueBytes + 1));
    EXPECT_EQ(error.Describe(), ReaderError(stored));
}

TEST(WriterLimits, KeyOfTheLongestLengthRoundTripsAndALongerOneIsNotCutShort) {
    const std::string longest(host::kMaxKeyChars, 'k');
    host::PropertyWriter w;
    EXPECT_TRUE(w.WriteBool(longest, true));
    host::StoreError error;
    const auto bag = Parse(Finished(w), error);
    ASSERT_TRUE(bag) << error.Describe();
    ASSERT_EQ(bag->Records().size(), 1u);
    EXPECT_EQ(bag->Records()[0].key.size(), host::kMaxKeyChars);

    // Its 16-bit length would wrap to 0 and the record would read as another key.
    const std::string tooLong = longest + 'k';
    host::PropertyWriter over;
    EXPECT_FALSE(over.WriteBool(tooLong, true));
    ASSERT_FALSE(over.Finish(error));
    EXPECT_EQ(error.key, tooLong);
    EXPECT_NE(error.message.find("65536"), std::string::npos) << error.message;
}

TEST(WriterLimits, NothingIsWrittenAfterARefusal) {
    host::PropertyWriter w;
    EXPECT_TRUE(w.WriteInt32("BTYPE", 3));
    EXPECT_FALSE(w.WriteString("TX", std::u16string(host::kMaxStringChars + 1, u'x')));
    EXPECT_FALSE(w.WriteBool("ENAB", true));
    EXPECT_FALSE(w.Write("FCOL", host::PropertyValue{std::int32_t{5}}));
    host::StoreError error;
    EXPECT_FALSE(w.Finish(error));
    // The first refusal is the one reported.
    EXPECT_EQ(error.key, "tx");
}

TEST(StoredValueConversion, NumbersBooleansAndText) {
    EXPECT_EQ(host::ToInt32(host::PropertyValue{std::int16_t{-5}}), -5);
    EXPECT_EQ(host::ToInt32(host::PropertyValue{true}), -1);
    EXPECT_EQ(host::ToInt32(host::PropertyValue{std::u16string(u" 12 ")}), 12);
    EXPECT_EQ(host::ToInt32(host::PropertyValue{std::u16string(u"2.5")}), 2); // half to even
    EXPECT_FALSE(host::ToInt32(host::PropertyValue{std::u16string(u"abc")}));
    EXPECT_FALSE(host::ToInt32(host::PropertyValue{std::u16string(u"1e300")}));
    EXPECT_FALSE(host::ToInt32(host::PropertyValue{host::StoredFont{}}));
    EXPECT_EQ(host::ToInt16(host::PropertyValue{std::int32_t{32767}}), 32767);
    EXPECT_FALSE(host::ToInt16(host::PropertyValue{std::int32_t{32768}}));
    EXPECT_EQ(host::ToBool(host::PropertyValue{std::int32_t{7}}), true);
    EXPECT_EQ(host::ToBool(host::PropertyValue{std::u16string(u"False")}), false);
    EXPECT_FALSE(host::ToBool(host::PropertyValue{host::StoredPicture{}}));
    EXPECT_EQ(host::ToText(host::PropertyValue{std::int32_t{-3}}), std::u16string(u"-3"));
    EXPECT_FALSE(host::ToText(host::PropertyValue{host::StoredPicture{}}));
}

TEST(WindowDescriptionFormat, RoundTripAndLyingCounts) {
    const std::vector<host::StoredControl> controls = {
        {u"Tavrendale.chameleonButton", u"cmdOK", SampleRecords()},
        {u"Other.Type", u"x", {}},
    };
    const Bytes bytes = host::WriteWindowDescription(controls);
    host::StoreError error;
    const auto read = host::ReadWindowDescription(bytes, error);
    ASSERT_TRUE(read) << error.Describe();
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ((*read)[0].name, u"cmdOK");
    EXPECT_EQ((*read)[0].records, controls[0].records);
    EXPECT_EQ((*read)[1].typeName, u"Other.Type");

    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(host::ReadWindowDescription(cut, error)) << length;
    }
    Bytes lying = bytes;
    Poke32(lying, 4, 0xFFFFFFFFu); // control count
    EXPECT_FALSE(host::ReadWindowDescription(lying, error));
    lying = bytes;
    Poke32(lying, 8, 0x40000000u); // type identifier length
    EXPECT_FALSE(host::ReadWindowDescription(lying, error));
}

} // namespace
