// The languages the program shows its texts in. The game itself speaks Japanese: every procedure
// passes its Japanese text to the platform, and a front end that shows English looks the text up
// here, where it meets the screen (the canvas, the boxes, the menus, its own dialogs).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orizen {

enum class Language { Japanese, English };

// Where a text is shown, for the few texts whose English depends on it ("終わり" quits on the
// menu, and says the record has no more moves in a box).
enum class Where { Anywhere, Menu, Box };

// One text of the catalogue. "%1" and "%2" in the Japanese stand for any text (an error the
// system reported, a number, a file's name), carried over to the same marks in the English.
struct Phrase {
    std::string_view japanese;
    std::string_view english;
    Where where = Where::Anywhere;
};

// Every text the program shows, with its English.
std::span<const Phrase> phrases();

// The English for `japanese` shown at `where`: a phrase of the catalogue, or a move as the aids
// write it ("14 17歩" is "P-14 17", "８ ５香成打" is "+L*8 5"); nothing when the catalogue has none.
std::optional<std::string> english(std::string_view japanese, Where where = Where::Anywhere);

// `text` as shown in `language`: Japanese as it is; English from the catalogue, or the text
// itself when the catalogue has none (numbers, names the players typed, file names).
std::string shown(Language language, std::string_view text, Where where = Where::Anywhere);

// Whether a text holds Japanese script (kana, kanji, Japanese punctuation, half-width kana);
// digits, letters and signs in full width do not count.
bool hasJapanese(std::string_view utf8);

// The language for a locale or a browser's language tag ("ja_JP.UTF-8", "ja-JP", "en-GB", "C"):
// Japanese for Japanese and where no language is named (C, POSIX, empty), English elsewhere.
Language languageOfLocale(std::string_view name);

// How a choice is kept in the aids' settings file: "ja" or "en"; parseLanguage answers nothing
// for anything else.
std::string_view languageCode(Language language);
std::optional<Language> parseLanguage(std::string_view code);

}  // namespace orizen
