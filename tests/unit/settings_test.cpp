#include "input/key_names.h"
#include "input/settings.h"
#include "input/settings_writer.h"
#include "replay/replay_lines.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

KeyCode keyOf(const Settings& settings, Action action) {
    return settings.keys[static_cast<int>(action)];
}

// Every kind of bad line is said with its number and left out; the good lines around apply.
TEST(SettingsTest, BadLinesAreToldAndTheRestApplies) {
    std::vector<SettingsProblem> problems;
    const Settings s = parseSettings("volume = 50\n"        // 1: before any section
                                     "# a comment\n"        // 2
                                     "[keys]\n"             // 3
                                     "left_punch = z\n"     // 4
                                     "  right_punch=x \r\n" // 5: the usual key, spaces
                                     "uppercut = u\n"       // 6: unknown name
                                     "eye_up = escape\n"    // 7: not a key
                                     "eye_down = z\n"       // 8: left_punch has z
                                     "turn = w\n"           // 9: freed by line 4
                                     "step_in = page_up\n"  // 10
                                     "side_left\n"          // 11: no value
                                     "[colours]\n"          // 12: unknown section
                                     "glove = red\n"        // 13: under it, ignored
                                     "[sound]\n"            // 14
                                     "volume = 101\n"       // 15: out of range
                                     "volume = 40\n"        // 16
                                     "volume = -1\n"        // 17: not a number
                                     "volume = 300\n"       // 18: out of range, 40 kept
                                     "[display]\n"          // 19
                                     "text_scale = 5\n"     // 20: out of range
                                     "language = de\n"      // 21: not a language
                                     "full_screen = oui\n"  // 22: not yes or no
                                     "contrast = 2\n"       // 23: unknown name
                                     "text_scale = 2\n"     // 24
                                     "language = en\n"      // 25
                                     "full_screen = yes\n", // 26
                                     problems);
    std::vector<int> lines;
    for (const SettingsProblem& problem : problems)
        lines.push_back(problem.line);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<int>{1, 6, 7, 8, 11, 12, 15, 17, 18, 20, 21, 22, 23}));
    EXPECT_EQ(keyOf(s, Action::leftPunch), 'z');
    EXPECT_EQ(keyOf(s, Action::rightPunch), 'x');
    EXPECT_EQ(keyOf(s, Action::eyeUp), 'i');
    EXPECT_EQ(keyOf(s, Action::eyeDown), 'k');
    EXPECT_EQ(keyOf(s, Action::turn), 'w');
    EXPECT_EQ(keyOf(s, Action::stepIn), specialKey(GLUT_KEY_PAGE_UP));
    EXPECT_EQ(s.volume, 40);
    EXPECT_EQ(s.textScale, 2);
    EXPECT_EQ(s.language, Language::en);
    EXPECT_TRUE(s.fullScreen);
}

// Swapping two keys is no clash; taking the usual key of an action the file leaves alone is,
// and so is a key the file gives twice (the later line goes).
TEST(SettingsTest, ClashesOfKeys) {
    std::vector<SettingsProblem> problems;
    Settings s = parseSettings("[keys]\nleft_punch = x\nright_punch = w\n", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(keyOf(s, Action::leftPunch), 'x');
    EXPECT_EQ(keyOf(s, Action::rightPunch), 'w');

    s = parseSettings("[keys]\nturn = up\nstep_in = q\nside_left = q\n", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 4);
    EXPECT_EQ(problems[0].text, "key 'q' is already step_in's");
    EXPECT_EQ(keyOf(s, Action::turn), specialKey(GLUT_KEY_UP));
    EXPECT_EQ(keyOf(s, Action::sideLeft), 'l');
}

// Files as editors save them: UTF-8 with a byte-order mark and a comment after a header read
// as plain ones; UTF-16 (either order, with or without the mark) is said once, on no line;
// bytes of the file come back escaped in the messages, none cut or left raw.
TEST(SettingsTest, FilesAsEditorsSaveThem) {
    std::vector<SettingsProblem> problems;
    Settings s = parseSettings(
        "\xef\xbb\xbf[keys]  # mine\nturn = q\n[sound]\t; quiet\nvolume = 7\n", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(keyOf(s, Action::turn), 'q');
    EXPECT_EQ(s.volume, 7);
    for (const std::string& utf16 : {"\xff\xfe[\0k\0"s, "\xfe\xff\0["s, "[\0k\0"s, "\0[\0k"s}) {
        std::vector<SettingsProblem> once;
        parseSettings(utf16, once);
        ASSERT_EQ(once.size(), 1u);
        EXPECT_EQ(once[0].line, 0);
        EXPECT_EQ(once[0].text, "UTF-16 text, save it as UTF-8");
    }
    parseSettings("[keys]\nturn = \x1b[2J\0\xe9\n[k\x07] # x\n"s, problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].text, "'\\x1b[2J\\x00\\xe9' is not a key");
    EXPECT_EQ(problems[1].text, "unknown section [k\\x07] and the lines under it");
}

// The printed settings, read back, give the same settings, whatever their keys.
TEST(SettingsTest, PrintedSettingsReadBackTheSame) {
    std::vector<SettingsProblem> problems;
    const Settings s = parseSettings("[keys]\nleft_punch = space\nright_punch = ;\n"
                                     "eye_up = f12\nturn = #\n[sound]\nvolume = 0\n"
                                     "[display]\ntext_scale = 3\nlanguage = en\n",
                                     problems);
    ASSERT_TRUE(problems.empty());
    const Settings back = parseSettings(formatSettings(s), problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(formatSettings(back), formatSettings(s));
    EXPECT_EQ(keyOf(back, Action::rightPunch), ';');
    EXPECT_EQ(keyOf(back, Action::turn), '#');
    EXPECT_EQ(back.volume, 0);
    EXPECT_EQ(back.textScale, 3);
    EXPECT_EQ(back.language, Language::en);
    EXPECT_EQ(formatSettings(parseSettings("", problems)), formatSettings(defaultSettings()));
}

// Saving changes only what reads otherwise, in place; what is missing goes where it belongs;
// a key another line gave up for a clash, freed by a change, is written too.
TEST(SettingsTest, SavedTextChangesOnlyWhatReadsOtherwise) {
    std::vector<SettingsProblem> problems;
    Settings chosen = defaultSettings();
    chosen.language = Language::en;
    chosen.keys[static_cast<int>(Action::stepIn)] = specialKey(GLUT_KEY_PAGE_UP);
    const std::string text = "[sound]\nvolume = 100\n# mine\n[keys]\nturn = t";
    EXPECT_EQ(settingsTextWith(text, chosen, "\r\n"),
              text + "\nstep_in = page_up\n\n[display]\nlanguage = en\n");
    EXPECT_EQ(settingsTextWith("\xef\xbb\xbf", chosen, "\n"),
              "\xef\xbb\xbf" + formatSettings(chosen));

    Settings clashed = parseSettings("[keys]\nleft_punch = z\neye_up = z\n", problems);
    clashed.keys[static_cast<int>(Action::leftPunch)] = 'q';
    const std::string saved =
        settingsTextWith("[keys]\r\nleft_punch = z \r\neye_up=z\r\n", clashed, "\n");
    EXPECT_EQ(saved, "[keys]\r\nleft_punch = q \r\neye_up=i\r\n");
    problems.clear();
    EXPECT_EQ(formatSettings(parseSettings(saved, problems)), formatSettings(clashed));
    EXPECT_TRUE(problems.empty());
}

// A comment after a value or a header is the player's: read past, and kept when the value
// changes; a value with more after it than a comment is refused whole. The writer takes [] as
// the reader does, a section of its own whose lines the game leaves out. A new file's lines end
// as asked (the system's own), an old file's keep theirs.
TEST(SettingsTest, CommentsAfterValuesAndLineEnds) {
    std::vector<SettingsProblem> problems;
    const std::string text = "[sound]\nvolume = 50 # quiet at night\n"
                             "[keys]\nturn = # ; the hash\neye_up =\tq;x\nside_left = a b\n"
                             "[]\nleft_punch = z\n";
    Settings read = parseSettings(text, problems);
    EXPECT_EQ(read.volume, 50);
    EXPECT_EQ(keyOf(read, Action::turn), '#');
    EXPECT_EQ(keyOf(read, Action::leftPunch), 'w');
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].text, "'q;x' is not a key");
    EXPECT_EQ(problems[1].text, "'a b' is not a key");
    EXPECT_EQ(problems[2].text, "unknown section [] and the lines under it");

    Settings chosen = read;
    chosen.volume = 40;
    chosen.keys[static_cast<int>(Action::turn)] = ';';
    chosen.keys[static_cast<int>(Action::eyeUp)] = 'q';
    chosen.keys[static_cast<int>(Action::leftPunch)] = 'a';
    EXPECT_EQ(settingsTextWith(text, chosen, "\r\n"),
              "[sound]\nvolume = 40 # quiet at night\n"
              "[keys]\nturn = ; ; the hash\neye_up =\tq\nside_left = a b\nleft_punch = a\n"
              "[]\nleft_punch = z\n");

    chosen = defaultSettings();
    chosen.volume = 9;
    const std::string fresh = settingsTextWith("", chosen, "\r\n");
    std::string bare = fresh;
    bare.erase(std::remove(bare.begin(), bare.end(), '\r'), bare.end());
    EXPECT_EQ(bare, formatSettings(chosen));
    EXPECT_EQ(fresh.size() - bare.size(), std::count(bare.begin(), bare.end(), '\n'));
    EXPECT_EQ(parseSettings(fresh, problems).volume, 9);
    EXPECT_EQ(settingsTextWith("[sound]", chosen, "\r\n"), "[sound]\r\nvolume = 9\r\n");
    EXPECT_EQ(settingsTextWith("[sound]\n", chosen, "\r\n"), "[sound]\nvolume = 9\n");
}

// The keys of ISO 8859-1 a French keyboard has (é è ç à ù, and every visible one): one byte in
// the game, as GLUT hands them over and the font draws them, UTF-8 in the file and in the
// messages, \xNN in a recording as always. A lone byte of ISO 8859-1 in the file is no UTF-8,
// and what is no key comes back escaped.
TEST(SettingsTest, KeysOfIso8859_1) {
    for (KeyCode key = 0xA1; key < 0x100; ++key) {
        if (key == 0xAD)
            continue;
        KeyCode back = 0;
        ASSERT_EQ(keyName(key), std::string(1, static_cast<char>(key)));
        ASSERT_TRUE(keyFromName(keyName(key), back) && back == key) << key;
        ASSERT_TRUE(keyFromUtf8Name(keyNameInUtf8(key), back) && back == key) << key;
        ASSERT_FALSE(keyFromUtf8Name(keyName(key), back)) << key;
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", key);
        ASSERT_EQ(replayKeyName(key), escaped);
        ASSERT_TRUE(replayKeyFromName(escaped, back) && back == key) << key;
        ASSERT_FALSE(replayKeyFromName(keyName(key), back)) << key;
    }
    for (const KeyCode invisible : {0x80, 0x9f, 0xa0, 0xad})
        EXPECT_EQ(keyName(invisible), "");

    std::vector<SettingsProblem> problems;
    const Settings s = parseSettings("[keys]\nturn = \xc3\xa9\nleft_punch = \xc3\xb9\n"
                                     "eye_up = \xc3\xa9\neye_down = \xe9\nside_left = \xc2\xa0\n"
                                     "side_right = \xe2\x82\xac\n",
                                     problems);
    EXPECT_EQ(keyOf(s, Action::turn), 0xE9);
    EXPECT_EQ(keyOf(s, Action::leftPunch), 0xF9);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].text, "'\\xe9' is not a key");
    EXPECT_EQ(problems[1].text, "'\\xc2\\xa0' is not a key");
    EXPECT_EQ(problems[2].text, "'\\xe2\\x82\\xac' is not a key");
    EXPECT_EQ(problems[3].line, 4);
    EXPECT_EQ(problems[3].text, "key '\xc3\xa9' is already turn's");

    problems.clear();
    const std::string text = formatSettings(s);
    EXPECT_NE(text.find("\nturn = \xc3\xa9\n"), std::string::npos);
    EXPECT_EQ(formatSettings(parseSettings(text, problems)), text);
    EXPECT_TRUE(problems.empty());
    Settings chosen = s;
    chosen.keys[static_cast<int>(Action::turn)] = 0xE7;
    EXPECT_EQ(settingsTextWith("[keys]\nturn = \xc3\xa9 # mine\n", chosen, "\n"),
              "[keys]\nturn = \xc3\xa7 # mine\nleft_punch = \xc3\xb9\n");
}

// The challenge under [game], off unless said, and its guard key c, taken and checked as the
// others, except that a file older than it keeps c where it gave it to another action (the
// guard then takes a free key); a file without [game] gains it when saved on, at its end.
TEST(SettingsTest, TheChallengeAndItsGuard) {
    std::vector<SettingsProblem> problems;
    const Settings usual = defaultSettings();
    EXPECT_FALSE(usual.challenge);
    EXPECT_EQ(keyOf(usual, Action::guard), 'c');
    EXPECT_EQ(std::string(actionSettingName(Action::guard)), "guard");

    EXPECT_EQ(usual.difficulty, normalDifficulty);
    Settings s = parseSettings("[game]\nchallenge = oui\nrounds = 3\nchallenge = yes # hard\n"
                               "difficulty = hard\ndifficulty = extreme\n"
                               "[keys]\nturn = c\nguard = g\nstep_in = g\n",
                               problems);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].text, "challenge 'oui' is not yes or no");
    EXPECT_EQ(problems[1].text, "unknown name 'rounds' in [game]");
    EXPECT_EQ(problems[2].text, "difficulty 'extreme' is not easy, normal or hard");
    EXPECT_EQ(problems[3].line, 10);
    EXPECT_EQ(problems[3].text, "key 'g' is already guard's");
    EXPECT_TRUE(s.challenge);
    EXPECT_EQ(s.difficulty, 2);
    EXPECT_EQ(keyOf(s, Action::guard), 'g');
    EXPECT_EQ(keyOf(s, Action::turn), 'c'); // freed by the guard's own line

    problems.clear();
    s = parseSettings(
        "[keys]\nturn = c\nstep_in = v\nstep_back = b\neye_up = p\n[game]\nchallenge = no\n",
        problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_FALSE(s.challenge);
    EXPECT_EQ(keyOf(s, Action::turn), 'c');
    EXPECT_EQ(keyOf(s, Action::guard), 'n');
    EXPECT_EQ(keyOf(s, Action::pause), 'g'); // p kept by eye_up, as the guard's c by turn
    EXPECT_EQ(formatSettings(parseSettings(formatSettings(s), problems)), formatSettings(s));
    EXPECT_TRUE(problems.empty());

    Settings chosen = usual;
    chosen.challenge = true;
    chosen.keys[static_cast<int>(Action::guard)] = specialKey(GLUT_KEY_END);
    const std::string text = formatSettings(chosen);
    EXPECT_NE(text.find("\nguard = end\n"), std::string::npos);
    EXPECT_NE(text.find("\n[game]\n"), std::string::npos);
    problems.clear();
    EXPECT_EQ(formatSettings(parseSettings(text, problems)), text);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(settingsTextWith("[keys]\nturn = t\n", chosen, "\n"),
              "[keys]\nturn = t\nguard = end\n\n[game]\nchallenge = yes\n");
    EXPECT_EQ(settingsTextWith("[game]\r\nchallenge = no # not yet\r\n", usual, "\n"),
              "[game]\r\nchallenge = no # not yet\r\n");
    chosen.keys[static_cast<int>(Action::guard)] = 'c';
    EXPECT_EQ(settingsTextWith("[game]\r\nchallenge = no # not yet\r\n", chosen, "\n"),
              "[game]\r\nchallenge = yes # not yet\r\n");
}

} // namespace
