// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/core/PropertyStore.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <system_error>
#include <type_traits>
#include <utility>

namespace host {

const ClassId kFontClassId = {0x03, 0x52, 0xE3, 0x0B, 0x91, 0x8F, 0xCE, 0x11,
                              0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51};
const ClassId kPictureClassId = {0x04, 0x52, 0xE3, 0x0B, 0x91, 0x8F, 0xCE, 0x11,
                                 0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51};

namespace {

constexpr std::size_t kHeaderBytes = 12;
constexpr std::uint8_t kFontVersion = 1;
constexpr std::uint8_t kItalicFlag = 0x02;
constexpr std::uint8_t kUnderlineFlag = 0x04;
constexpr std::uint8_t kStrikeoutFlag = 0x08;
constexpr std::array<std::uint8_t, 4> kPictureSignature = {'l', 't', 0, 0};
constexpr std::array<std::uint8_t, 4> kDescriptionMagic = {'T', 'V', 'W', 'D'};

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutText(std::vector<std::uint8_t>& out, std::u16string_view text) {
    for (char16_t c : text) Put16(out, c);
}
void Poke32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A cursor over untrusted bytes: every read says whether the bytes were there.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    bool U8(std::uint8_t& v) {
        if (Remaining() < 1) return false;
        v = bytes_[pos_++];
        return true;
    }
    bool U16(std::uint16_t& v) {
        if (Remaining() < 2) return false;
        v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool U32(std::uint32_t& v) {
        if (Remaining() < 4) return false;
        v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[pos_ + static_cast<std::size_t>(i)];
        pos_ += 4;
        return true;
    }
    bool Text(std::size_t chars, std::u16string& out) {
        if (chars > Remaining() / 2) return false;
        out.resize(chars);
        for (std::size_t i = 0; i < chars; ++i) {
            std::uint16_t c = 0;
            U16(c);
            out[i] = static_cast<char16_t>(c);
        }
        return true;
    }
    bool Bytes(std::size_t count, std::vector<std::uint8_t>& out) {
        if (count > Remaining()) return false;
        out.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                   bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + count));
        pos_ += count;
        return true;
    }
    bool Skip(std::size_t count) {
        if (count > Remaining()) return false;
        pos_ += count;
        return true;
    }
    bool Equals(std::span<const std::uint8_t> expected) {
        if (expected.size() > Remaining()) return false;
        for (std::size_t i = 0; i < expected.size(); ++i)
            if (bytes_[pos_ + i] != expected[i]) return false;
        pos_ += expected.size();
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// The refusals the reader and the writer share, in the same words.
std::string StringTooLong(std::size_t chars) {
    return "string length " + std::to_string(chars) + " exceeds the limit of " + std::to_string(kMaxStringChars) +
           " characters";
}
std::string PictureTooLarge(std::size_t bytes) {
    return "picture byte count " + std::to_string(bytes) + " exceeds the limit of " + std::to_string(kMaxValueBytes) +
           " bytes";
}
std::string KeyTooLong(std::size_t chars) {
    return "key of " + std::to_string(chars) + " characters exceeds the limit of " + std::to_string(kMaxKeyChars);
}

bool Fail(StoreError& error, std::string key, std::string message) {
    error.key = std::move(key);
    error.message = std::move(message);
    return false;
}

bool ReadFont(Reader& in, StoredFont& font, const std::string& key, StoreError& error) {
    std::uint8_t version = 0, flags = 0, nameLength = 0;
    std::uint16_t charset = 0, weight = 0;
    std::uint32_t size = 0;
    if (!in.U8(version)) return Fail(error, key, "font object truncated before its version");
    if (version != kFontVersion) return Fail(error, key, "font object of unknown version " + std::to_string(version));
    if (!in.U16(charset) || !in.U8(flags) || !in.U16(weight) || !in.U32(size) || !in.U8(nameLength))
        return Fail(error, key, "font object truncated");
    std::vector<std::uint8_t> name;
    if (!in.Bytes(nameLength, name)) return Fail(error, key, "font name longer than the bytes left");
    font.charset = charset;
    font.italic = (flags & kItalicFlag) != 0;
    font.underline = (flags & kUnderlineFlag) != 0;
    font.strikeout = (flags & kStrikeoutFlag) != 0;
    font.weight = weight;
    font.size = size;
    font.name.assign(name.begin(), name.end());
    return true;
}

bool ReadPicture(Reader& in, StoredPicture& picture, const std::string& key, StoreError& error) {
    if (!in.Equals(kPictureSignature)) return Fail(error, key, "picture object without its signature");
    std::uint32_t count = 0;
    if (!in.U32(count)) return Fail(error, key, "picture object truncated before its byte count");
    if (count > kMaxValueBytes) return Fail(error, key, PictureTooLarge(count));
    if (count > in.Remaining())
        return Fail(error, key, "picture byte count " + std::to_string(count) + " exceeds the bytes left");
    in.Bytes(count, picture.image);
    return true;
}

bool ReadValue(Reader& in, std::uint16_t type, PropertyValue& value, const std::string& key, StoreError& error) {
    switch (static_cast<ValueType>(type)) {
    case ValueType::Int16: {
        std::uint16_t v = 0;
        if (!in.U16(v)) return Fail(error, key, "16-bit integer truncated");
        value = static_cast<std::int16_t>(v);
        return true;
    }
    case ValueType::Int32: {
        std::uint32_t v = 0;
        if (!in.U32(v)) return Fail(error, key, "32-bit integer truncated");
        value = static_cast<std::int32_t>(v);
        return true;
    }
    case ValueType::Boolean: {
        std::uint16_t v = 0;
        if (!in.U16(v)) return Fail(error, key, "boolean truncated");
        if (v != 0 && v != 0xFFFF) return Fail(error, key, "boolean neither 0 nor -1");
        value = v != 0;
        return true;
    }
    case ValueType::String: {
        std::uint32_t count = 0;
        if (!in.U32(count)) return Fail(error, key, "string truncated before its length");
        if (count > kMaxStringChars) return Fail(error, key, StringTooLong(count));
        if (count > in.Remaining() / 2)
            return Fail(error, key, "string length " + std::to_string(count) + " exceeds the bytes left");
        std::u16string text;
        in.Text(count, text);
        value = std::move(text);
        return true;
    }
    case ValueType::Object: {
        ClassId id{};
        std::vector<std::uint8_t> raw;
        if (!in.Bytes(id.size(), raw)) return Fail(error, key, "object truncated before its class identifier");
        std::copy(raw.begin(), raw.end(), id.begin());
        if (id == kFontClassId) {
            StoredFont font;
            if (!ReadFont(in, font, key, error)) return false;
            value = std::move(font);
            return true;
        }
        if (id == kPictureClassId) {
            StoredPicture picture;
            if (!ReadPicture(in, picture, key, error)) return false;
            value = std::move(picture);
            return true;
        }
        return Fail(error, key, "object of an unknown class");
    }
    }
    return Fail(error, key, "unknown value type " + std::to_string(type));
}

} // namespace

std::string StoreError::Describe() const {
    if (key.empty()) return message;
    return "property \"" + key + "\": " + message;
}

std::uint32_t HashKey(std::u16string_view key) {
    // FNV-1a over the little-endian bytes of the lower-cased code units.
    std::uint32_t hash = 2166136261u;
    for (char16_t c : key) {
        const char16_t lower = Lower(c);
        for (int shift : {0, 8}) {
            hash ^= static_cast<std::uint8_t>(lower >> shift);
            hash *= 16777619u;
        }
    }
    return hash;
}

std::u16string ToUtf16(std::string_view ascii) {
    std::u16string out;
    out.reserve(ascii.size());
    for (char c : ascii) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return out;
}

std::string ToAscii(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

std::u16string LowerKey(std::u16string_view key) {
    std::u16string out(key);
    for (char16_t& c : out) c = Lower(c);
    return out;
}

bool PropertyWriter::Refuse(std::string_view key, std::string message) {
    // Named as stored, and so as the reader names it.
    refusal_ = StoreError{ToAscii(LowerKey(ToUtf16(key))), std::move(message)};
    return false;
}

bool PropertyWriter::Begin(ValueType type, std::string_view key) {
    if (refusal_) return false;
    if (key.size() > kMaxKeyChars) return Refuse(key, KeyTooLong(key.size()));
    // The last record's length is the negated offset of its start, a signed 32-bit number.
    if (bytes_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return Refuse(key, "records exceed " + std::to_string(std::numeric_limits<std::int32_t>::max()) + " bytes");
    const std::u16string lower = LowerKey(ToUtf16(key));
    currentStart_ = bytes_.size();
    lastRecordStart_ = static_cast<std::ptrdiff_t>(currentStart_);
    Put16(bytes_, static_cast<std::uint16_t>(type));
    Put16(bytes_, static_cast<std::uint16_t>(lower.size()));
    Put32(bytes_, HashKey(lower));
    Put32(bytes_, 0); // record length, filled in by End
    PutText(bytes_, lower);
    return true;
}

void PropertyWriter::End() {
    while ((bytes_.size() - currentStart_) % 4 != 0) bytes_.push_back(0);
    Poke32(bytes_, currentStart_ + 8, static_cast<std::uint32_t>(bytes_.size() - currentStart_));
}

bool PropertyWriter::WriteInt16(std::string_view key, std::int16_t value) {
    if (!Begin(ValueType::Int16, key)) return false;
    Put16(bytes_, static_cast<std::uint16_t>(value));
    End();
    return true;
}

bool PropertyWriter::WriteInt32(std::string_view key, std::int32_t value) {
    if (!Begin(ValueType::Int32, key)) return false;
    Put32(bytes_, static_cast<std::uint32_t>(value));
    End();
    return true;
}

bool PropertyWriter::WriteBool(std::string_view key, bool value) {
    if (!Begin(ValueType::Boolean, key)) return false;
    Put16(bytes_, value ? 0xFFFF : 0);
    End();
    return true;
}

bool PropertyWriter::WriteString(std::string_view key, std::u16string_view value) {
    if (!refusal_ && value.size() > kMaxStringChars) return Refuse(key, StringTooLong(value.size()));
    if (!Begin(ValueType::String, key)) return false;
    Put32(bytes_, static_cast<std::uint32_t>(value.size()));
    PutText(bytes_, value);
    End();
    return true;
}

bool PropertyWriter::WriteFont(std::string_view key, const StoredFont& font) {
    if (!Begin(ValueType::Object, key)) return false;
    bytes_.insert(bytes_.end(), kFontClassId.begin(), kFontClassId.end());
    bytes_.push_back(kFontVersion);
    Put16(bytes_, font.charset);
    bytes_.push_back(static_cast<std::uint8_t>((font.italic ? kItalicFlag : 0) | (font.underline ? kUnderlineFlag : 0) |
                                               (font.strikeout ? kStrikeoutFlag : 0)));
    Put16(bytes_, font.weight);
    Put32(bytes_, font.size);
    // The stored name length is one byte; longer names are cut rather than corrupting the record.
    const std::size_t length = std::min<std::size_t>(font.name.size(), 255);
    bytes_.push_back(static_cast<std::uint8_t>(length));
    bytes_.insert(bytes_.end(), font.name.begin(), font.name.begin() + static_cast<std::ptrdiff_t>(length));
    End();
    return true;
}

bool PropertyWriter::WritePicture(std::string_view key, const StoredPicture& picture) {
    if (!refusal_ && picture.image.size() > kMaxValueBytes) return Refuse(key, PictureTooLarge(picture.image.size()));
    if (!Begin(ValueType::Object, key)) return false;
    bytes_.insert(bytes_.end(), kPictureClassId.begin(), kPictureClassId.end());
    bytes_.insert(bytes_.end(), kPictureSignature.begin(), kPictureSignature.end());
    Put32(bytes_, static_cast<std::uint32_t>(picture.image.size()));
    bytes_.insert(bytes_.end(), picture.image.begin(), picture.image.end());
    End();
    return true;
}

bool PropertyWriter::Write(std::string_view key, const PropertyValue& value) {
    return std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int16_t>)
                return WriteInt16(key, v);
            else if constexpr (std::is_same_v<T, std::int32_t>)
                return WriteInt32(key, v);
            else if constexpr (std::is_same_v<T, bool>)
                return WriteBool(key, v);
            else if constexpr (std::is_same_v<T, std::u16string>)
                return WriteString(key, v);
            else if constexpr (std::is_same_v<T, StoredFont>)
                return WriteFont(key, v);
            else
                return WritePicture(key, v);
        },
        value);
}

std::optional<std::vector<std::uint8_t>> PropertyWriter::Finish(StoreError& error) const {
    if (refusal_) {
        error = *refusal_;
        return std::nullopt;
    }
    std::vector<std::uint8_t> out = bytes_;
    if (lastRecordStart_ >= 0)
        Poke32(out, static_cast<std::size_t>(lastRecordStart_) + 8,
               static_cast<std::uint32_t>(-static_cast<std::int32_t>(lastRecordStart_)));
    return out;
}

std::optional<PropertyBag> PropertyBag::Parse(std::span<const std::uint8_t> bytes, StoreError& error) {
    PropertyBag bag;
    if (bytes.empty()) return bag;
    Reader in(bytes);
    for (;;) {
        const std::size_t start = in.Position();
        std::uint16_t type = 0, keyLength = 0;
        std::uint32_t hash = 0, rawLength = 0;
        if (!in.U16(type) || !in.U16(keyLength) || !in.U32(hash) || !in.U32(rawLength)) {
            Fail(error, "", "record header truncated at byte " + std::to_string(start));
            return std::nullopt;
        }
        PropertyRecord record;
        if (!in.Text(keyLength, record.key)) {
            Fail(error, "",
                 "key of " + std::to_string(keyLength) + " characters exceeds the bytes left at byte " +
                     std::to_string(start));
            return std::nullopt;
        }
        const std::string key = ToAscii(record.key);
        if (!ReadValue(in, type, record.value, key, error)) return std::nullopt;
        const std::size_t used = in.Position() - start;
        const std::size_t padded = (used + 3) / 4 * 4;
        const auto length = static_cast<std::int32_t>(rawLength);
        const bool last = length <= 0;
        if (last) {
            // The last record carries minus the distance from the first record to itself.
            if (-static_cast<std::int64_t>(length) != static_cast<std::int64_t>(start)) {
                Fail(error, key,
                     "last record's length " + std::to_string(length) + " does not point back to the first");
                return std::nullopt;
            }
        } else if (static_cast<std::size_t>(length) != padded) {
            Fail(error, key,
                 "record length " + std::to_string(length) + " does not match its contents (" + std::to_string(padded) +
                     " bytes)");
            return std::nullopt;
        }
        if (!in.Skip(padded - used)) {
            Fail(error, key, "record padding truncated");
            return std::nullopt;
        }
        bag.records_.push_back(std::move(record));
        if (last) break;
        if (in.Remaining() == 0) {
            Fail(error, key, "records end without a last record");
            return std::nullopt;
        }
    }
    if (in.Remaining() != 0) {
        Fail(error, ToAscii(bag.records_.back().key), "bytes follow the last record");
        return std::nullopt;
    }
    return bag;
}

const PropertyValue* PropertyBag::Find(std::string_view key) const {
    // Compared in place: a button's load looks up every property among all its records.
    auto matches = [key](std::u16string_view stored) {
        if (stored.size() != key.size()) return false;
        for (std::size_t i = 0; i < key.size(); ++i)
            if (Lower(stored[i]) != Lower(static_cast<unsigned char>(key[i]))) return false;
        return true;
    };
    for (const PropertyRecord& record : records_)
        if (matches(record.key)) return &record.value;
    return nullptr;
}

namespace {

std::optional<std::int64_t> ParseNumber(const std::u16string& text) {
    std::string narrow = ToAscii(text);
    std::size_t begin = narrow.find_first_not_of(' ');
    std::size_t end = narrow.find_last_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    narrow = narrow.substr(begin, end - begin + 1);
    double number = 0;
    const auto [ptr, ec] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), number);
    if (ec != std::errc() || ptr != narrow.data() + narrow.size() || !std::isfinite(number)) return std::nullopt;
    if (std::fabs(number) > 9.0e15) return std::nullopt;
    // Conversions from floating point round half to even.
    return static_cast<std::int64_t>(std::nearbyint(number));
}

std::optional<std::int64_t> ToWide(const PropertyValue& value) {
    if (auto v = std::get_if<std::int16_t>(&value)) return *v;
    if (auto v = std::get_if<std::int32_t>(&value)) return *v;
    if (auto v = std::get_if<bool>(&value)) return *v ? -1 : 0;
    if (auto v = std::get_if<std::u16string>(&value)) return ParseNumber(*v);
    return std::nullopt;
}

template <typename Int> std::optional<Int> ToNarrow(const PropertyValue& value) {
    const auto wide = ToWide(value);
    if (!wide || *wide < std::numeric_limits<Int>::min() || *wide > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(*wide);
}

} // namespace

std::optional<std::int32_t> ToInt32(const PropertyValue& value) { return ToNarrow<std::int32_t>(value); }

std::optional<std::int16_t> ToInt16(const PropertyValue& value) { return ToNarrow<std::int16_t>(value); }

std::optional<bool> ToBool(const PropertyValue& value) {
    if (auto v = std::get_if<std::u16string>(&value)) {
        const std::u16string lower = LowerKey(*v);
        if (lower == u"true") return true;
        if (lower == u"false") return false;
    }
    const auto wide = ToWide(value);
    if (!wide) return std::nullopt;
    return *wide != 0;
}

std::optional<std::u16string> ToText(const PropertyValue& value) {
    if (auto v = std::get_if<std::u16string>(&value)) return *v;
    if (auto v = std::get_if<bool>(&value)) return std::u16string(*v ? u"True" : u"False");
    const auto wide = ToWide(value);
    if (!wide) return std::nullopt;
    return ToUtf16(std::to_string(*wide));
}

std::vector<std::uint8_t> WriteWindowDescription(const std::vector<StoredControl>& controls) {
    std::vector<std::uint8_t> out(kDescriptionMagic.begin(), kDescriptionMagic.end());
    Put32(out, static_cast<std::uint32_t>(controls.size()));
    for (const StoredControl& control : controls) {
        Put32(out, static_cast<std::uint32_t>(control.typeName.size()));
        PutText(out, control.typeName);
        Put32(out, static_cast<std::uint32_t>(control.name.size()));
        PutText(out, control.name);
        Put32(out, static_cast<std::uint32_t>(control.records.size()));
        out.insert(out.end(), control.records.begin(), control.records.end());
    }
    return out;
}

std::optional<std::vector<StoredControl>> ReadWindowDescription(std::span<const std::uint8_t> bytes,
                                                                StoreError& error) {
    Reader in(bytes);
    if (!in.Equals(kDescriptionMagic)) {
        Fail(error, "", "not a window description");
        return std::nullopt;
    }
    std::uint32_t count = 0;
    if (!in.U32(count)) {
        Fail(error, "", "window description truncated before its control count");
        return std::nullopt;
    }
    // Each control takes at least its three 4-byte lengths.
    if (count > in.Remaining() / 12) {
        Fail(error, "", "control count " + std::to_string(count) + " exceeds the bytes left");
        return std::nullopt;
    }
    std::vector<StoredControl> controls;
    controls.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        StoredControl control;
        std::uint32_t length = 0;
        if (!in.U32(length) || !in.Text(length, control.typeName)) {
            Fail(error, "", "type identifier of control " + std::to_string(i) + " truncated");
            return std::nullopt;
        }
        if (!in.U32(length) || !in.Text(length, control.name)) {
            Fail(error, "", "name of control " + std::to_string(i) + " truncated");
            return std::nullopt;
        }
        if (!in.U32(length) || !in.Bytes(length, control.records)) {
            Fail(error, "", "records of control " + ToAscii(control.name) + " truncated");
            return std::nullopt;
        }
        controls.push_back(std::move(control));
    }
    if (in.Remaining() != 0) {
        Fail(error, "", "bytes follow the last control");
        return std::nullopt;
    }
    return controls;
}

} // namespace host
