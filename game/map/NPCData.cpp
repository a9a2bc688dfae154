#include "NPCData.h"

#include <pugixml.hpp>

#include <algorithm>
#include <climits>
#include <string>

#include "framework/assets/Assets.h"
#include "game/data/DataTable.h"
#include "game/data/GameData.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/data/MonsterData.h"
#include "game/shell/BMDCache.h"
#include "platform/runtime/Thrown.h"

namespace game {

using runtime::Ref;
using runtime::String;

namespace {

int number(const pugi::xml_node& node, const char* name) {
    return NPCData::parseInteger(DataTable::text(node, name));
}
// Absent gives -1.
int optional(const pugi::xml_node& node, const char* name) { return node.attribute(name) ? number(node, name) : -1; }
// Absent or without digits gives fallback.
int orElse(const pugi::xml_node& node, const char* name, int fallback) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a) return fallback;
    std::string v = a.value();
    std::size_t start = v.find_first_not_of(" \t\r\n+-");
    bool digits = start != std::string::npos && v[start] >= '0' && v[start] <= '9';
    return digits ? number(node, name) : fallback;
}

std::vector<String> pages(const String& text) {
    std::vector<String> out;
    const std::string& s = text.str();
    for (std::size_t start = 0;;) {
        std::size_t bar = s.find('|', start);
        out.emplace_back(s.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) return out;
        start = bar + 1;
    }
}

Ref<framework::BitmapData> shadow(const String& size) {
    if (size == "xs") return BMDCache::SHADOW_XS;
    if (size == "s") return BMDCache::SHADOW_S;
    if (size == "l") return BMDCache::SHADOW_L;
    if (size == "xl") return BMDCache::SHADOW_XL;
    if (size == "xxl") return BMDCache::SHADOW_XXL;
    if (size == "none") return BMDCache::SHADOW_NONE;
    return BMDCache::SHADOW_M;
}

Ref<SpeechData> readSpeech(const pugi::xml_node& node) {
    // A speech without text still has one (empty) page to show.
    String text = DataTable::text(node, "text");
    auto d = runtime::make<SpeechData>(pages(text.isNull() ? String("") : text), optional(node, "minRuns"),
                                       optional(node, "maxRuns"));
    SpeechData& s = *d;
    s.type = DataTable::text(node, "type");
    s.label1 = DataTable::text(node, "label1");
    s.label2 = DataTable::text(node, "label2");
    s.option1Text = DataTable::text(node, "option1");
    s.option2Text = DataTable::text(node, "option2");
    s.activateSwitch = optional(node, "activateSwitch");
    s.needSwitch = optional(node, "needSwitch");
    s.openShop = DataTable::flag(node, "openShop");
    s.unfreeze = DataTable::flag(node, "unfreeze");
    s.freeze = DataTable::flag(node, "freeze");
    s.animIndex = optional(node, "anim");
    s.continueLabel = DataTable::text(node, "continueLabel");
    s.image = DataTable::text(node, "image");
    s.itemID = number(node, "itemID");
    s.itemID2 = number(node, "itemID2");
    s.price = number(node, "price");
    s.needItem = optional(node, "needItem");
    s.addItem = optional(node, "addItem");
    s.removeItem = optional(node, "removeItem");
    s.event = DataTable::text(node, "event");
    return d;
}

bool inRange(int progress, int minRuns, int maxRuns) {
    return (minRuns == -1 || progress >= minRuns) && (maxRuns == -1 || progress <= maxRuns);
}

}  // namespace

int NPCData::parseInteger(const String& text) {
    return ItemData::parseInteger(text.isNull() ? nullptr : text.c_str());
}

void NPCData::createNPCs() {
    String source = framework::Assets::getText(TABLE);
    if (source.isNull()) runtime::Thrown::text(std::string("Dialogue table ") + TABLE + " is missing");
    readNPCs(TABLE, source);
}

void NPCData::readNPCs(const String& path, const String& source) {
    NPCS = List();
    pugi::xml_document doc;
    pugi::xml_node root = DataTable::open(doc, "Dialogue table " + path.toText(), source);

    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element) continue;
        int id = number(node, "id");
        auto d = runtime::make<NPCData>(id, DataTable::text(node, "name"));
        NPCData& n = *d;
        n.shop = DataTable::flag(node, "shop");
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_element) n.speechDatas.push_back(readSpeech(child));
        n.freeze = DataTable::flag(node, "freeze");
        n.shadOffsetX = number(node, "shadOffsetX");
        n.shadOffsetY = number(node, "shadOffsetY");
        n.offsetX = number(node, "offsetX");
        n.offsetY = number(node, "offsetY");
        String* lines[] = {&n.welcomeText, &n.shopSelectText, &n.invSelectText, &n.buyOneText, &n.buyAllText,
                           &n.sellOneText, &n.sellAllText,    &n.sellJunkText,  &n.noGoldText, &n.cantBuyText};
        const char* names[] = {"welcome", "shopSelect", "invSelect", "buyOne", "buyAll",
                               "sellOne", "sellAll",    "sellJunk",  "noGold", "cantBuy"};
        for (int i = 0; i < 10; ++i) *lines[i] = DataTable::text(node, names[i]);
        n.decor = DataTable::flag(node, "decor");
        n.pass = DataTable::flag(node, "pass");
        n.hardPos = DataTable::flag(node, "hardPos");
        n.blank = DataTable::flag(node, "blank");
        n.speechOffsetX = number(node, "speechOffsetX");
        n.speechOffsetY = number(node, "speechOffsetY");
        n.minRuns = optional(node, "minRuns");
        n.maxRuns = optional(node, "maxRuns");
        n.needSwitch = optional(node, "needSwitch");
        n.leaveSwitch = optional(node, "leaveSwitch");
        n.shadowBMD = shadow(DataTable::text(node, "shad"));
        if (node.attribute("width"))
            n.anim = runtime::make<Anim>(0, 0, number(node, "width"), number(node, "height"), number(node, "frames"),
                                         true, orElse(node, "frameStep", 3), DataTable::flag(node, "backAndForth"),
                                         orElse(node, "pauseFrames", 0));
        if (id < 0) continue;
        if (static_cast<std::size_t>(id) >= NPCS.size()) NPCS.resize(static_cast<std::size_t>(id) + 1);
        NPCS[static_cast<std::size_t>(id)] = d;
    }
}

Ref<SpeechData> NPCData::chooseSpeech(const String& type) const {
    bool untyped = type.isNull() || type.empty();
    for (const Ref<SpeechData>& s : speechDatas) {
        if (s->needSwitch != -1) {
            const auto& switches = GameData::gameSwitches;
            if (s->needSwitch < 0 || static_cast<std::size_t>(s->needSwitch) >= switches.size() ||
                !switches[static_cast<std::size_t>(s->needSwitch)])
                continue;
        }
        if (s->needItem != -1 &&
            std::none_of(GameData::items.begin(), GameData::items.end(),
                         [&](const Ref<Item>& i) { return i && i->data && i->data->id == s->needItem; }))
            continue;
        if (s->type.isNull() && untyped) {
            if (!inRange(GameData::storyProgress, s->minRuns, s->maxRuns)) continue;
        } else if (untyped || s->type != type) {
            continue;
        }
        return s;
    }
    return nullptr;
}

}  // namespace game

using game::NPCData;

RUNTIME_DEFINE_CLASS(NPCData, "NPCData", runtime::Object, (auto& b) {
    b.template field<&NPCData::id>("id")
        .template field<&NPCData::name>("name")
        .template field<&NPCData::shop>("shop")
        .template field<&NPCData::freeze>("freeze")
        .template field<&NPCData::shadOffsetX>("shadOffsetX")
        .template field<&NPCData::shadOffsetY>("shadOffsetY")
        .template field<&NPCData::offsetX>("offsetX")
        .template field<&NPCData::offsetY>("offsetY")
        .template field<&NPCData::speechOffsetX>("speechOffsetX")
        .template field<&NPCData::speechOffsetY>("speechOffsetY")
        .template field<&NPCData::hardPos>("hardPos")
        .template field<&NPCData::blank>("blank")
        .template field<&NPCData::shadowBMD>("shadowBMD")
        .template field<&NPCData::anim>("anim")
        .template field<&NPCData::welcomeText>("welcomeText")
        .template field<&NPCData::shopSelectText>("shopSelectText")
        .template field<&NPCData::invSelectText>("invSelectText")
        .template field<&NPCData::buyOneText>("buyOneText")
        .template field<&NPCData::buyAllText>("buyAllText")
        .template field<&NPCData::sellOneText>("sellOneText")
        .template field<&NPCData::sellAllText>("sellAllText")
        .template field<&NPCData::sellJunkText>("sellJunkText")
        .template field<&NPCData::noGoldText>("noGoldText")
        .template field<&NPCData::cantBuyText>("cantBuyText")
        .template field<&NPCData::decor>("decor")
        .template field<&NPCData::pass>("pass")
        .template field<&NPCData::minRuns>("minRuns")
        .template field<&NPCData::maxRuns>("maxRuns")
        .template field<&NPCData::needSwitch>("needSwitch")
        .template field<&NPCData::leaveSwitch>("leaveSwitch")
        .template staticMethod<&NPCData::createNPCs>("createNPCs")
        .emptyInstance();
})
