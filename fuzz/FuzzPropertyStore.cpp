// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the readers of window descriptions and property records, reads
// every button key with every conversion, and checks that what was read writes back to
// records that read the same.

#include "host/core/PropertyStore.h"

#include <cstdlib>

namespace {

constexpr const char* kKeys[] = {"_extentx", "_extenty", "BTYPE", "TX",   "ENAB", "FONT",  "COLTYPE", "FOCUSR", "BCOL",
                                 "BCOLO",    "FCOL",     "FCOLO", "MCOL", "MPTR", "MICON", "PICN",    "PICH",   "UMCOL",
                                 "SOFT",     "PICPOS",   "NGREY", "FX",   "HAND", "CHECK", "VALUE"};

void ReadRecords(std::span<const std::uint8_t> bytes) {
    host::StoreError error;
    const auto bag = host::PropertyBag::Parse(bytes, error);
    if (!bag) {
        if (error.message.empty()) std::abort(); // a refusal always says why
        return;
    }
    for (const char* key : kKeys) {
        if (const host::PropertyValue* value = bag->Find(key)) {
            (void)host::ToInt32(*value);
            (void)host::ToInt16(*value);
            (void)host::ToBool(*value);
            (void)host::ToText(*value);
        }
    }
    host::PropertyWriter writer;
    for (const host::PropertyRecord& record : bag->Records()) writer.Write(host::ToAscii(record.key), record.value);
    // What the reader accepts, the writer must write.
    const auto again = writer.Finish(error);
    if (!again) std::abort();
    const auto reread = host::PropertyBag::Parse(*again, error);
    if (!reread || reread->Records().size() != bag->Records().size()) std::abort();
    for (std::size_t i = 0; i < bag->Records().size(); ++i) {
        const host::PropertyRecord& a = bag->Records()[i];
        const host::PropertyRecord& b = reread->Records()[i];
        if (host::LowerKey(host::ToUtf16(host::ToAscii(a.key))) != b.key || !(a.value == b.value)) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    host::StoreError error;
    if (const auto controls = host::ReadWindowDescription(bytes, error)) {
        for (const host::StoredControl& control : *controls) ReadRecords(control.records);
    }
    ReadRecords(bytes);
    return 0;
}
