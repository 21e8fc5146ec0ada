#include "input/key_names.h"

#include "input/keys.h"

#include <GL/glut.h>

namespace {

struct KeyWord {
    const char* name;
    KeyCode key;
};

constexpr KeyWord keyWords[] = {
    {"space", ' '},
    {"return", enterKey},
    {"escape", escapeKey},
    {"tab", '\t'},
    {"backspace", '\b'},
    {"delete", 127},
    {"up", specialKey(GLUT_KEY_UP)},
    {"down", specialKey(GLUT_KEY_DOWN)},
    {"left", specialKey(GLUT_KEY_LEFT)},
    {"right", specialKey(GLUT_KEY_RIGHT)},
    {"page_up", specialKey(GLUT_KEY_PAGE_UP)},
    {"page_down", specialKey(GLUT_KEY_PAGE_DOWN)},
    {"home", specialKey(GLUT_KEY_HOME)},
    {"end", specialKey(GLUT_KEY_END)},
    {"insert", specialKey(GLUT_KEY_INSERT)},
    {"f1", specialKey(GLUT_KEY_F1)},
    {"f2", specialKey(GLUT_KEY_F2)},
    {"f3", specialKey(GLUT_KEY_F3)},
    {"f4", specialKey(GLUT_KEY_F4)},
    {"f5", specialKey(GLUT_KEY_F5)},
    {"f6", specialKey(GLUT_KEY_F6)},
    {"f7", specialKey(GLUT_KEY_F7)},
    {"f8", specialKey(GLUT_KEY_F8)},
    {"f9", specialKey(GLUT_KEY_F9)},
    {"f10", specialKey(GLUT_KEY_F10)},
    {"f11", specialKey(GLUT_KEY_F11)},
    {"f12", specialKey(GLUT_KEY_F12)},
};

bool visibleCharacter(KeyCode key) {
    return key > ' ' && key < 127;
}

// The keys a Latin-1 keyboard has beyond ASCII (é, è, ç, à, ù on a French one), which GLUT
// hands over as their ISO 8859-1 code: named by the character in UTF-8.
bool latin1Character(KeyCode key) {
    return key > 0xA0 && key <= 0xFF;
}

std::string utf8Of(KeyCode key) {
    return {static_cast<char>(0xC0 | key >> 6), static_cast<char>(0x80 | (key & 0x3F))};
}

} // namespace

std::string keyName(KeyCode key) {
    if (visibleCharacter(key))
        return std::string(1, static_cast<char>(key));
    if (latin1Character(key))
        return utf8Of(key);
    for (const KeyWord& word : keyWords)
        if (word.key == key)
            return word.name;
    return {};
}

bool keyFromName(const std::string& name, KeyCode& key) {
    if (name.size() == 1 && visibleCharacter(static_cast<unsigned char>(name[0]))) {
        key = static_cast<unsigned char>(name[0]);
        return true;
    }
    for (KeyCode code = 0xA1; code <= 0xFF; ++code)
        if (name == utf8Of(code)) {
            key = code;
            return true;
        }
    for (const KeyWord& word : keyWords)
        if (name == word.name) {
            key = word.key;
            return true;
        }
    return false;
}
