#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_host.h"

// Controls that keep their state in memory and raise their events as the real ones do,
// for driving the window's handlers without a display.
namespace quendal::testing {

class FakeForm final : public Form {
  public:
    void setCaption(std::string_view caption) override { caption_ = caption; }
    WindowState windowState() const override { return state_; }
    void setWindowState(WindowState state) override {
        ++programStateSets_[static_cast<int>(state)];
        userSetsState(state);
    }
    void onLoad(EventHandler handler) override { load_ = std::move(handler); }
    void onResize(EventHandler handler) override { resize_ = std::move(handler); }
    void onUnload(EventHandler handler) override { unload_ = std::move(handler); }

    // What the runtime does: Load, then the first showing.
    void start() {
        raise(load_);
        shown_ = true;
        ++resizes_;
        raise(resize_);
    }
    void userSetsState(WindowState state) {
        if (state != state_) {
            state_ = state;
            ++resizes_;
            raise(resize_);
        }
    }
    void userCloses() {
        raise(unload_);
        shown_ = false;
    }

    const std::string& caption() const { return caption_; }
    bool shown() const { return shown_; }
    int resizes() const { return resizes_; }
    // How often the program, not the user, asked for the state.
    int programStateSets(WindowState state) const {
        return programStateSets_[static_cast<int>(state)];
    }

  private:
    int programStateSets_[3] = {};
    std::string caption_ = "Quendal";
    WindowState state_ = WindowState::Minimized;
    bool shown_ = false;
    int resizes_ = 0;
    EventHandler load_, resize_, unload_;
};

class FakeLabel final : public Label {
  public:
    explicit FakeLabel(std::string_view caption) : caption_(caption) {}
    void setCaption(std::string_view caption) override { caption_ = caption; }
    const std::string& caption() const { return caption_; }

  private:
    std::string caption_;
};

class FakeCheckBox final : public CheckBox {
  public:
    FakeCheckBox(int value, bool enabled) : value_(value), enabled_(enabled) {}
    int value() const override { return value_; }
    void setValue(int value) override {
        if (value != value_) {
            value_ = value;
            raise(click_);
        }
    }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }

    void userClicks() {
        if (enabled_) {
            setValue(1 - value_);
        }
    }

  private:
    int value_;
    bool enabled_;
    EventHandler click_;
};

class FakeOptionButton final : public OptionButton {
  public:
    FakeOptionButton(bool selected, std::vector<FakeOptionButton*>& group)
        : selected_(selected), group_(group) {}
    bool selected() const override { return selected_; }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }

    void userClicks() {
        for (FakeOptionButton* other : group_) {
            other->selected_ = other == this;
        }
        raise(click_);
    }

  private:
    bool selected_;
    std::vector<FakeOptionButton*>& group_;
    EventHandler click_;
};

class FakeCommandButton final : public CommandButton {
  public:
    explicit FakeCommandButton(bool enabled) : enabled_(enabled) {}
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    std::string_view tag() const override { return tag_; }
    void setTag(std::string_view tag) override { tag_ = tag; }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }

    void userClicks() {
        if (enabled_) {
            raise(click_);
        }
    }

  private:
    bool enabled_;
    std::string tag_;
    EventHandler click_;
};

class FakeTimer final : public Timer {
  public:
    explicit FakeTimer(bool enabled) : enabled_(enabled) {}
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void onTimer(EventHandler handler) override { timer_ = std::move(handler); }

    // One firing, as the running timer would make it.
    void fires() {
        if (enabled_) {
            raise(timer_);
        }
    }

  private:
    bool enabled_;
    EventHandler timer_;
};

class FakeBeeper final : public Beeper {
  public:
    void beep() override { ++beeps_; }
    int beeps() const { return beeps_; }

  private:
    int beeps_ = 0;
};

template <typename Map>
auto& findControl(Map& map, std::string_view name) {
    const auto it = map.find(std::string(name));
    if (it == map.end()) {
        throw std::out_of_range(std::string(name));
    }
    return *it->second;
}

// A window made from its design, with fake controls.
class FakeFormHost final : public FormHost {
  public:
    explicit FakeFormHost(const FormDesign& design)
        : timerName_(design.timer.name), timer_(design.timer.enabled) {
        for (const ControlDesign& c : design.controls) {
            const std::string name(c.name);
            switch (c.kind) {
                case ControlKind::Label:
                    labels_[name] = std::make_unique<FakeLabel>(c.caption);
                    break;
                case ControlKind::CheckBox:
                    checkBoxes_[name] = std::make_unique<FakeCheckBox>(c.value, c.enabled);
                    break;
                case ControlKind::OptionButton:
                    options_[name] = std::make_unique<FakeOptionButton>(c.value == 1, group_);
                    group_.push_back(options_[name].get());
                    break;
                case ControlKind::CommandButton:
                    commands_[name] = std::make_unique<FakeCommandButton>(c.enabled);
                    break;
            }
        }
    }

    FakeForm& form() override { return form_; }
    FakeLabel& label(std::string_view name) override { return findControl(labels_, name); }
    FakeCheckBox& checkBox(std::string_view name) override {
        return findControl(checkBoxes_, name);
    }
    FakeOptionButton& optionButton(std::string_view name) override {
        return findControl(options_, name);
    }
    FakeCommandButton& commandButton(std::string_view name) override {
        return findControl(commands_, name);
    }
    FakeTimer& timer(std::string_view name) override {
        if (name != timerName_) {
            throw std::out_of_range(std::string(name));
        }
        return timer_;
    }
    int run() override {
        form_.start();
        return 0;
    }

  private:
    FakeForm form_;
    std::string timerName_;
    FakeTimer timer_;
    std::vector<FakeOptionButton*> group_;
    std::map<std::string, std::unique_ptr<FakeLabel>> labels_;
    std::map<std::string, std::unique_ptr<FakeCheckBox>> checkBoxes_;
    std::map<std::string, std::unique_ptr<FakeOptionButton>> options_;
    std::map<std::string, std::unique_ptr<FakeCommandButton>> commands_;
};

}  // namespace quendal::testing
