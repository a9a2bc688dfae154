#pragma once
// The native event records (MediaRecords.def) as a type enum, flag constants and field names,
// and the only way the back end, the stage and the test fake read and write them.
#include <cstdint>
#include <iterator>
#include <string_view>

#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Value.h"

namespace media {

enum class RecordType : int {
#define MEDIA_RECORD_TYPE(name, number) name = number,
#include "MediaRecords.def"
};

enum class RecordField {
#define MEDIA_RECORD_FIELD(symbol, name) symbol,
#include "MediaRecords.def"
};

class MediaRecords {
public:
    // Bits of the `flags` field.
#define MEDIA_RECORD_FLAG(name, value) static constexpr int name = value;
#include "MediaRecords.def"

    struct Entry {
        std::string_view name;
        int value;
    };
    static constexpr Entry TYPES[] = {
#define MEDIA_RECORD_TYPE(name, number) {#name, number},
#include "MediaRecords.def"
    };
    static constexpr Entry FLAGS[] = {
#define MEDIA_RECORD_FLAG(name, value) {#name, value},
#include "MediaRecords.def"
    };
    static constexpr std::string_view FIELDS[] = {
#define MEDIA_RECORD_FIELD(symbol, name) name,
#include "MediaRecords.def"
    };

    static constexpr std::string_view name(RecordField f) { return FIELDS[static_cast<int>(f)]; }

    // A new record of the type.
    static runtime::Ref<runtime::DynamicObject> make(RecordType type) {
        auto r = runtime::make<runtime::DynamicObject>();
        r->setField(name(RecordField::type), runtime::Value(static_cast<int>(type)));
        return r;
    }
    static void set(runtime::DynamicObject& record, RecordField f, const runtime::Value& v) {
        record.setField(name(f), v);
    }
    // Writing through a record value (the stage answers in `result`).
    static void set(const runtime::Value& record, RecordField f, const runtime::Value& v) {
        record.setField(name(f), v);
    }
    // A field the record leaves out reads as null.
    static runtime::Value get(const runtime::Value& record, RecordField f) { return record.field(name(f)); }
    static int getInt(const runtime::Value& record, RecordField f) { return get(record, f).toInt(); }
    static double getFloat(const runtime::Value& record, RecordField f) { return get(record, f).toFloat(); }
    // The type number, read as a number and truncated towards zero.
    static int type(const runtime::Value& record) {
        return runtime::Numbers::floatToInt(get(record, RecordField::type).toFloat());
    }

    // The list's own rules.
    static constexpr bool typesInOrder() {
        int expected = 0;
        for (const Entry& e : TYPES)
            if (e.value != expected++) return false;
        return true;
    }
    static constexpr bool flagsSingleBits() {
        std::int64_t seen = 0;
        for (const Entry& e : FLAGS) {
            if (e.value <= 0 || (e.value & (e.value - 1)) != 0 || (seen & e.value) != 0) return false;
            seen |= e.value;
        }
        return true;
    }
    static constexpr bool fieldsUnique() {
        for (std::size_t i = 0; i < std::size(FIELDS); ++i)
            for (std::size_t j = i + 1; j < std::size(FIELDS); ++j)
                if (FIELDS[i] == FIELDS[j]) return false;
        return true;
    }
};

static_assert(MediaRecords::typesInOrder(), "MediaRecords.def: record types must be numbered 0, 1, 2 ... in order");
static_assert(MediaRecords::flagsSingleBits(), "MediaRecords.def: each flag must be a bit of its own");
static_assert(MediaRecords::fieldsUnique(), "MediaRecords.def: field names must differ");

}  // namespace media
