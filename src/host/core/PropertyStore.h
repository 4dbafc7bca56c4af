// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The host's property store: the typed key/value records in which a window description
// keeps the properties of each control instance, and the window description that
// gathers the controls of one window. Plain C++; every reader takes untrusted bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace host {

enum class ValueType : std::uint16_t {
    Int16 = 2,
    Int32 = 3,
    String = 8,
    Object = 9,
    Boolean = 11,
};

using ClassId = std::array<std::uint8_t, 16>;
// The class identifiers of the runtime's font and picture objects.
extern const ClassId kFontClassId;
extern const ClassId kPictureClassId;

// A font object as stored: the weight carries boldness, the size is in ten-thousandths
// of a point, and the name is in single-byte characters.
struct StoredFont {
    std::uint16_t charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    std::uint16_t weight = 400;
    std::uint32_t size = 82500;
    std::string name;
    friend bool operator==(const StoredFont&, const StoredFont&) = default;
};

// A picture object as stored: the image file's bytes; an empty picture has none.
struct StoredPicture {
    std::vector<std::uint8_t> image;
    friend bool operator==(const StoredPicture&, const StoredPicture&) = default;
};

using PropertyValue = std::variant<std::int16_t, std::int32_t, bool, std::u16string, StoredFont, StoredPicture>;

struct PropertyRecord {
    std::u16string key; // as stored (the writer stores lower case)
    PropertyValue value;
};

// Why a read failed, and at which key ("" when no key could be read yet).
struct StoreError {
    std::string key;
    std::string message;
    std::string Describe() const;
};

// Largest object or string the reader accepts, and so the writer too; a window
// description holds small controls, and anything bigger is a lying length.
constexpr std::size_t kMaxValueBytes = 16u << 20;
constexpr std::size_t kMaxStringChars = kMaxValueBytes / 2;
// A key's length is stored in 16 bits.
constexpr std::size_t kMaxKeyChars = 0xFFFF;

// A stable 32-bit hash of a key, taken over its lower-cased UTF-16 code units.
std::uint32_t HashKey(std::u16string_view key);

std::u16string ToUtf16(std::string_view ascii);
std::string ToAscii(std::u16string_view text); // non-ASCII code units become '?'
std::u16string LowerKey(std::u16string_view key);

// Writes records in the order given; Finish() returns them with the last record's
// length negated, as the store requires.
//
// The writer refuses what the reader would refuse (a key longer than its 16-bit length,
// a string or picture over the reader's limits), with the reader's error: a refused
// record is not written, nothing is written after it, each later write returns false
// too, and Finish() returns nothing with the first refusal. A font name is cut to the
// 255 characters its one-byte length can say.
class PropertyWriter {
public:
    bool WriteInt16(std::string_view key, std::int16_t value);
    bool WriteInt32(std::string_view key, std::int32_t value);
    bool WriteBool(std::string_view key, bool value);
    bool WriteString(std::string_view key, std::u16string_view value);
    bool WriteFont(std::string_view key, const StoredFont& font);
    bool WritePicture(std::string_view key, const StoredPicture& picture);
    bool Write(std::string_view key, const PropertyValue& value);

    bool Empty() const { return lastRecordStart_ < 0; }
    std::optional<std::vector<std::uint8_t>> Finish(StoreError& error) const;

private:
    bool Begin(ValueType type, std::string_view key);
    void End();
    bool Refuse(std::string_view key, std::string message);

    std::vector<std::uint8_t> bytes_;
    std::ptrdiff_t lastRecordStart_ = -1;
    std::size_t currentStart_ = 0;
    std::optional<StoreError> refusal_;
};

// The records of one instance, in stored order; lookups ignore case.
class PropertyBag {
public:
    static std::optional<PropertyBag> Parse(std::span<const std::uint8_t> bytes, StoreError& error);

    const std::vector<PropertyRecord>& Records() const { return records_; }
    // The first record under key, or nullptr.
    const PropertyValue* Find(std::string_view key) const;

private:
    std::vector<PropertyRecord> records_;
};

// Conversions of a stored value to a property's type. Each returns nothing when the value
// cannot be converted (a number out of range, a string that is not a number, an object
// where a plain value belongs).
std::optional<std::int32_t> ToInt32(const PropertyValue& value);
std::optional<std::int16_t> ToInt16(const PropertyValue& value);
std::optional<bool> ToBool(const PropertyValue& value);
std::optional<std::u16string> ToText(const PropertyValue& value);

// One control of a window description: its type identifier, its name in the window and
// its property records (the host's "_extentx"/"_extenty" first, then the control's own).
struct StoredControl {
    std::u16string typeName;
    std::u16string name;
    std::vector<std::uint8_t> records;
};

// A window description: the stored controls of one window, in order.
std::vector<std::uint8_t> WriteWindowDescription(const std::vector<StoredControl>& controls);
std::optional<std::vector<StoredControl>> ReadWindowDescription(std::span<const std::uint8_t> bytes, StoreError& error);

} // namespace host
