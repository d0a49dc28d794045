#include "platform/rules/speech.h"

#include "reading/spoken_number.h"

namespace quendal {

std::string Speech::reading() {
    if (!host_.built()) {
        return {};
    }
    const DigitGroups& groups = host_.form().reading().groups;
    const Text meaning = selectedMeaning();
    if (!said_ || said_->groups != groups || said_->meaning != meaning) {
        std::string number = words_.decimal(spokenNumber(host_.form().reading()));
        std::string words =
            meaning.empty() ? std::move(number) : fillIn(words_.text(meaning), {number});
        said_ = Said{groups, meaning, std::move(words)};
    }
    return said_->words;
}

Text Speech::selectedMeaning() {
    for (const ControlDesign& control : design_.controls) {
        if (control.kind == ControlKind::OptionButton && !control.meaning.empty() &&
            host_.optionButton(control.name).selected()) {
            return control.meaning;
        }
    }
    return {};
}

std::string Speech::windowName() {
    if (!host_.built()) {
        return std::string(design_.caption);
    }
    if (host_.form().windowState() != WindowState::Normal) {
        const std::string said = reading();
        if (!said.empty()) {
            return said;
        }
    }
    return std::string(host_.form().caption());
}

std::string Speech::windowDescription() {
    for (const ControlDesign& control : design_.controls) {
        if (!control.checkedDescription.empty() && checked(control)) {
            return words_.text(control.checkedDescription);
        }
    }
    return {};
}

bool Speech::checked(const ControlDesign& control) {
    return host_.built() && control.kind == ControlKind::CheckBox &&
           host_.checkBox(control.name).value() == 1;
}

std::string Speech::name(const ControlDesign& control) {
    return words_.text(nameWhen(control, checked(control)));
}

std::string Speech::description(const ControlDesign& control) {
    return words_.text(descriptionWhen(control, checked(control)));
}

const Text& Speech::nameWhen(const ControlDesign& control, bool checked) {
    return checked && !control.checkedName.empty() ? control.checkedName : control.accessibleName;
}

const Text& Speech::descriptionWhen(const ControlDesign& control, bool checked) {
    return checked && !control.checkedDescription.empty() ? control.checkedDescription
                                                          : control.description;
}

SpokenWords::SpokenWords(TextPacer& pacer, std::function<std::string()> say,
                         std::function<void(std::string_view)> tell)
    : say_(std::move(say)),
      tell_(std::move(tell)),
      // The marker's first text, shown at once, marks no change.
      marker_(pacer, "", [this](std::string_view marker) {
          if (marker.empty()) {
              return;
          }
          std::string words = say_();
          if (words != told_) {
              told_ = std::move(words);
              tell_(told_);
          }
      }) {}

}  // namespace quendal
