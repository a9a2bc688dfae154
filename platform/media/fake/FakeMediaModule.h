#pragma once
// A recording stand-in for the native media back end, for unit tests: it answers every
// primitive of the list, records each call with its arguments and answers what a test scripts
// (null otherwise).
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/media/MediaRecords.h"
#include "platform/runtime/Primitive.h"

namespace media {

class FakeMediaModule {
public:
    struct Call {
        std::string name;
        std::vector<runtime::Value> args;
    };
    using Answer = std::function<runtime::Value(const std::vector<runtime::Value>& args)>;

    static FakeMediaModule& get();

    // Makes the module loader open this fake for any module path naming "media-native".
    static void install();
    // The fake's function for an exported symbol ("name__N"), or null.
    static runtime::PrimitiveFn lookup(std::string_view symbol);

    // A native event record as the back end makes it: the type and the given fields.
    static runtime::Value record(RecordType type,
                                 std::initializer_list<std::pair<RecordField, runtime::Value>> fields = {});

    // Forgets recorded calls and scripted answers.
    void reset();
    // Forgets recorded calls only (long-running tests).
    void forgetCalls() { calls_.clear(); }
    void on(const std::string& name, Answer answer);
    void returns(const std::string& name, runtime::Value value);

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Call> callsTo(std::string_view name) const;
    int count(std::string_view name) const;

    void handle(int index, const runtime::Value* args, int argc, runtime::Value* result);

private:
    std::vector<Call> calls_;
    std::unordered_map<std::string, Answer> answers_;
};

}  // namespace media
