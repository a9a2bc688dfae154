#pragma once
// The kinds of picture, each adding its recipes to the builder.
#include "PictureBuilder.h"
#include "Sprites.h"

#include <map>
#include <utility>

namespace tools {

// A person's look for the figure painter, scaled; and each hero's own look by name.
Look person(uint32_t skin, uint32_t top, uint32_t bottom, uint32_t accent, double scale);
Look heroLook(const std::string& name);

void addMonsters(PictureBuilder& b);
void addHeroes(PictureBuilder& b);
void addNpcs(PictureBuilder& b);
void addTiles(PictureBuilder& b);
void addItems(PictureBuilder& b);
void addUi(PictureBuilder& b);
void addEffects(PictureBuilder& b);

}  // namespace tools
