// The texts the program shows, one table a language: the tray menu's items,
// the message boxes and the help window. Callers ask for a text by its
// member of Texts, never test the language; start-up chooses the table once,
// from the user's UI language. Another language is one more table.
#pragma once

#include <cstdint>

#include "engine/ProgramState.h"

namespace tremolux {

struct Texts {
    // the tray menu
    const char* restoreItem;
    const char* modeMenu;
    const char* dragBumpItem;
    const char* slideItem;
    const char* effectsMenu;
    const char* noMaxItem;
    const char* noMinItem;
    const char* startWithWindowsItem;
    const char* helpItem;
    const char* cleanUpItem;
    const char* exitItem;
    // the message boxes: a second instance refused, the clean-up's question
    // and its outcome
    const char* alreadyRunning;
    const char* informationCaption;
    const char* cleanUpQuestion;
    const char* cleanUpCaption;
    const char* cleanUpDone;
    const char* cleanUpRefused;
    // the help window: its title, the introduction, the lines the links lie
    // on and the links' captions
    const char* helpTitle;
    const char* helpText;
    const char* mailLine;
    const char* homePageLine;
    const char* mailLink;
    const char* homePageLink;
    // The introduction's font: the Song face the specification's layout is
    // made for, or the system's message font, whose face and size the user
    // chooses and which holds the language's letters.
    bool messageFont;
};

// A text by its member, as a declaration names it.
using Text = const char* Texts::*;

// Every text of a table.
constexpr Text kAllTexts[] = {
    &Texts::restoreItem,        &Texts::modeMenu,
    &Texts::dragBumpItem,       &Texts::slideItem,
    &Texts::effectsMenu,        &Texts::noMaxItem,
    &Texts::noMinItem,          &Texts::startWithWindowsItem,
    &Texts::helpItem,           &Texts::cleanUpItem,
    &Texts::exitItem,           &Texts::alreadyRunning,
    &Texts::informationCaption, &Texts::cleanUpQuestion,
    &Texts::cleanUpCaption,     &Texts::cleanUpDone,
    &Texts::cleanUpRefused,     &Texts::helpTitle,
    &Texts::helpText,           &Texts::mailLine,
    &Texts::homePageLine,       &Texts::mailLink,
    &Texts::homePageLink,
};

// Every text there, to see that none is missing.
constexpr bool Complete(const Texts& texts) {
    for (Text text : kAllTexts)
        if (!(texts.*text) || !*(texts.*text)) return false;
    return true;
}

// The texts of a language: the specification's, in Simplified Chinese,
// English and Traditional Chinese in shell/Texts.cpp, each other language in
// a file of its own under shell/languages/.
extern const Texts kChineseTexts;
extern const Texts kEnglishTexts;
extern const Texts kTraditionalTexts;
extern const Texts kJapaneseTexts;
extern const Texts kKoreanTexts;
extern const Texts kGermanTexts;
extern const Texts kFrenchTexts;
extern const Texts kSpanishTexts;
extern const Texts kPortugueseTexts;
extern const Texts kRussianTexts;
extern const Texts kItalianTexts;
extern const Texts kPolishTexts;
extern const Texts kTurkishTexts;
constexpr const Texts* kLanguages[] = {
    &kChineseTexts, &kEnglishTexts, &kTraditionalTexts, &kJapaneseTexts,   &kKoreanTexts,
    &kGermanTexts,  &kFrenchTexts,  &kSpanishTexts,     &kPortugueseTexts, &kRussianTexts,
    &kItalianTexts, &kPolishTexts,  &kTurkishTexts,
};

// The language for the user's UI language (GetUserDefaultUILanguage), as an
// index of kLanguages: the Chinese of Taiwan, Hong Kong, Macao and zh-Hant
// Traditional, any other Chinese (PRC, Singapore, zh-Hans) the
// specification's; Japanese, Korean, German, French, Spanish, Portuguese
// (Brazil's, for every Portuguese), Russian, Italian, Polish and Turkish by
// the primary language, whatever the country; every other English.
std::int32_t LanguageFor(std::uint16_t uiLanguage);

// The texts of the language the program speaks (the specification's until
// start-up has chosen), and one of them; a text a declaration leaves out
// is the empty text.
const Texts& TextsOf(const ProgramState& state);
inline const char* TextOf(const Texts& texts, Text text) { return text ? texts.*text : ""; }
inline const char* TextOf(const ProgramState& state, Text text) {
    return TextOf(TextsOf(state), text);
}

}  // namespace tremolux
