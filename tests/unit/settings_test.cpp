#include "input/settings.h"
#include "input/settings_writer.h"

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
    EXPECT_EQ(settingsTextWith(text, chosen),
              text + "\nstep_in = page_up\n\n[display]\nlanguage = en\n");
    EXPECT_EQ(settingsTextWith("\xef\xbb\xbf", chosen), "\xef\xbb\xbf" + formatSettings(chosen));

    Settings clashed = parseSettings("[keys]\nleft_punch = z\neye_up = z\n", problems);
    clashed.keys[static_cast<int>(Action::leftPunch)] = 'q';
    const std::string saved =
        settingsTextWith("[keys]\r\nleft_punch = z \r\neye_up=z\r\n", clashed);
    EXPECT_EQ(saved, "[keys]\r\nleft_punch = q \r\neye_up=i\r\n");
    problems.clear();
    EXPECT_EQ(formatSettings(parseSettings(saved, problems)), formatSettings(clashed));
    EXPECT_TRUE(problems.empty());
}

} // namespace
