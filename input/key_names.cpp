#include "input/key_names.h"

#include "input/keys.h"
#include "text/latin1.h"

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

// The no-break space and the soft hyphen show nothing, or what another key shows; 0x80 to
// 0x9F are control codes.
bool visibleCharacter(KeyCode key) {
    return (key > ' ' && key < 127) || (key > 0xA0 && key < specialKeyBase && key != 0xAD);
}

} // namespace

bool isBeyondAscii(KeyCode key) {
    return key >= 0x80 && key < specialKeyBase;
}

std::string keyName(KeyCode key) {
    if (visibleCharacter(key))
        return std::string(1, static_cast<char>(key));
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
    for (const KeyWord& word : keyWords)
        if (name == word.name) {
            key = word.key;
            return true;
        }
    return false;
}

bool isBindableKey(KeyCode key) {
    return !keyName(key).empty() && key >= ' ' && key != 127;
}

std::string keyNameInUtf8(KeyCode key) {
    return latin1ToUtf8(keyName(key));
}

bool keyFromUtf8Name(const std::string& name, KeyCode& key) {
    const std::string latin1 = utf8ToLatin1(name);
    if (name.size() == 2 && latin1.size() == 1)
        return keyFromName(latin1, key);
    for (const char c : name)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return keyFromName(name, key);
}
