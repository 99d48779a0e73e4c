#pragma once
// A small streaming JSON writer for the checker's dumps.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view value);
    JsonWriter& Int(std::int64_t value);
    JsonWriter& Bool(bool value);

    const std::string& Text() const { return out_; }

    static std::string Escape(std::string_view text);

  private:
    void BeforeValue();
    void Indent();
    JsonWriter& Close(char bracket);

    std::string out_;
    // One entry per open container: whether it has had a member yet.
    std::vector<bool> hasMember_;
    bool afterKey_ = false;
};

} // namespace lumora
