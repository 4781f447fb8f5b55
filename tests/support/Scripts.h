#pragma once
// Items in many scripts, each as a file may hold it and as a keyboard types it: Latin with
// accents, Greek, Cyrillic, CJK, Hangul, a combining sequence (which keyboards type
// precomposed), an emoji sequence and Arabic.
struct TScriptItem {
    const char* InFile;
    const char* Typed;
};
inline constexpr TScriptItem ScriptItems[] = {
    {"Ångström café", "Ångström café"},
    {"Καλημέρα", "Καλημέρα"},
    {"Слова", "Слова"},
    {"単語", "単語"},
    {"한국어", "한국어"},
    {"e\u0301te\u0301", "été"},
    {"\U0001F469\u200D\U0001F467", "\U0001F469\u200D\U0001F467"},
    {"كلمة", "كلمة"},
};
