// The "storewrap" module's primitives over one OfflineStore. Each is exported as name__N with the
// runtime's primitive signature; no exception leaves the module (a failing call answers null).
#include <cstdio>
#include <exception>

#include "OfflineStore.h"
#include "platform/runtime/Primitive.h"

using runtime::Value;

namespace {
storeclient::OfflineStore& client() {
    static storeclient::OfflineStore c;
    return c;
}

// A text argument, or empty (an invalid id) when the value is not a string.
std::string text(const Value& v) { return v.isString() ? v.str() : std::string(); }

void reportFailure(const char* name, const char* what) {
    std::fprintf(stderr, "storeclient: %s failed: %s\n", name, what);
}
}  // namespace

#define STORECLIENT_EXPORT(NAME, N)                                                                            \
    static Value NAME##_impl(const Value* args, int argc);                                                     \
    extern "C" __attribute__((visibility("default"))) void NAME##__##N(const Value* args, int argc, Value* result) { \
        try {                                                                                                  \
            *result = NAME##_impl(args, argc);                                                                 \
        } catch (const runtime::Thrown& t) {                                                                   \
            reportFailure(#NAME, t.value().toText().c_str());                                                  \
            *result = Value();                                                                                 \
        } catch (const std::exception& e) {                                                                    \
            reportFailure(#NAME, e.what());                                                                    \
            *result = Value();                                                                                 \
        } catch (...) {                                                                                        \
            reportFailure(#NAME, "unknown exception");                                                         \
            *result = Value();                                                                                 \
        }                                                                                                      \
    }                                                                                                          \
    static Value NAME##_impl([[maybe_unused]] const Value* args, [[maybe_unused]] int argc)

#define ARG(i) ((i) < argc ? args[(i)] : Value())

// Starts the client with the event callback (a function value).
STORECLIENT_EXPORT(StoreWrap_Init, 1) {
    runtime::Ref<runtime::Function> callback(ARG(0).function());
    return Value(client().init(callback));
}
STORECLIENT_EXPORT(StoreWrap_Shutdown, 0) {
    client().shutdown();
    return Value();
}
STORECLIENT_EXPORT(StoreWrap_RunCallbacks, 0) {
    client().runCallbacks();
    return Value();
}
STORECLIENT_EXPORT(StoreWrap_RequestStats, 0) { return Value(client().requestStats()); }
// The statistic's value, or null when it was never set.
STORECLIENT_EXPORT(StoreWrap_GetStat, 1) {
    std::optional<int> v = client().getStat(text(ARG(0)));
    return v ? Value(*v) : Value();
}
STORECLIENT_EXPORT(StoreWrap_SetStat, 2) {
    if (!ARG(1).isNumber()) return Value(false);
    return Value(client().setStat(text(ARG(0)), ARG(1).toInt()));
}
STORECLIENT_EXPORT(StoreWrap_SetAchievement, 1) { return Value(client().setAchievement(text(ARG(0)))); }
STORECLIENT_EXPORT(StoreWrap_ClearAchievement, 1) { return Value(client().clearAchievement(text(ARG(0)))); }
STORECLIENT_EXPORT(StoreWrap_StoreStats, 0) { return Value(client().storeStats()); }
STORECLIENT_EXPORT(StoreWrap_FindLeaderboard, 1) { return Value(client().findLeaderboard(text(ARG(0)))); }
STORECLIENT_EXPORT(StoreWrap_UploadScore, 3) {
    return Value(client().uploadScore(text(ARG(0)), ARG(1).toInt(), ARG(2).toInt()));
}
// Ranks first to last of the board; 0 and 0 take the whole board.
STORECLIENT_EXPORT(StoreWrap_DownloadScores, 3) {
    return Value(client().downloadScores(text(ARG(0)), ARG(1).toInt(), ARG(2).toInt()));
}
STORECLIENT_EXPORT(StoreWrap_RequestGlobalStats, 0) { return Value(client().requestGlobalStats()); }
// There is no server: global statistics are never known.
STORECLIENT_EXPORT(StoreWrap_GetGlobalStat, 1) { return Value(); }
STORECLIENT_EXPORT(StoreWrap_IsSteamRunning, 0) { return Value(!storeclient::OfflineStore::unavailable()); }
