#include "MonsterData.h"

#include <pugixml.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "DataTable.h"
#include "GameData.h"
#include "framework/assets/Assets.h"
#include "game/battle/Effects.h"
#include "game/battle/Element.h"
#include "game/battle/Monster.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/PixelSmoother.h"
#include "platform/runtime/Thrown.h"

namespace game {

using runtime::Ref;
using runtime::String;

namespace {

struct IntAttribute {
    const char* name;
    int MonsterData::*field;
};
struct ScaledNumber {
    int step;
    int MonsterData::*field;
};

// The integer attributes before `weak`, in reading order.
constexpr IntAttribute NUMBERS[] = {
    {"exp", &MonsterData::exp},         {"gold", &MonsterData::gold},         {"min", &MonsterData::minFloor},
    {"max", &MonsterData::maxFloor},    {"att", &MonsterData::attack},        {"hp", &MonsterData::maxHP},
    {"def", &MonsterData::defense},     {"defFire", &MonsterData::defFire},   {"defEarth", &MonsterData::defEarth},
    {"defWind", &MonsterData::defWind}, {"defIce", &MonsterData::defIce},     {"defDark", &MonsterData::defDark},
    {"defLight", &MonsterData::defLight}, {"attFire", &MonsterData::attFire}, {"attEarth", &MonsterData::attEarth},
    {"attWind", &MonsterData::attWind}, {"attIce", &MonsterData::attIce},     {"attDark", &MonsterData::attDark},
    {"attLight", &MonsterData::attLight},
};
// The sprite numbers after `weak`, in reading order.
constexpr IntAttribute SIZES[] = {
    {"width", &MonsterData::frameWidth},         {"height", &MonsterData::frameHeight},
    {"attWidth", &MonsterData::attackFrameWidth}, {"attHeight", &MonsterData::attackFrameHeight},
    {"attDelay", &MonsterData::attackDelay},      {"dmgFrame", &MonsterData::damageFrame},
};
constexpr IntAttribute OFFSETS[] = {
    {"effectFrame", &MonsterData::effectFrame},
    {"attackShadOffsetX", &MonsterData::attackShadOffsetX}, {"attackShadOffsetY", &MonsterData::attackShadOffsetY},
    {"idleShadOffsetX", &MonsterData::idleShadOffsetX},     {"idleShadOffsetY", &MonsterData::idleShadOffsetY},
    {"attackOffsetX", &MonsterData::attackOffsetX},         {"attackOffsetY", &MonsterData::attackOffsetY},
    {"effectX", &MonsterData::effectX},                     {"effectY", &MonsterData::effectY},
};
// The integers that new game plus raises by 1.4^n plus a step per count, and its step.
constexpr ScaledNumber MAIN_NUMBERS[] = {
    {250, &MonsterData::maxHP}, {150, &MonsterData::exp}, {10, &MonsterData::gold},
    {150, &MonsterData::attack}, {40, &MonsterData::defense},
};
int MonsterData::*const ELEMENT_DEFENCES[] = {&MonsterData::defFire, &MonsterData::defEarth, &MonsterData::defWind,
                                              &MonsterData::defIce,  &MonsterData::defDark,  &MonsterData::defLight};
int MonsterData::*const ELEMENT_ATTACKS[] = {&MonsterData::attFire, &MonsterData::attEarth, &MonsterData::attWind,
                                             &MonsterData::attIce,  &MonsterData::attDark,  &MonsterData::attLight};

int number(const pugi::xml_node& node, const char* name) {
    return MonsterData::parseInteger(DataTable::text(node, name));
}
// A frame step: 3 when the attribute is absent.
int step(const pugi::xml_node& node, const char* name) { return node.attribute(name) ? number(node, name) : 3; }

MonsterData::BMD shadow(const String& size) {
    if (size == "xs") return BMDCache::SHADOW_XS;
    if (size == "s") return BMDCache::SHADOW_S;
    if (size == "m") return BMDCache::SHADOW_M;
    if (size == "l") return BMDCache::SHADOW_L;
    if (size == "xl") return BMDCache::SHADOW_XL;
    if (size == "xxl") return BMDCache::SHADOW_XXL;
    return BMDCache::SHADOW_NONE;
}

void readAnimations(MonsterData& d, const pugi::xml_node& node) {
    d.groundPoint = runtime::make<framework::Point>(number(node, "groundX"), number(node, "groundY"));
    d.idleAnim = runtime::make<Anim>(0, 0, d.frameWidth, d.frameHeight, number(node, "idleFrames"), true,
                                     step(node, "idleStep"), DataTable::flag(node, "backAndForth"),
                                     number(node, "pauseFrames"));
    int w = d.attackFrameWidth, h = d.attackFrameHeight;
    if (!d.flying && !d.attackHasIdleAnim) {
        // The strip's first cell is the pose between attacks; the attack plays from the second.
        d.attackIdleAnim = runtime::make<Anim>(0, 0, w, h, 1, false);
        d.attackAnim = runtime::make<Anim>(w, 0, w, h, number(node, "attFrames"), false, step(node, "attStep"));
    } else {
        d.attackIdleAnim =
            runtime::make<Anim>(0, 0, w, h, number(node, "attIdleFrames"), true, step(node, "attIdleStep"));
        d.attackAnim = runtime::make<Anim>(number(node, "attStartX"), number(node, "attStartY"), w, h,
                                           number(node, "attFrames"), false, step(node, "attStep"));
    }
}

// Truncates toward zero, holding values outside the 32-bit range at its ends.
int truncated(double v) {
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

}  // namespace

MonsterData::MonsterData(const String& name, int id) : id(id), name(name) {
    if (id == Monster::DEMON_ID) {
        bmd = BMDCache::invisPixel;
        attackBMD = BMDCache::invisPixel;
        return;
    }
    std::string stem = name.str();
    std::erase(stem, ' ');
    bmd = PixelSmoother::smoothAsset("assets/x2/monsters/" + stem + "Idle.png");
    attackBMD = PixelSmoother::smoothAsset("assets/x2/monsters/" + stem + "Attack.png");
}

int MonsterData::parseInteger(const String& text) {
    const char* s = text.c_str();
    while (*s == ' ' || *s == '\t' || *s == '\n' || *s == '\r') ++s;
    bool negative = false;
    if (*s == '+' || *s == '-') negative = *s++ == '-';
    long long v = 0;
    for (; *s >= '0' && *s <= '9'; ++s)
        if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (*s - '0');
    if (negative) v = -v;
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

void MonsterData::createMonsters() {
    String source = framework::Assets::getText(TABLE);
    if (source.isNull()) runtime::Thrown::text(std::string("Monster table ") + TABLE + " is missing");
    readMonsters(TABLE, source);
}

void MonsterData::readMonsters(const String& path, const String& source) {
    MONSTERS = List();
    pugi::xml_document doc;
    pugi::xml_node root = DataTable::open(doc, "Monster table " + path.toText(), source);

    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element) continue;
        auto d = runtime::make<MonsterData>(DataTable::text(node, "name"), number(node, "id"));
        MonsterData& m = *d;
        for (const IntAttribute& a : NUMBERS) m.*a.field = number(node, a.name);
        m.weak = getWeaknessType(DataTable::text(node, "weak"));
        for (const IntAttribute& a : SIZES) m.*a.field = number(node, a.name);
        m.flying = DataTable::flag(node, "flying");
        for (const IntAttribute& a : OFFSETS) m.*a.field = number(node, a.name);
        m.stationary = DataTable::flag(node, "stationary");
        m.bleed = DataTable::text(node, "bleed") != "false";
        m.attackHasIdleAnim = DataTable::flag(node, "attackHasIdleAnim");
        m.attackSound = DataTable::text(node, "attSound");

        for (auto [attribute, list] : {std::pair{"drops", &m.drops}, std::pair{"dropChances", &m.dropChances}}) {
            String value = DataTable::text(node, attribute);
            if (value.isNull()) continue;
            const std::string& s = value.str();
            for (std::size_t start = 0;;) {
                std::size_t comma = s.find(',', start);
                list->push_back(parseInteger(String(s.substr(start, comma - start))));
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        }
        m.shadowBMD = shadow(DataTable::text(node, "shad"));

        if (m.frameWidth == 0) {
            m.frameWidth = m.frameHeight = m.attackFrameWidth = m.attackFrameHeight = C::TILE_SIZE;
            m.idleAnim = m.attackIdleAnim = m.attackAnim = MISSING_GRAPHIC_ANIM;
            m.groundPoint = runtime::make<framework::Point>(C::TILE_SIZE * 0.5, C::TILE_SIZE - 4);
        } else {
            readAnimations(m, node);
        }
        String effect = DataTable::text(node, "effect");
        if (!effect.isNull() && !effect.empty()) setEffect(d, effect);
        MONSTERS.push_back(d);
    }
    Monster::FLY_HEIGHT = static_cast<int>(C::TILE_SIZE * 0.25);
}

void MonsterData::setEffect(const Ref<MonsterData>& data, const String& effectName) {
    struct Effect {
        const char* name;
        const Effects::AnimRef& anim;
        const BMD* shared;  // a BMDCache sheet, or null for one fetched by path
        const char* path;
    };
    static const Effect EFFECTS[] = {
        {"firespit", Effects::MONSTER_FIRE_SPIT, &BMDCache::FIRE_SPIT, nullptr},
        {"acidspit", Effects::MONSTER_ACID_SPIT, &BMDCache::ACID_SPIT, nullptr},
        {"ice", Effects::ICESLASH_ANIM, nullptr, "assets/x2/magic/iceslash.png"},
        {"plasmablast", Effects::MONSTER_PLASMA_BLAST, nullptr, "assets/x2/monsters/plasmablast.png"},
        {"pixieblast", Effects::MONSTER_PIXIE_BLAST, nullptr, "assets/x2/monsters/pixieBlast.png"},
        {"lightbeam", Effects::LIGHTBEAM_ANIM, nullptr, "assets/x2/magic/lightbeam.png"},
        {"emeraldBreath", Effects::MONSTER_EMERALD_BREATH, nullptr, "assets/x2/monsters/EmeraldBreath.png"},
        {"darkFireBreath", Effects::MONSTER_DARK_FIRE_BREATH, nullptr, "assets/x2/monsters/DarkFireBreath.png"},
        {"darkPixieBlast", Effects::MONSTER_DARK_PIXIE_BLAST, nullptr, "assets/x2/monsters/darkPixieBlast.png"},
        {"random", Effects::LIGHTBEAM_ANIM, nullptr, "assets/x2/magic/lightbeam.png"},
    };
    if (!data || effectName.isNull()) return;
    for (const Effect& e : EFFECTS) {
        if (effectName != e.name) continue;
        data->effectAnim = e.anim;
        data->effectBMD = e.shared ? *e.shared : PixelSmoother::smoothAsset(e.path);
        if (std::strcmp(e.name, "random") == 0) data->randomAtack = true;
        return;
    }
}

Ref<MonsterData> MonsterData::findDataWithID(int id) {
    for (const auto& m : MONSTERS)
        if (m->id == id) return m;
    return nullptr;
}

int MonsterData::getWeaknessType(const String& text) {
    if (text == "fire") return Element::TYPE_FIRE;
    if (text == "ice") return Element::TYPE_ICE;
    if (text == "earth") return Element::TYPE_EARTH;
    if (text == "wind") return Element::TYPE_WIND;
    if (text == "dark") return Element::TYPE_DARK;
    if (text == "light") return Element::TYPE_LIGHT;
    return Element::TYPE_NONE;
}

void MonsterData::adjustForNewGamePlus() { adjustForNewGamePlus(GameData::newGamePlusNum); }

void MonsterData::adjustForNewGamePlus(int n) {
    if (n == 0) return;
    const double h = std::pow(1.4, n), d = std::pow(1.05, n), a = std::pow(1.2, n);
    for (const auto& m : MONSTERS) {
        for (const ScaledNumber& f : MAIN_NUMBERS)
            (*m).*f.field = truncated((*m).*f.field * h + static_cast<double>(f.step) * n);
        for (auto f : ELEMENT_DEFENCES) (*m).*f = truncated((*m).*f * d * n);
        for (auto f : ELEMENT_ATTACKS) (*m).*f = truncated((*m).*f * a * n);
    }
}

}  // namespace game

using game::MonsterData;

RUNTIME_DEFINE_CLASS(MonsterData, "MonsterData", runtime::Object, (auto& b) {
    b.template field<&MonsterData::bmd>("bmd")
        .template field<&MonsterData::attackBMD>("attackBMD")
        .template field<&MonsterData::shadowBMD>("shadowBMD")
        .template field<&MonsterData::idleAnim>("idleAnim")
        .template field<&MonsterData::idleFrames>("idleFrames")
        .template field<&MonsterData::attackAnim>("attackAnim")
        .template field<&MonsterData::attackIdleAnim>("attackIdleAnim")
        .template field<&MonsterData::attackFrameWidth>("attackFrameWidth")
        .template field<&MonsterData::attackFrameHeight>("attackFrameHeight")
        .template field<&MonsterData::attackDelay>("attackDelay")
        .template field<&MonsterData::damageFrame>("damageFrame")
        .template field<&MonsterData::groundPoint>("groundPoint")
        .template field<&MonsterData::frameWidth>("frameWidth")
        .template field<&MonsterData::frameHeight>("frameHeight")
        .template field<&MonsterData::flying>("flying")
        .template field<&MonsterData::attIdleAnim>("attIdleAnim")
        .template field<&MonsterData::effectAnim>("effectAnim")
        .template field<&MonsterData::effectBMD>("effectBMD")
        .template field<&MonsterData::effectFrame>("effectFrame")
        .template field<&MonsterData::idleShadOffsetX>("idleShadOffsetX")
        .template field<&MonsterData::idleShadOffsetY>("idleShadOffsetY")
        .template field<&MonsterData::attackShadOffsetX>("attackShadOffsetX")
        .template field<&MonsterData::attackShadOffsetY>("attackShadOffsetY")
        .template field<&MonsterData::attackOffsetX>("attackOffsetX")
        .template field<&MonsterData::attackOffsetY>("attackOffsetY")
        .template field<&MonsterData::effectX>("effectX")
        .template field<&MonsterData::effectY>("effectY")
        .template field<&MonsterData::stationary>("stationary")
        .template field<&MonsterData::attackHasIdleAnim>("attackHasIdleAnim")
        .template field<&MonsterData::attackSound>("attackSound")
        .template field<&MonsterData::randomAtack>("randomAtack")
        .template field<&MonsterData::id>("id")
        .template field<&MonsterData::name>("name")
        .template field<&MonsterData::minFloor>("minFloor")
        .template field<&MonsterData::maxFloor>("maxFloor")
        .template field<&MonsterData::maxHP>("maxHP")
        .template field<&MonsterData::attack>("attack")
        .template field<&MonsterData::defense>("defense")
        .template field<&MonsterData::defFire>("defFire")
        .template field<&MonsterData::defEarth>("defEarth")
        .template field<&MonsterData::defWind>("defWind")
        .template field<&MonsterData::defIce>("defIce")
        .template field<&MonsterData::defDark>("defDark")
        .template field<&MonsterData::defLight>("defLight")
        .template field<&MonsterData::attFire>("attFire")
        .template field<&MonsterData::attEarth>("attEarth")
        .template field<&MonsterData::attWind>("attWind")
        .template field<&MonsterData::attIce>("attIce")
        .template field<&MonsterData::attDark>("attDark")
        .template field<&MonsterData::attLight>("attLight")
        .template field<&MonsterData::weak>("weak")
        .template field<&MonsterData::bleed>("bleed")
        .template field<&MonsterData::exp>("exp")
        .template field<&MonsterData::gold>("gold")
        .template staticMethod<&MonsterData::createMonsters>("createMonsters")
        .template staticMethod<&MonsterData::setEffect>("setEffect")
        .template staticMethod<&MonsterData::findDataWithID>("findDataWithID")
        .template staticMethod<&MonsterData::getWeaknessType>("getWeaknessType")
        .template staticMethod<static_cast<void (*)()>(&MonsterData::adjustForNewGamePlus)>("adjustForNewGamePlus")
        .emptyInstance();
})
