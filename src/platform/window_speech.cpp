#include "platform/window_speech.h"

#include "reading/spoken_number.h"

namespace quendal {

std::string WindowSpeech::reading() {
    const std::string number = spokenNumber(host_.form().reading().groups);
    for (const ControlDesign& control : design_.controls) {
        if (control.kind == ControlKind::OptionButton && !control.meaning.empty() &&
            host_.optionButton(control.name).selected()) {
            return number + " " + std::string(control.meaning);
        }
    }
    return number;
}

std::string WindowSpeech::windowName() {
    if (host_.form().windowState() != WindowState::Normal) {
        const std::string said = reading();
        if (!said.empty()) {
            return said;
        }
    }
    return std::string(host_.form().caption());
}

std::string WindowSpeech::windowDescription() {
    for (const ControlDesign& control : design_.controls) {
        if (!control.checkedDescription.empty() && checked(control)) {
            return std::string(control.checkedDescription);
        }
    }
    return {};
}

bool WindowSpeech::checked(const ControlDesign& control) {
    return control.kind == ControlKind::CheckBox && host_.checkBox(control.name).value() == 1;
}

std::string_view WindowSpeech::name(const ControlDesign& control) {
    return nameWhen(control, checked(control));
}

std::string_view WindowSpeech::description(const ControlDesign& control) {
    return descriptionWhen(control, checked(control));
}

std::string_view WindowSpeech::nameWhen(const ControlDesign& control, bool checked) {
    return checked && !control.checkedName.empty() ? control.checkedName : control.accessibleName;
}

std::string_view WindowSpeech::descriptionWhen(const ControlDesign& control, bool checked) {
    return checked && !control.checkedDescription.empty() ? control.checkedDescription
                                                          : control.description;
}

}  // namespace quendal
