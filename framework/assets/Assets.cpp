#include "Assets.h"

#include <cctype>
#include <cstdint>
#include <map>

#include "AssetCache.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"

namespace framework {

using runtime::Function;
using runtime::Ref;
using runtime::String;
using runtime::Value;

namespace {

struct State {
    Ref<runtime::Object> cache = runtime::make<AssetCache>();
    std::map<std::string, Ref<AssetLibrary>> libraries;
    Ref<EventDispatcher> dispatcher = runtime::make<EventDispatcher>();
    bool initialized = false;
};

State& state() {
    static State s;
    return s;
}

IAssetCache* cache() { return dynamic_cast<IAssetCache*>(state().cache.get()); }

bool cacheEnabled() {
    auto& c = state().cache;
    return c && c->getField("enabled", true).toBool();
}

struct Split {
    String library;
    String symbol;
};

Split split(const String& id) {
    const std::string& s = id.str();
    auto colon = s.find(':');
    if (colon == std::string::npos) return {String(""), id};
    return {String(s.substr(0, colon)), String(s.substr(colon + 1))};
}

void trace(const std::string& text) { RUNTIME_TRACE(Value(text)); }

void traceNoLibrary(const String& name) {
    trace("[framework.Assets] There is no asset library named \"" + name.str() + "\"");
}

// One cached or uncached kind: its words in the trace lines and the cache map it uses.
enum class Map { NONE, BITMAP, FONT, SOUND };
struct Kind {
    AssetType type;
    const char* words;
    Map map;
};
const Kind BITMAP{AssetType::IMAGE, "BitmapData", Map::BITMAP};
const Kind BYTES{AssetType::BINARY, "String or ByteArray", Map::NONE};
const Kind FONT{AssetType::FONT, "Font", Map::FONT};
const Kind CLIP{AssetType::MOVIE_CLIP, "MovieClip", Map::NONE};
const Kind MUSIC{AssetType::MUSIC, "Sound", Map::SOUND};
const Kind SOUND{AssetType::SOUND, "Sound", Map::SOUND};
const Kind TEXT{AssetType::TEXT, "String", Map::NONE};

void traceNoAsset(const Kind& k, const String& id) {
    trace(std::string("[framework.Assets] There is no ") + k.words + " asset with an ID of \"" + id.str() + "\"");
}

bool cacheHas(Map m, const String& id) {
    auto* c = cache();
    if (!c) return false;
    switch (m) {
        case Map::BITMAP: return c->hasBitmapData(id);
        case Map::FONT: return c->hasFont(id);
        case Map::SOUND: return c->hasSound(id);
        case Map::NONE: return false;
    }
    return false;
}

// The cached entry when it may be used (fonts always; bitmaps and sounds when valid).
std::optional<Value> cachedEntry(Map m, const String& id) {
    if (m == Map::NONE || !cacheEnabled() || !cacheHas(m, id)) return std::nullopt;
    auto* c = cache();
    switch (m) {
        case Map::FONT: return Value(c->getFont(id));
        case Map::BITMAP: {
            auto b = c->getBitmapData(id);
            if (Assets::isValidBitmapData(b)) return Value(b);
            return std::nullopt;
        }
        case Map::SOUND: {
            auto s = c->getSound(id);
            if (Assets::isValidSound(s)) return Value(s);
            return std::nullopt;
        }
        case Map::NONE: break;
    }
    return std::nullopt;
}

void store(Map m, const String& id, const Value& v) {
    auto* c = cache();
    if (!c) return;
    switch (m) {
        case Map::BITMAP: c->setBitmapData(id, Ref<BitmapData>(v.as<BitmapData>())); break;
        case Map::FONT: c->setFont(id, Ref<Font>(v.as<Font>())); break;
        case Map::SOUND: c->setSound(id, Ref<Sound>(v.as<Sound>())); break;
        case Map::NONE: break;
    }
}

Value fetch(AssetLibrary& lib, const Kind& k, const String& symbol) {
    switch (k.type) {
        case AssetType::IMAGE: return lib.getBitmapData(symbol);
        case AssetType::BINARY: return lib.getBytes(symbol);
        case AssetType::FONT: return lib.getFont(symbol);
        case AssetType::MOVIE_CLIP: return lib.getMovieClip(symbol);
        case AssetType::MUSIC: return lib.getMusic(symbol);
        case AssetType::SOUND: return lib.getSound(symbol);
        case AssetType::TEXT: return lib.getText(symbol);
        case AssetType::TEMPLATE: break;
    }
    return Value();
}

void loadFrom(AssetLibrary& lib, const Kind& k, const String& symbol, const Ref<Function>& handler) {
    switch (k.type) {
        case AssetType::IMAGE: lib.loadBitmapData(symbol, handler); break;
        case AssetType::BINARY: lib.loadBytes(symbol, handler); break;
        case AssetType::FONT: lib.loadFont(symbol, handler); break;
        case AssetType::MOVIE_CLIP: lib.loadMovieClip(symbol, handler); break;
        case AssetType::MUSIC: lib.loadMusic(symbol, handler); break;
        case AssetType::SOUND: lib.loadSound(symbol, handler); break;
        case AssetType::TEXT: lib.loadText(symbol, handler); break;
        case AssetType::TEMPLATE: break;
    }
}

Value get(const Kind& k, const String& id, bool useCache) {
    Assets::initialize();
    if (useCache) {
        if (auto v = cachedEntry(k.map, id)) return *v;
    }
    auto [name, symbol] = split(id);
    auto lib = Assets::getLibrary(name);
    if (!lib) {
        traceNoLibrary(name);
        return Value();
    }
    if (!lib->exists(symbol, k.type)) {
        traceNoAsset(k, id);
        return Value();
    }
    if (!lib->isLocal(symbol, k.type)) {
        trace(std::string("[framework.Assets] ") + k.words + " asset \"" + id.str() + "\" exists, but only asynchronously");
        return Value();
    }
    Value v = fetch(*lib, k, symbol);
    if (k.map != Map::NONE && useCache && cacheEnabled()) store(k.map, id, v);
    return v;
}

void load(const Kind& k, const String& id, const Ref<Function>& handler, bool useCache) {
    Assets::initialize();
    auto call = [&](const Value& v) {
        if (handler) (*handler)(v);
    };
    if (k.map == Map::NONE) useCache = false;
    if (useCache) {
        if (auto v = cachedEntry(k.map, id)) {
            call(*v);
            return;
        }
    }
    auto [name, symbol] = split(id);
    auto lib = Assets::getLibrary(name);
    if (!lib) {
        traceNoLibrary(name);
    } else if (lib->exists(symbol, k.type)) {
        if (useCache && cacheEnabled()) {
            // Stores into the cache of the moment of the request, whatever is enabled later.
            Ref<runtime::Object> keptCache = state().cache;
            Map m = k.map;
            loadFrom(*lib, k, symbol, Function::of([keptCache, m, id, handler](const Value& v) {
                if (auto* c = dynamic_cast<IAssetCache*>(keptCache.get())) {
                    if (m == Map::BITMAP) c->setBitmapData(id, Ref<BitmapData>(v.as<BitmapData>()));
                    else if (m == Map::FONT) c->setFont(id, Ref<Font>(v.as<Font>()));
                    else if (m == Map::SOUND) c->setSound(id, Ref<Sound>(v.as<Sound>()));
                }
                if (handler) (*handler)(v);
            }));
        } else {
            loadFrom(*lib, k, symbol, handler);
        }
        return;
    } else {
        traceNoAsset(k, id);
    }
    call(Value());
}

// A small JSON reader for library descriptions: objects, arrays, strings, numbers, true, false
// and null. Returns false on malformed text.
class Json {
public:
    explicit Json(const std::string& s) : s_(s) {}
    bool parse(Value& out) {
        if (!value(out)) return false;
        ws();
        return i_ == s_.size();
    }

private:
    void ws() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r')) ++i_;
    }
    bool lit(const char* t) {
        std::size_t n = std::char_traits<char>::length(t);
        if (s_.compare(i_, n, t) != 0) return false;
        i_ += n;
        return true;
    }
    bool str(std::string& out) {
        if (i_ >= s_.size() || s_[i_] != '"') return false;
        ++i_;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (c == '\\') {
                if (i_ >= s_.size()) return false;
                char e = s_[i_++];
                switch (e) {
                    case 'n': out += '\n'; break;
                    case 't': out += '\t'; break;
                    case 'r': out += '\r'; break;
                    case 'b': out += '\b'; break;
                    case 'f': out += '\f'; break;
                    case 'u': {
                        if (i_ + 4 > s_.size()) return false;
                        unsigned cp = std::stoul(s_.substr(i_, 4), nullptr, 16);
                        i_ += 4;
                        if (cp < 0x80) {
                            out += static_cast<char>(cp);
                        } else if (cp < 0x800) {
                            out += static_cast<char>(0xC0 | (cp >> 6));
                            out += static_cast<char>(0x80 | (cp & 0x3F));
                        } else {
                            out += static_cast<char>(0xE0 | (cp >> 12));
                            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                            out += static_cast<char>(0x80 | (cp & 0x3F));
                        }
                        break;
                    }
                    default: out += e;
                }
            } else {
                out += c;
            }
        }
        if (i_ >= s_.size()) return false;
        ++i_;
        return true;
    }
    bool value(Value& out) {
        ws();
        if (i_ >= s_.size()) return false;
        char c = s_[i_];
        if (c == '"') {
            std::string t;
            if (!str(t)) return false;
            out = Value(t);
            return true;
        }
        if (c == '[') {
            ++i_;
            auto arr = runtime::make<runtime::Array>();
            ws();
            if (i_ < s_.size() && s_[i_] == ']') {
                ++i_;
                out = Value(arr);
                return true;
            }
            for (;;) {
                Value v;
                if (!value(v)) return false;
                arr->push(v);
                ws();
                if (i_ < s_.size() && s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                if (i_ < s_.size() && s_[i_] == ']') {
                    ++i_;
                    break;
                }
                return false;
            }
            out = Value(arr);
            return true;
        }
        if (c == '{') {
            ++i_;
            auto obj = runtime::make<runtime::DynamicObject>();
            ws();
            if (i_ < s_.size() && s_[i_] == '}') {
                ++i_;
                out = Value(obj);
                return true;
            }
            for (;;) {
                ws();
                std::string key;
                if (!str(key)) return false;
                ws();
                if (i_ >= s_.size() || s_[i_] != ':') return false;
                ++i_;
                Value v;
                if (!value(v)) return false;
                obj->setField(key, v);
                ws();
                if (i_ < s_.size() && s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                if (i_ < s_.size() && s_[i_] == '}') {
                    ++i_;
                    break;
                }
                return false;
            }
            out = Value(obj);
            return true;
        }
        if (lit("true")) return out = Value(true), true;
        if (lit("false")) return out = Value(false), true;
        if (lit("null")) return out = Value(), true;
        std::size_t start = i_;
        while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '-' || s_[i_] == '+' ||
                                  s_[i_] == '.' || s_[i_] == 'e' || s_[i_] == 'E'))
            ++i_;
        if (start == i_) return false;
        std::string num = s_.substr(start, i_ - start);
        if (num.find_first_of(".eE") == std::string::npos) {
            long long n = std::stoll(num);
            if (n >= INT32_MIN && n <= INT32_MAX) return out = Value(static_cast<int>(n)), true;
        }
        out = Value(std::stod(num));
        return true;
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

}  // namespace

Ref<runtime::Object> Assets::get_cache() { return state().cache; }
void Assets::setCache(const Ref<runtime::Object>& c) { state().cache = c; }
bool Assets::initialized() { return state().initialized; }

void Assets::initialize() {
    auto& s = state();
    if (s.initialized) return;
    // Set first: registering "default" may unload an earlier one, which initialises again.
    s.initialized = true;
    Ref<AssetLibrary> lib;
    if (auto* ci = runtime::ClassInfo::find("DefaultAssetLibrary")) lib = ci->create(nullptr, 0).cast<AssetLibrary>();
    registerLibrary("default", lib);
}

Ref<AssetLibrary> Assets::getLibrary(const String& name) {
    std::string key = name.isNull() || name.empty() ? std::string("default") : name.str();
    auto& libs = state().libraries;
    auto it = libs.find(key);
    return it == libs.end() ? nullptr : it->second;
}

void Assets::registerLibrary(const String& name, const Ref<AssetLibrary>& library) {
    auto& libs = state().libraries;
    if (libs.count(name.str())) unloadLibrary(name);
    if (library) library->eventCallback = Function::of<&Assets::library_onEvent>();
    state().libraries[name.str()] = library;
}

void Assets::unloadLibrary(const String& name) {
    initialize();
    auto& libs = state().libraries;
    auto it = libs.find(name.str());
    if (it != libs.end() && it->second) {
        if (auto* c = cache()) c->clear(name + ":");
        it->second->eventCallback = nullptr;
    }
    libs.erase(name.str());
}

void Assets::loadLibrary(const String& name, const Ref<Function>& handler) {
    initialize();
    String text = getText("libraries/" + name.toText() + ".json");
    if (text.isNull() || text.empty()) {
        traceNoLibrary(name);
        return;
    }
    Value desc;
    if (!Json(text.str()).parse(desc) || !desc.isObject())
        throw runtime::Thrown(Value("Invalid asset library description: " + name.toText()));
    String type = desc.object()->getField("type").toStringValue();
    const runtime::ClassInfo* ci = resolveClass(type);
    if (!ci) throw runtime::Thrown(Value("No asset library class " + type.toText()));
    std::vector<Value> args;
    if (auto* arr = desc.object()->getField("args").as<runtime::Array>()) args = arr->items;
    Ref<AssetLibrary> lib = ci->create(args.data(), static_cast<int>(args.size())).cast<AssetLibrary>();
    if (!lib) throw runtime::Thrown(Value("No asset library class " + type.toText()));
    state().libraries[name.str()] = lib;
    lib->eventCallback = Function::of<&Assets::library_onEvent>();
    lib->load(handler);
}

bool Assets::exists(const String& id, std::optional<AssetType> type) {
    initialize();
    if (!type) type = AssetType::BINARY;
    auto [name, symbol] = split(id);
    auto lib = getLibrary(name);
    return lib && lib->exists(symbol, type);
}

bool Assets::isLocal(const String& id, std::optional<AssetType> type, bool useCache) {
    initialize();
    if (useCache && cacheEnabled()) {
        if ((!type || *type == AssetType::IMAGE) && cacheHas(Map::BITMAP, id)) return true;
        if ((!type || *type == AssetType::FONT) && cacheHas(Map::FONT, id)) return true;
        if ((!type || *type == AssetType::SOUND || *type == AssetType::MUSIC) && cacheHas(Map::SOUND, id)) return true;
    }
    auto [name, symbol] = split(id);
    auto lib = getLibrary(name);
    return lib && lib->isLocal(symbol, type);
}

Ref<runtime::Array> Assets::list(std::optional<AssetType> type) {
    initialize();
    auto out = runtime::make<runtime::Array>();
    // Copied first: a library's list may register or unload libraries.
    auto libs = state().libraries;
    for (auto& [name, lib] : libs) {
        if (!lib) continue;
        if (auto ids = lib->list(type))
            out->items.insert(out->items.end(), ids->items.begin(), ids->items.end());
    }
    return out;
}

Ref<BitmapData> Assets::getBitmapData(const String& id, bool useCache) {
    return Ref<BitmapData>(get(BITMAP, id, useCache).as<BitmapData>());
}
Ref<ByteArray> Assets::getBytes(const String& id) { return Ref<ByteArray>(get(BYTES, id, false).as<ByteArray>()); }
Ref<Font> Assets::getFont(const String& id, bool useCache) {
    return Ref<Font>(get(FONT, id, useCache).as<Font>());
}
Ref<MovieClip> Assets::getMovieClip(const String& id) { return Ref<MovieClip>(get(CLIP, id, false).as<MovieClip>()); }
Ref<Sound> Assets::getMusic(const String& id, bool useCache) {
    return Ref<Sound>(get(MUSIC, id, useCache).as<Sound>());
}
Ref<Sound> Assets::getSound(const String& id, bool useCache) {
    return Ref<Sound>(get(SOUND, id, useCache).as<Sound>());
}
String Assets::getText(const String& id) { return get(TEXT, id, false).toStringValue(); }

String Assets::getPath(const String& id) {
    initialize();
    auto [name, symbol] = split(id);
    auto lib = getLibrary(name);
    if (!lib) {
        traceNoLibrary(name);
        return nullptr;
    }
    if (lib->exists(symbol, std::nullopt)) return lib->getPath(symbol);
    trace("[framework.Assets] There is no asset with an ID of \"" + id.str() + "\"");
    return nullptr;
}

void Assets::loadBitmapData(const String& id, const Ref<Function>& handler, bool useCache) {
    load(BITMAP, id, handler, useCache);
}
void Assets::loadBytes(const String& id, const Ref<Function>& handler) { load(BYTES, id, handler, false); }
void Assets::loadFont(const String& id, const Ref<Function>& handler, bool useCache) {
    load(FONT, id, handler, useCache);
}
void Assets::loadMovieClip(const String& id, const Ref<Function>& handler) { load(CLIP, id, handler, false); }
void Assets::loadMusic(const String& id, const Ref<Function>& handler, bool useCache) {
    load(MUSIC, id, handler, useCache);
}
void Assets::loadSound(const String& id, const Ref<Function>& handler, bool useCache) {
    load(SOUND, id, handler, useCache);
}
void Assets::loadText(const String& id, const Ref<Function>& handler) { load(TEXT, id, handler, false); }

void Assets::addEventListener(const String& type, const Ref<Function>& listener, bool useCapture, int priority,
                              bool useWeakReference) {
    initialize();
    state().dispatcher->addEventListener(type, listener, useCapture, priority, useWeakReference);
}
void Assets::removeEventListener(const String& type, const Ref<Function>& listener, bool useCapture) {
    initialize();
    state().dispatcher->removeEventListener(type, listener, useCapture);
}
bool Assets::hasEventListener(const String& type) {
    initialize();
    return state().dispatcher->hasEventListener(type);
}
bool Assets::dispatchEvent(const Ref<Event>& event) {
    initialize();
    return state().dispatcher->dispatchEvent(event);
}

bool Assets::isValidBitmapData(const Ref<BitmapData>& b) { return b && !b->handle_.isNull(); }

bool Assets::isValidSound(const Ref<Sound>& s) {
    if (!s || s->handle_.isNull()) return false;
    if (s->handle_.isNumber()) return s->handle_.toFloat() != 0;
    return true;
}

const runtime::ClassInfo* Assets::resolveClass(const String& name) { return runtime::ClassInfo::find(name.str()); }
const runtime::EnumInfo* Assets::resolveEnum(const String& name) { return runtime::EnumInfo::find(name.str()); }

void Assets::library_onEvent(const Ref<AssetLibrary>&, const String& type) {
    if (!(type == "change")) return;
    if (auto* c = cache()) c->clear();
    auto event = runtime::make<Event>(Event::CHANGE);
    initialize();
    state().dispatcher->dispatchEvent(event);
}

void Assets::reset_() {
    auto& s = state();
    for (auto& [name, lib] : s.libraries)
        if (lib) lib->eventCallback = nullptr;
    s.libraries.clear();
    s.cache = runtime::make<AssetCache>();
    s.dispatcher = runtime::make<EventDispatcher>();
    s.initialized = false;
}

}  // namespace framework
