// A small JSON writer for the page's answers: objects of strings, numbers, booleans and
// arrays, built in order. The page only reads what the bridge writes, so no parser is needed.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace qx::web {

class JsonText {
public:
    JsonText& Begin(char bracket = '{')
    {
        Comma();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    JsonText& End(char bracket = '}')
    {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    JsonText& Key(std::string_view key)
    {
        Comma();
        Quote(key);
        text_ += ':';
        first_ = true;
        return *this;
    }
    JsonText& Text(std::string_view value)
    {
        Comma();
        Quote(value);
        return *this;
    }
    JsonText& Number(double value)
    {
        Comma();
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.10g", value);
        text_ += buffer;
        return *this;
    }
    JsonText& Bool(bool value)
    {
        Comma();
        text_ += value ? "true" : "false";
        return *this;
    }
    JsonText& Field(std::string_view key, std::string_view value) { return Key(key).Text(value); }
    JsonText& Field(std::string_view key, const char* value) { return Key(key).Text(value); }
    JsonText& Field(std::string_view key, double value) { return Key(key).Number(value); }
    JsonText& Field(std::string_view key, int value) { return Key(key).Number(value); }
    JsonText& Field(std::string_view key, unsigned value) { return Key(key).Number(value); }
    JsonText& Field(std::string_view key, bool value) { return Key(key).Bool(value); }
    const std::string& Str() const { return text_; }

private:
    std::string text_;
    bool first_ = true;

    void Comma()
    {
        if (!first_) text_ += ',';
        first_ = false;
    }
    // Bytes above 0x7F pass as they are: the texts are UTF-8 or Latin-1 names, and the page
    // decodes them as UTF-8.
    void Quote(std::string_view value)
    {
        text_ += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                text_ += escaped;
            } else {
                text_ += c;
            }
        }
        text_ += '"';
    }
};

}  // namespace qx::web
