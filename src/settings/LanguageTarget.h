#pragma once

struct Texts;

// A window that shows texts of the language file in its own controls.
//
// Each time a language is applied, the main window's language loader calls
// applyLanguage on every such window it holds (its children), after its own
// controls. A window built after a language was applied calls it on itself
// from its constructor when `texts.loaded` is true; otherwise it keeps its
// built-in captions.
class LanguageTarget
{
public:
    virtual ~LanguageTarget() = default;
    virtual void applyLanguage(const Texts &texts) = 0;
};
