// The component table: which control of which window each of the 256 slots names,
// and what a language file's component number (kind * 256 + slot) does to it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tv {

inline constexpr int kSlotCount = 256;
inline constexpr int kFilledSlotCount = 102;  // slots 0..101; the rest stay empty
inline constexpr int kComponentKindCount = 13;
inline constexpr int kMaxComponentNumber = kComponentKindCount * kSlotCount - 1;  // 3327

// Slots the applying of a language treats specially.
inline constexpr int kSlotLanguageList = 5;   // list_lang
inline constexpr int kSlotDisplayModes = 18;  // list_tip

// The seven windows, named after their classes (Tform_fomenu is the main window).
enum class FormId : uint8_t { Fomenu, Mozg, Zoom, Nevjegy, Forg, Anyag, Feny };

enum class ControlKind : uint8_t {
    None,  // an empty slot
    SpeedButton,
    Label,
    DropDownList,
    SpinEdit,
    TrackBar,
    Window,
    RadioButton,
    CheckBox,
};

struct ComponentSlot {
    FormId form = FormId::Fomenu;
    const char* name = "";  // the control's name in its window; "form_<unit>" for a window
    ControlKind kind = ControlKind::None;
};

// The slot `slot` (0..255); an empty slot for any other value.
const ComponentSlot& componentSlot(int slot);

// Class name of a window, such as "Tform_feny".
const char* formClassName(FormId form);

// What the text of a language line does to the control of its slot.
enum class TextEffect : uint8_t {
    SetText,  // kind 0: replaces a text of the text table
    SetHint,
    SetCaption,
    AppendItem,  // appends an item to a drop-down list
};

struct ComponentKindInfo {
    ControlKind required;  // None for kind 0, which names no control
    TextEffect effect;
};

inline constexpr std::array<ComponentKindInfo, kComponentKindCount> kComponentKinds = {{
    {ControlKind::None, TextEffect::SetText},             // 0
    {ControlKind::SpeedButton, TextEffect::SetHint},      // 1
    {ControlKind::Label, TextEffect::SetCaption},         // 2
    {ControlKind::DropDownList, TextEffect::AppendItem},  // 3
    {ControlKind::DropDownList, TextEffect::SetHint},     // 4
    {ControlKind::SpinEdit, TextEffect::SetHint},         // 5
    {ControlKind::TrackBar, TextEffect::SetHint},         // 6
    {ControlKind::Window, TextEffect::SetCaption},        // 7
    {ControlKind::SpeedButton, TextEffect::SetCaption},   // 8
    {ControlKind::RadioButton, TextEffect::SetCaption},   // 9
    {ControlKind::RadioButton, TextEffect::SetHint},      // 10
    {ControlKind::CheckBox, TextEffect::SetCaption},      // 11
    {ControlKind::CheckBox, TextEffect::SetHint},         // 12
}};

// A component number resolved against the table: for SetText, `index` is the text's
// index; otherwise it is the slot of a control of the kind the effect needs.
struct ComponentRef {
    TextEffect effect = TextEffect::SetText;
    int index = 0;
};

// Resolves `number`; nothing when it names nothing: negative, above 3327, an empty
// slot, or a control of another kind than the number's kind requires.
[[nodiscard]] std::optional<ComponentRef> resolveComponent(int number);

}  // namespace tv
