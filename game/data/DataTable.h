#pragma once
// What the readers of the game's XML tables share: parsing a table's text, with an error that
// names the table and the parser's line and column, and reading text and flag attributes.
#include <pugixml.hpp>

#include <string>

#include "platform/runtime/String.h"

namespace game {

class DataTable {
public:
    // Parses source into doc and answers its root element. Throws "<table> cannot be read: ..."
    // or "<table> has no root element".
    static pugi::xml_node open(pugi::xml_document& doc, const std::string& table, const runtime::String& source);
    // The attribute's text; null when it is absent.
    static runtime::String text(const pugi::xml_node& node, const char* name);
    // True only for the exact text "true".
    static bool flag(const pugi::xml_node& node, const char* name);
};

}  // namespace game
