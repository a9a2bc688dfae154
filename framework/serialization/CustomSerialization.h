#pragma once
// Implemented by a class that writes and reads its own serialized content (tag "C").
namespace framework {

class Serializer;
class Unserializer;

class CustomSerialization {
public:
    virtual ~CustomSerialization() = default;
    // Writes the content with s.serialize(...).
    virtual void serializeCustom(Serializer& s) = 0;
    // Reads back what serializeCustom wrote, with u.unserialize().
    virtual void unserializeCustom(Unserializer& u) = 0;
};

}  // namespace framework
