// Applies the texts of a language file to the real controls in the component slots.
#pragma once

#include "app/component_slots.h"
#include "lang/language_target.h"

namespace tv {

class WidgetLanguageTarget final : public LanguageTarget {
  public:
    explicit WidgetLanguageTarget(const ComponentSlots& table) : slots_(table) {}

    void clearItems(int slot) override;
    void appendItem(int slot, const std::string& item) override;
    void setCaption(int slot, const std::string& caption) override;
    void setHint(int slot, const std::string& hint) override;

  private:
    const ComponentSlots& slots_;
};

// The property that holds a control's key (a QKeySequence), shown in its tool tip.
inline constexpr const char* kShortcutProperty = "shortcutKey";

// Sets a "short|long" hint: the tool tip shows the short form, followed by the control's
// key when it has one; the status bar shows the long form.
void setWidgetHint(QWidget* widget, const std::string& hint);

}  // namespace tv
