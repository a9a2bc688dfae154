#include "DataTable.h"

#include "platform/runtime/Thrown.h"

namespace game {

namespace {

// Line and column (both from 1) of a byte offset in text.
std::string position(const std::string& source, std::ptrdiff_t offset) {
    int line = 1, column = 1;
    for (std::ptrdiff_t i = 0; i < offset && i < static_cast<std::ptrdiff_t>(source.size()); ++i) {
        if (source[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

pugi::xml_node DataTable::open(pugi::xml_document& doc, const std::string& table, const runtime::String& source) {
    pugi::xml_parse_result parsed = doc.load_buffer(source.str().data(), source.length());
    if (!parsed)
        runtime::Thrown::text(table + " cannot be read: " + parsed.description() + " at " +
                              position(source.str(), parsed.offset));
    pugi::xml_node root = doc.document_element();
    if (!root) runtime::Thrown::text(table + " has no root element");
    return root;
}

runtime::String DataTable::text(const pugi::xml_node& node, const char* name) {
    pugi::xml_attribute a = node.attribute(name);
    return a ? runtime::String(a.value()) : runtime::String();
}

bool DataTable::flag(const pugi::xml_node& node, const char* name) {
    pugi::xml_attribute a = node.attribute(name);
    return a && std::string(a.value()) == "true";
}

}  // namespace game
