// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small writer of JSON text: the page reads the windows' state as one
// JSON document after every event.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vantor::web {

class Json {
public:
    Json& open(char bracket) {
        comma();
        m_text += bracket;
        m_first = true;
        return *this;
    }
    Json& close(char bracket) {
        m_text += bracket;
        m_first = false;
        return *this;
    }
    // A key of the object being written; its value follows.
    Json& key(std::string_view k) {
        comma();
        string(k);
        m_text += ':';
        m_first = true;
        return *this;
    }
    Json& value(std::string_view s) {
        comma();
        string(s);
        return *this;
    }
    Json& value(const char* s) { return value(std::string_view(s)); }
    Json& value(const std::string& s) { return value(std::string_view(s)); }
    Json& value(bool b) {
        comma();
        m_text += b ? "true" : "false";
        return *this;
    }
    Json& value(long long n) {
        comma();
        m_text += std::to_string(n);
        return *this;
    }
    Json& value(int n) { return value(static_cast<long long>(n)); }
    Json& value(unsigned n) { return value(static_cast<long long>(n)); }
    Json& value(std::uintptr_t n) { return value(static_cast<long long>(n)); }
    // A value written by another Json, as it is.
    Json& raw(std::string_view text) {
        comma();
        m_text += text;
        return *this;
    }
    template <class T>
    Json& field(std::string_view k, const T& v) {
        key(k);
        return value(v);
    }
    const std::string& text() const { return m_text; }
    void clear() {
        m_text.clear();
        m_first = true;
    }

private:
    void comma() {
        if (!m_first) m_text += ',';
        m_first = false;
    }
    void string(std::string_view s) {
        m_text += '"';
        for (const char c : s) {
            switch (c) {
                case '"': m_text += "\\\""; break;
                case '\\': m_text += "\\\\"; break;
                case '\n': m_text += "\\n"; break;
                case '\r': m_text += "\\n"; break;  // the program's line breaks
                case '\t': m_text += "\\t"; break;
                default:
                    if (static_cast<unsigned char>(c) < 0x20) {
                        char buf[8];
                        std::snprintf(buf, sizeof buf, "\\u%04x", c);
                        m_text += buf;
                    } else {
                        m_text += c;
                    }
            }
        }
        m_text += '"';
    }
    std::string m_text;
    bool m_first = true;
};

}  // namespace vantor::web
