#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quendal {

// A text the user reads or hears, as written in English, and the part of the program it
// belongs to, which tells a translator where it stands ("Strip", "Tray", "Messages").
struct Text {
    std::string_view context;
    std::string_view english;

    constexpr bool empty() const { return english.empty(); }
    friend constexpr bool operator==(const Text&, const Text&) = default;
};

// Marks a text for the translators' tools, which collect every call of this name, and
// keeps it as it is: the words are the user's only through Words.
constexpr Text translatable(std::string_view context, std::string_view english) {
    return {context, english};
}

// The user's words: each toolkit's binding gives them from the translations built with
// the program and from the locale's own number style.
class Words {
  public:
    virtual ~Words() = default;
    // The text in the user's language; its English where there is no translation of it.
    virtual std::string text(const Text& text) const = 0;
    // A decimal number written with a point and digits only ("41.1917995"), as the
    // user's locale writes it ("41,1917995"): the same digits, the locale's decimal mark.
    virtual std::string decimal(std::string_view number) const = 0;
};

// The texts as written, numbers with a point: where the user's language is English, or
// no translation can be had.
class EnglishWords final : public Words {
  public:
    std::string text(const Text& text) const override { return std::string(text.english); }
    std::string decimal(std::string_view number) const override { return std::string(number); }
};

// `pattern` with its placeholders "%1", "%2", ... replaced by the arguments in that order
// ("%1 percent of the day"): a translation puts each where its language puts it.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace quendal
