#pragma once
// The manifest of the game's embedded assets: every id (its asset path) with its kind and the
// factory that makes its object from the embedded bytes. An optional external file "manifest"
// (an array of {id, path, type} records in the save text format) adds assets loaded from
// files; with the argument "-livereload" that file is watched every 2000 ms and reloaded when
// it changes. Registered as "DefaultAssetLibrary", the class the asset registry looks for.
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/assets/AssetLibrary.h"
#include "framework/utils/Timer.h"

namespace game {

class DefaultAssetLibrary : public framework::AssetLibrary {
    RUNTIME_CLASS(DefaultAssetLibrary)
public:
    using AssetType = framework::AssetType;

    struct Embedded {
        const char* id;
        AssetType type;
    };
    // The embedded assets, sorted by id without regard to case.
    static const std::vector<Embedded>& embedded();

    DefaultAssetLibrary();
    explicit DefaultAssetLibrary(runtime::NoInit n) : framework::AssetLibrary(n) {}
    ~DefaultAssetLibrary() override;

    bool exists(const runtime::String& id, std::optional<AssetType> type) override;
    runtime::Ref<framework::BitmapData> getBitmapData(const runtime::String& id) override;
    runtime::Ref<framework::ByteArray> getBytes(const runtime::String& id) override;
    runtime::Ref<framework::Font> getFont(const runtime::String& id) override;
    runtime::Ref<framework::Sound> getMusic(const runtime::String& id) override;
    runtime::String getPath(const runtime::String& id) override;
    runtime::Ref<framework::Sound> getSound(const runtime::String& id) override;
    runtime::Ref<runtime::Array> list(std::optional<AssetType> type) override;
    // Reads the external file "manifest" of the working folder; records of embedded ids are
    // skipped. Failures are traced, entries read before them stay.
    virtual void loadManifest();

    // The program's arguments, its name left out.
    static std::vector<std::string> commandLineArguments();

    // id to embedded resource name.
    std::unordered_map<std::string, std::string> className;
    // id to file path (external manifest entries only).
    std::unordered_map<std::string, runtime::String> path;
    // id to kind; typeOrder holds the ids in the order they were entered.
    std::unordered_map<std::string, AssetType> type;
    std::vector<std::string> typeOrder;
    double lastModified = 0;
    runtime::Ref<framework::Timer> timer;

private:
    void setType(const std::string& id, AssetType kind);
    void reloadStep();
    bool isEmbedded(const std::string& id) const { return className.count(id) != 0; }
};

}  // namespace game
